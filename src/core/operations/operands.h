#pragma once

#include <cstdint>

#include "engine/operation.h"
#include "engine/operator_code.h"
#include "values/error_code.h"
#include "values/value.h"

namespace vr {

// Helpers shared by the operators and the built-in functions: taking operands
// off the stack, bringing two operands to one kind, and the working forms of
// times and fractions that the arithmetic runs on.

// ---- Operands on the stack -------------------------------------------------

// kStackEmpty when fewer than `needed` Values are on the stack; nothing is
// popped then.
ErrorCode RequireOperands(const OperationCall& call, int needed);

// A VariableRef becomes a copy of the variable's Value; an unknown name sets
// the error name to it and gives kVariableNotFound. Other kinds pass.
ErrorCode ResolveOperand(const OperationCall& call, Value& v);

// Pops the top Value as it is (no resolving); kStackEmpty on an empty stack.
ErrorCode PopRaw(const OperationCall& call, Value& out);

// Pops the top Value and resolves it.
ErrorCode PopOperand(const OperationCall& call, Value& out);

// Depth check for one operand, pop, resolve.
ErrorCode PopUnary(const OperationCall& call, Value& operand);

// Depth check for two operands; the right operand is on top, so it is popped
// first. Both are resolved, the left one first.
ErrorCode PopBinary(const OperationCall& call, Value& left, Value& right);

// Pushes a result; kStackOverflow when the stack is full.
ErrorCode PushResult(const OperationCall& call, const Value& v);

// Sets ErrorName() to the operation's name (for messages with "%s") and
// returns the code, so a failure reads `return FailNamed(kNotForTime, "power");`.
ErrorCode FailNamed(ErrorCode code, const char* operationName);

// Runs the operator `code` on the call's stack with the extra argument the
// operator table gives it, as the evaluator would. For built-ins that are
// defined in terms of the operators (sqr, means). argCount and tokenText of
// `call` are passed along unchanged.
ErrorCode ApplyOperator(const OperationCall& call, OperatorCode code);

// ---- One kind for two operands ---------------------------------------------

// The kind two operands are brought to before a binary operator. String wins
// over Date, Date over Complex; a Real with a fractional part makes both
// Real; a whole Real takes the other operand's kind; between Fraction, Time
// and Integer the first argument wins.
ValueKind CommonKind(const Value& a, const Value& b);

// Converts each of x and y whose kind differs from CommonKind(x, y) to that
// kind. A failing conversion leaves its operand as it was (the callers read
// the operands by the returned kind). Returns the common kind.
ValueKind UnifyOperands(Value& x, Value& y);

// Times are added, multiplied and compared as seconds: TimeToSeconds and
// SecondsToTime in values/value_conversion.h.

// ---- Exact fractions --------------------------------------------------------
//
// Sign convention: the denominator of a stored fraction is positive and the
// sign is carried by the whole part, or by the numerator when the whole part
// is 0 (-1\1\2 is whole -1, numerator 1, denominator 2; -1\2 is whole 0,
// numerator -1, denominator 2). So negating a fraction negates its value, and
// the text form shows one minus sign in front.

// An exact rational number in improper form; den > 0.
struct Rational {
  std::int64_t num;
  std::int64_t den;
};

// The fraction's value as an improper rational. A fraction whose numerator or
// denominator is 0 is its whole number over 1.
Rational FractionToRational(const FractionParts& f);

// Exact sum and product of two fractions (reduced; whole part split off only
// when the numerator exceeds the denominator). kIntegerOverflow when the
// result cannot be held in 32-bit parts.
ErrorCode AddFractions(const FractionParts& a, const FractionParts& b, FractionParts& out);
ErrorCode MultiplyFractions(const FractionParts& a, const FractionParts& b, FractionParts& out);
// Exact quotient; kDivisionByZero for a divisor of value 0.
ErrorCode DivideFractions(const FractionParts& a, const FractionParts& b, FractionParts& out);

// -f under the sign convention; kIntegerOverflow only for a part of -2^31.
ErrorCode NegateFraction(const FractionParts& f, FractionParts& out);

}  // namespace vr
