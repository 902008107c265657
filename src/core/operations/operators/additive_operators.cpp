// Unary minus, addition and subtraction for every kind of value.

#include "engine/real_rules.h"
#include "engine/value_stack.h"
#include "operations/operands.h"
#include "operations/operators/binary_operation.h"
#include "operations/operators/operator_families.h"
#include "values/text_limit.h"
#include "values/value_conversion.h"

namespace vr {
namespace {

// ---- Unary minus --------------------------------------------------------

std::int32_t NegateSaturated(std::int32_t x) {
  return x == kIntegerMin ? kIntegerMax : -x;
}

ErrorCode NegateNumber(Value& v, int) { return RealNegate(v.num.real, v.num.real); }

ErrorCode NegateFractionRule(Value& v, int) {
  return NegateFraction(v.num.fraction, v.num.fraction);
}

ErrorCode NegateTime(Value& v, int) {
  TimeParts& t = v.num.time;
  t = {NegateSaturated(t.hours), NegateSaturated(t.minutes), NegateSaturated(t.seconds)};
  return kOk;
}

ErrorCode NegateComplex(Value& v, int) {
  v.num.complex = {-v.num.complex.re, -v.num.complex.im};
  return kOk;
}

ErrorCode NegateDate(Value& v, int) {
  v.date.serial = -v.date.serial;
  return kOk;
}

constexpr KindRules<UnaryRule> kNegateRules{
    {
        {ValueKind::Real, NegateNumber},
        {ValueKind::Integer, NegateNumber},
        {ValueKind::Fraction, NegateFractionRule},
        {ValueKind::Time, NegateTime},
        {ValueKind::Complex, NegateComplex},
        {ValueKind::Date, NegateDate},
        {ValueKind::String, StringUnaryRule},
    },
    UnexpectedUnaryRule};

// ---- Addition -------------------------------------------------------------

ErrorCode AddReal(Value& left, const Value& right, int) {
  return RealAdd(left.num.real, right.num.real, left.num.real);
}

ErrorCode AddInteger(Value& left, const Value& right, int) {
  RealAdd(left.num.real, right.num.real, left.num.real);
  if (left.num.real >= kIntegerMax) left.kind = ValueKind::Real;
  return kOk;
}

ErrorCode AddFraction(Value& left, const Value& right, int) {
  return AddFractions(left.num.fraction, right.num.fraction, left.num.fraction);
}

ErrorCode AddTime(Value& left, const Value& right, int) {
  left.num.time = SecondsToTime(TimeToSeconds(left.num.time) + TimeToSeconds(right.num.time));
  return kOk;
}

ErrorCode AddComplex(Value& left, const Value& right, int) {
  const double re = left.num.complex.re + right.num.complex.re;
  const double im = left.num.complex.im + right.num.complex.im;
  if (im == 0.0) {
    left.kind = ValueKind::Real;
    left.num.real = re;
  } else {
    left.num.complex = {re, im};
  }
  return kOk;
}

ErrorCode AddString(Value& left, const Value& right, int) {
  if (const ErrorCode e = CheckTextLength(left.text.size() + right.text.size())) return e;
  left.text += right.text;
  return kOk;
}

// A number brought to a Date is a whole count of days, so date + 1 is the
// next day.
ErrorCode AddDate(Value& left, const Value& right, int) {
  left.date.serial += right.date.serial;
  return kOk;
}

constexpr KindRules<BinaryRule> kAddRules{
    {
        {ValueKind::Real, AddReal},
        {ValueKind::Integer, AddInteger},
        {ValueKind::Fraction, AddFraction},
        {ValueKind::Time, AddTime},
        {ValueKind::Complex, AddComplex},
        {ValueKind::String, AddString},
        {ValueKind::Date, AddDate},
    },
    UnexpectedKindRule};

}  // namespace

ErrorCode NegateOperation(const OperationCall& call) { return RunUnary(call, kNegateRules); }

ErrorCode AddOperation(const OperationCall& call) {
  Value left;
  Value right;
  if (ErrorCode e = PopBinary(call, left, right)) return e;
  // A number that is not finite has no text to be joined to a string.
  if (CommonKind(right, left) == ValueKind::String) {
    if (ErrorCode e = NonFiniteCode(left)) return e;
    if (ErrorCode e = NonFiniteCode(right)) return e;
  }
  const ValueKind kind = UnifyOperands(right, left);
  if (ErrorCode e = kAddRules.For(kind)(left, right, call.extra)) return e;
  return PushResult(call, left);
}

// Subtraction is the sum with the negated right operand, so it shares every
// kind rule of "+" (text - 1 appends "-1"). Only a date minus a date turns
// back into a number of days; the check looks at the operand as it stands on
// the stack, before a variable is resolved.
ErrorCode SubtractOperation(const OperationCall& call) {
  Value right;
  if (ErrorCode e = PopRaw(call, right)) return e;
  const bool rightIsDate = right.kind == ValueKind::Date;
  if (ErrorCode e = PushResult(call, right)) return e;
  if (ErrorCode e = NegateOperation(call)) return e;
  if (ErrorCode e = AddOperation(call)) return e;
  Value result;
  PopRaw(call, result);
  if (result.kind == ValueKind::Date && rightIsDate) ConvertValue(result, ValueKind::Real);
  return PushResult(call, result);
}

}  // namespace vr
