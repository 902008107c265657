#pragma once

#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"

namespace vr::test {

// An engine with the standard operations and default settings restored
// after each test.
struct GraphEngine {
  ScopedOptions options;
  ExpressionEngine engine{EngineServices{&StandardOperations(), nullptr}};
};

}  // namespace vr::test
