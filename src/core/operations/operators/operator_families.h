#pragma once

#include "engine/operation.h"

namespace vr {

// One operation per operator family. Each pops its operands, pushes one
// result on success and returns an error code; `extra` selects the variant
// within a family as the operator table gives it.

// Unary minus, "+" and "-".
ErrorCode NegateOperation(const OperationCall& call);
ErrorCode AddOperation(const OperationCall& call);
ErrorCode SubtractOperation(const OperationCall& call);

// "*", "/" and "%".
ErrorCode MultiplyOperation(const OperationCall& call);
ErrorCode DivideOperation(const OperationCall& call);
ErrorCode RemainderOperation(const OperationCall& call);

// "**" and the postfix "!!".
ErrorCode PowerOperation(const OperationCall& call);
ErrorCode FactorialOperation(const OperationCall& call);

// "==" / "!=" (extra: 1 for "!="), and "<", ">", "<=", ">=" (extra: the
// operator code).
ErrorCode EqualityOperation(const OperationCall& call);
ErrorCode OrderingOperation(const OperationCall& call);

// "=" and ":="; the target's name is the token text.
ErrorCode AssignOperation(const OperationCall& call);

// "<<" / ">>" (extra: 1 for ">>"); "&", "|", "^" (extra: the operator code);
// "~".
ErrorCode ShiftOperation(const OperationCall& call);
ErrorCode BitwiseOperation(const OperationCall& call);
ErrorCode BitNotOperation(const OperationCall& call);

// "&&", "||" (extra: the operator code) and the prefix "!".
ErrorCode LogicalOperation(const OperationCall& call);
ErrorCode LogicalNotOperation(const OperationCall& call);

// "*%", "/%", and "+%" / "-%" (extra: 1 for "+%").
ErrorCode PercentOfOperation(const OperationCall& call);
ErrorCode PercentRatioOperation(const OperationCall& call);
ErrorCode PercentChangeOperation(const OperationCall& call);

// A table holding only the operators, for code that applies an operator by
// its code (ApplyOperator).
const OperationTable& OperatorTable();

}  // namespace vr
