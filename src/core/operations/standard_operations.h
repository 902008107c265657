#pragma once

#include "engine/operation.h"

namespace vr {

// The full table of operators and built-in functions, assembled once from
// the tables of each family.
const OperationTable& StandardOperations();

// Each family fills its own entries.
void RegisterArithmeticOperators(OperationTable& table);
void RegisterBuiltinFunctions(OperationTable& table);

}  // namespace vr
