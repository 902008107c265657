#pragma once

#include <string_view>

#include "engine/token_class.h"
#include "values/value.h"

namespace vr {

// The value a literal token stands for, read from its text; a class that
// carries no literal gives 0.
Value LiteralToValue(TokenClass tokenClass, std::string_view text);

}  // namespace vr
