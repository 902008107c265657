// Multiplication, division and remainder for every kind of value.

#include <cmath>
#include <complex>
#include <cstdint>

#include "engine/real_rules.h"
#include "engine/value_stack.h"
#include "operations/operands.h"
#include "operations/operators/binary_operation.h"
#include "operations/operators/operator_families.h"
#include "values/value_conversion.h"

namespace vr {
namespace {

std::complex<double> AsComplex(const Value& v) { return {v.num.complex.re, v.num.complex.im}; }

// A complex result with no imaginary part at all is an ordinary number.
void StoreComplex(Value& v, std::complex<double> z) {
  if (z.imag() == 0.0) {
    v.kind = ValueKind::Real;
    v.num.real = z.real();
  } else {
    v.num.complex = {z.real(), z.imag()};
  }
}

// ---- Multiplication --------------------------------------------------------

ErrorCode MultiplyReal(Value& left, const Value& right, int) {
  return RealMultiply(left.num.real, right.num.real, left.num.real);
}

ErrorCode MultiplyInteger(Value& left, const Value& right, int) {
  if (ErrorCode e = RealMultiply(left.num.real, right.num.real, left.num.real)) return e;
  if (left.num.real >= kIntegerMax) left.kind = ValueKind::Real;
  return kOk;
}

ErrorCode MultiplyFraction(Value& left, const Value& right, int) {
  return MultiplyFractions(left.num.fraction, right.num.fraction, left.num.fraction);
}

ErrorCode MultiplyTime(Value& left, const Value& right, int) {
  left.num.time = SecondsToTime(TimeToSeconds(left.num.time) * TimeToSeconds(right.num.time));
  return kOk;
}

ErrorCode MultiplyComplex(Value& left, const Value& right, int) {
  StoreComplex(left, AsComplex(left) * AsComplex(right));
  return kOk;
}

constexpr KindRules<BinaryRule> kMultiplyRules{
    {
        {ValueKind::Real, MultiplyReal},
        {ValueKind::Integer, MultiplyInteger},
        {ValueKind::Fraction, MultiplyFraction},
        {ValueKind::Time, MultiplyTime},
        {ValueKind::Complex, MultiplyComplex},
        {ValueKind::String, StringOperandRule},
        {ValueKind::Date, DateOperandRule},
    },
    UnexpectedKindRule};

// ---- Division ----------------------------------------------------------------

ErrorCode DivideReal(Value& left, const Value& right, int) {
  return RealDivide(left.num.real, right.num.real, left.num.real);
}

ErrorCode DivideInteger(Value& left, const Value& right, int) {
  if (ErrorCode e = DivideReal(left, right, 0)) return e;
  if (!IsInteger(left.num.real)) left.kind = ValueKind::Real;
  return kOk;
}

// Two whole numbers divide to a whole number where they can and to a Real
// otherwise; anything with a fractional part divides exactly.
ErrorCode DivideFraction(Value& left, const Value& right, int) {
  const FractionParts& a = left.num.fraction;
  const FractionParts& b = right.num.fraction;
  if (a.numerator != 0 || b.numerator != 0) return DivideFractions(a, b, left.num.fraction);
  if (b.whole == 0) return kDivisionByZero;
  const double q = static_cast<double>(a.whole) / b.whole;
  if (IsInteger(q)) {
    left.num.fraction.whole = Trunc32(q);
  } else {
    left.kind = ValueKind::Real;
    left.num.real = q;
  }
  return kOk;
}

ErrorCode DivideTime(Value& left, const Value& right, int) {
  const double divisor = TimeToSeconds(right.num.time);
  if (divisor == 0.0) return kDivisionByZero;
  const double q = TimeToSeconds(left.num.time) / divisor;
  left.kind = ValueKind::Real;
  left.num.real = q;
  return kOk;
}

ErrorCode DivideComplex(Value& left, const Value& right, int) {
  const std::complex<double> divisor = AsComplex(right);
  if (divisor == 0.0) return kDivisionByZero;
  const std::complex<double> q = AsComplex(left) / divisor;
  if (!std::isfinite(q.real()) || !std::isfinite(q.imag())) return kDivisionByZero;
  StoreComplex(left, q);
  return kOk;
}

constexpr KindRules<BinaryRule> kDivideRules{
    {
        {ValueKind::Real, DivideReal},
        {ValueKind::Integer, DivideInteger},
        {ValueKind::Fraction, DivideFraction},
        {ValueKind::Time, DivideTime},
        {ValueKind::Complex, DivideComplex},
        {ValueKind::String, StringOperandRule},
        {ValueKind::Date, DateOperandRule},
    },
    UnexpectedKindRule};

}  // namespace

ErrorCode MultiplyOperation(const OperationCall& call) {
  Value left;
  const ErrorCode e = EvaluateBinary(call, KindLeader::Right, kMultiplyRules, left);
  // An overflowing product still goes on the stack with its error.
  if (e != kOk && e != kFloatingPointOverflow) return e;
  if (ErrorCode pushed = PushResult(call, left)) return pushed;
  return e;
}

ErrorCode DivideOperation(const OperationCall& call) {
  return RunBinary(call, KindLeader::Left, kDivideRules);
}

// Both operands are rounded to whole numbers whatever their kinds; the
// remainder has the sign of the dividend.
ErrorCode RemainderOperation(const OperationCall& call) {
  Value left;
  Value right;
  if (ErrorCode e = PopBinary(call, left, right)) return e;
  if (ErrorCode e = ConvertValue(left, ValueKind::Real)) return e;
  if (ErrorCode e = ConvertValue(right, ValueKind::Real)) return e;
  double remainder;
  if (ErrorCode e = RealRemainder(left.num.real, right.num.real, remainder)) return e;
  return PushResult(call, Value::MakeReal(remainder));
}

}  // namespace vr
