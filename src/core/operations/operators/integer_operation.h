#pragma once

#include <cstdint>

#include "engine/operation.h"
#include "engine/real_rules.h"

namespace vr {

// The operators that work on the bits or the truth of whole numbers (shifts,
// bitwise and logical operators). Their operands must be Real or Integer
// whole numbers; the result replaces the left operand's number and keeps its
// kind. A text gives kInvalidStringOperation, a date kInvalidDateOperation,
// anything else kNotForInteger with `name` as the message's operation name.

// Binary: both operands resolved and brought to one kind first, the left one
// leading; `variant` is the call's extra argument.
ErrorCode RunIntegerBinary(const OperationCall& call, const char* name, WholeCombine combine);

// Unary; `resolve` false leaves a variable reference unresolved, which then
// fails like any other operand that is not a number.
ErrorCode RunIntegerUnary(const OperationCall& call, const char* name, WholeApply apply,
                          bool resolve);

}  // namespace vr
