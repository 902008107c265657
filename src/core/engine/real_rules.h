#pragma once

#include <cmath>
#include <compare>
#include <cstdint>

#include "engine/operator_code.h"
#include "values/error_code.h"
#include "values/value_conversion.h"

namespace vr {

// What the operators and the built-in functions compute for Real operands,
// as plain functions of doubles. The operations apply them to their Real
// (and, where the rule is the same, Integer) operands, and the engine's
// numeric program applies the very same functions, so that both ways of
// evaluating a line give the same numbers and the same errors.
//
// Each returns kOk with the result in `out`, an error code, or kNotReal
// when the answer for this operand is not a Real (the square root of a
// negative number is Complex), which the caller then works out its general
// way. On anything but kOk, `out` holds nothing useful, except where a rule
// says otherwise.
inline constexpr ErrorCode kNotReal = static_cast<ErrorCode>(-1);

// ---- Operators ----------------------------------------------------------------

inline ErrorCode RealNegate(double a, double& out) {
  out = -a;
  return kOk;
}

inline ErrorCode RealAdd(double a, double b, double& out) {
  out = a + b;
  return kOk;
}

// "-" is "+" of the negated right operand. The compiler may turn this into
// one subtraction, which differs only in the sign of a NaN result; callers
// that print such a result must take the two steps themselves.
inline ErrorCode RealSubtract(double a, double b, double& out) {
  double negated;
  RealNegate(b, negated);
  return RealAdd(a, negated, out);
}

// A product that is not finite is an overflow; `out` still holds it, because
// the operator pushes it with the error.
inline ErrorCode RealMultiply(double a, double b, double& out) {
  out = a * b;
  return std::isfinite(out) ? kOk : kFloatingPointOverflow;
}

inline ErrorCode RealDivide(double a, double b, double& out) {
  if (b == 0.0) return kDivisionByZero;
  out = a / b;
  return std::isfinite(out) ? kOk : kFloatingPointOverflow;
}

// Both operands rounded half away from zero to 32 bits; the sign of the
// dividend.
inline ErrorCode RealRemainder(double a, double b, double& out) {
  const std::int64_t dividend = Trunc32(RoundHalfAway(a));
  const std::int64_t divisor = Trunc32(RoundHalfAway(b));
  if (divisor == 0) return kDivisionByZero;
  out = static_cast<double>(dividend % divisor);
  return kOk;
}

ErrorCode RealPower(double base, double exponent, double& out);
ErrorCode RealFactorial(double n, double& out);

// Truth values are the Reals 1 and 0.
inline ErrorCode RealEqual(double a, double b, bool notEqual, double& out) {
  out = (a == b) != notEqual ? 1.0 : 0.0;
  return kOk;
}

// `code` is kOpLess, kOpGreater, kOpLessEqual or kOpGreaterEqual. A NaN is
// unordered, so every ordering with it is false.
inline ErrorCode TruthOfOrder(std::partial_ordering order, int code, double& out) {
  bool truth = false;
  switch (code) {
    case kOpLess: truth = order < 0; break;
    case kOpGreater: truth = order > 0; break;
    case kOpLessEqual: truth = order <= 0; break;
    case kOpGreaterEqual: truth = order >= 0; break;
    default: return kErrorInExpression;
  }
  out = truth ? 1.0 : 0.0;
  return kOk;
}

inline ErrorCode RealOrder(double a, double b, int code, double& out) {
  return TruthOfOrder(a <=> b, code, out);
}

// right per cent of left.
inline ErrorCode RealPercentOf(double a, double b, double& out) {
  out = a * b / 100;
  return kOk;
}

// right as a percentage of left.
inline ErrorCode RealPercentRatio(double a, double b, double& out) {
  if (a == 0) return kDivisionByZero;
  out = b / a * 100;
  return std::isfinite(out) ? kOk : kFloatingPointOverflow;
}

// left raised (raise) or lowered by right per cent of itself; 0 stays 0.
inline ErrorCode RealPercentChange(double a, double b, bool raise, double& out) {
  out = 0.0;
  if (a != 0) {
    const double change = a * b / 100;
    out = raise ? a + change : a - change;
  }
  return kOk;
}

// The operators on the bits or the truth of whole numbers: both operands
// must be whole (kNotForInteger otherwise, which the operator reports with
// its own name); they are taken to 32 bits and combined.
using WholeCombine = double (*)(std::int32_t a, std::int32_t b, int variant);
using WholeApply = double (*)(std::int32_t a);

// variant 1 shifts right (propagating the sign), 0 left on the unsigned
// bits; the count is taken modulo 32.
double ShiftBits(std::int32_t value, std::int32_t count, int toRight);
// variant: kOpBitAnd, kOpBitOr or kOpBitXor.
double CombineBits(std::int32_t a, std::int32_t b, int code);
// variant: kOpLogicalAnd or kOpLogicalOr.
double CombineTruths(std::int32_t a, std::int32_t b, int code);
// "~" read back as an unsigned number: ~0 is 4294967295.
double ComplementBits(std::int32_t a);
// "!": 1 for 0, else 0.
double NegateTruth(std::int32_t a);

inline ErrorCode RealWholeBinary(double a, double b, WholeCombine combine, int variant, double& out) {
  if (!IsInteger(a) || !IsInteger(b)) return kNotForInteger;
  out = combine(Trunc32(a), Trunc32(b), variant);
  return kOk;
}

inline ErrorCode RealWholeUnary(double a, WholeApply apply, double& out) {
  if (!IsInteger(a)) return kNotForInteger;
  out = apply(Trunc32(a));
  return kOk;
}

// ---- Built-in functions -----------------------------------------------------------

// Angles of sin, cos and tan go in, and those of asin, acos and atan come
// out, in degrees unless the "Radian" setting is on; read at every call.
double AngleToRadians(double x);
double RadiansToAngle(double x);

ErrorCode RealSineCosine(double x, bool sine, double& out);
ErrorCode RealTangent(double x, double& out);
// Outside [-1, 1] the answer is Complex.
ErrorCode RealArcSineCosine(double x, bool sine, double& out);
ErrorCode RealArcTangent(double x, double& out);
// `index`: kFnSinh, kFnCosh or kFnTanh.
ErrorCode RealHyperbolic(double x, int index, double& out);
// Where the real formula has no finite value the answer is Complex.
ErrorCode RealInverseHyperbolic(double x, bool sine, double& out);
ErrorCode RealInverseHyperbolicTangent(double x, double& out);

// mode 0 rounds half away from zero, 1 up, 2 down.
double RoundByMode(int mode, double x);
// The fractional part with the sign of x: -2.75 gives -0.75.
double FractionalPart(double x);

// A negative number's root is Complex.
ErrorCode RealSquareRoot(double x, double& out);
// A negative number's logarithm is Complex (base e) or refused (base 10);
// 0 is kLogarithmOfZero.
ErrorCode RealLogarithm(double x, bool common, double& out);
ErrorCode RealExponential(double x, double& out);
// 1 when the lowest bit of the 32-bit whole part is set.
double OddTruth(double x);

// min / max: whether `candidate` takes the place of `best` (strictly
// smaller / greater; on a tie the best is kept).
inline bool ReplacesBest(bool min, double best, double candidate) {
  return min ? candidate < best : candidate > best;
}

// iif: a condition is true when its 32-bit whole part is not 0.
inline bool IsTrueCondition(double c) { return Trunc32(c) != 0; }

}  // namespace vr
