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

// Powers go through the logarithm for every exponent, whole or not, so that
// the digits of a result do not depend on whether the exponent is whole.
// A negative base is allowed only with a whole exponent, whose parity gives
// the sign.
inline ErrorCode RealPower(double base, double exponent, double& out) {
  double result;
  if (base >= 0) {
    result = std::exp(std::log(base) * exponent);
  } else {
    double whole;
    if (std::modf(exponent, &whole) != 0.0) return kNegativePowerBase;
    result = std::exp(std::log(-base) * exponent);
    if (std::fmod(std::fabs(whole), 2.0) == 1.0) result = -result;
  }
  if (!std::isfinite(result)) return kFloatingPointOverflow;
  out = result;
  return kOk;
}

// 0 and the whole numbers below 170 (whose factorials fit a double).
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
    case kOpLess:
      truth = order < 0;
      break;
    case kOpGreater:
      truth = order > 0;
      break;
    case kOpLessEqual:
      truth = order <= 0;
      break;
    case kOpGreaterEqual:
      truth = order >= 0;
      break;
    default:
      return kErrorInExpression;
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
// bits, read back as signed; the count is taken modulo 32 (a negative count
// too, so -1 shifts by 31).
inline double ShiftBits(std::int32_t value, std::int32_t count, int toRight) {
  const unsigned bits = static_cast<std::uint32_t>(count) & 31u;
  if (toRight) return value >> bits;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) << bits);
}

// variant: kOpBitAnd, kOpBitOr or kOpBitXor.
inline double CombineBits(std::int32_t a, std::int32_t b, int code) {
  switch (code) {
    case kOpBitAnd:
      return a & b;
    case kOpBitOr:
      return a | b;
    default:
      return a ^ b;
  }
}

// variant: kOpLogicalAnd or kOpLogicalOr.
inline double CombineTruths(std::int32_t a, std::int32_t b, int code) {
  if (code == kOpLogicalAnd) return a != 0 && b != 0 ? 1.0 : 0.0;
  return a != 0 || b != 0 ? 1.0 : 0.0;
}

// "~" read back as an unsigned number: ~0 is 4294967295.
inline double ComplementBits(std::int32_t a) {
  return static_cast<double>(~static_cast<std::uint32_t>(a));
}

// "!": 1 for 0, else 0.
inline double NegateTruth(std::int32_t a) { return a == 0 ? 1.0 : 0.0; }

inline ErrorCode RealWholeBinary(double a, double b, WholeCombine combine, int variant,
                                 double& out) {
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

// The "Radian" setting, which the trigonometric functions read when they
// run: angles of sin, cos and tan go in, and those of asin, acos and atan
// come out, in degrees unless it is on.
bool RadianMode();

inline double AngleToRadians(double x, bool radian) {
  return radian ? x : x * (3.141592653589793 / 180);
}

inline double RadiansToAngle(double x, bool radian) {
  return radian ? x : x * (180 / 3.141592653589793);
}

inline ErrorCode RealSineCosine(double x, bool sine, bool radian, double& out) {
  const double a = AngleToRadians(x, radian);
  out = sine ? std::sin(a) : std::cos(a);
  return kOk;
}

// Only an exact zero cosine is a division by zero: the cosine of a rounded
// pi/2 is not one, so tan(90) in degrees is a huge number rather than an
// error. No double lies closer than about 1e-19 to an odd multiple of pi/2,
// so a tangent below 1e300 proves the cosine is not 0 and spares computing
// it; only a suspect tangent pays for the check.
inline ErrorCode RealTangent(double x, bool radian, double& out) {
  const double a = AngleToRadians(x, radian);
  const double t = std::tan(a);
  if (!(std::fabs(t) < 1e300) && std::cos(a) == 0.0) return kDivisionByZero;
  out = t;
  return kOk;
}

// Outside [-1, 1] the answer is Complex.
inline ErrorCode RealArcSineCosine(double x, bool sine, bool radian, double& out) {
  if (std::fabs(x) > 1) return kNotReal;
  out = RadiansToAngle(sine ? std::asin(x) : std::acos(x), radian);
  return kOk;
}

inline ErrorCode RealArcTangent(double x, bool radian, double& out) {
  out = RadiansToAngle(std::atan(x), radian);
  return kOk;
}

enum HyperbolicFunction : int { kSinh = 0, kCosh = 1, kTanh = 2 };

inline ErrorCode RealHyperbolic(double x, int function, double& out) {
  double y = 0.0;
  switch (function) {
    case kSinh:
      y = std::sinh(x);
      break;
    case kCosh:
      y = std::cosh(x);
      break;
    default:
      y = std::tanh(x);
      break;
  }
  if (std::isinf(y) && !std::isinf(x)) return kFloatingPointOverflow;
  out = y;
  return kOk;
}

// Where the real formula has no finite value the answer is Complex. (Not
// inline: x * x + 1 must not be fused differently in different callers.)
ErrorCode RealInverseHyperbolic(double x, bool sine, double& out);

inline ErrorCode RealInverseHyperbolicTangent(double x, double& out) {
  if (x == 1.0 || x == -1.0) return kFloatingPointOverflow;
  out = 0.5 * std::log((1 + x) / (1 - x));
  return kOk;
}

// mode 0 rounds half away from zero, 1 up, 2 down.
inline double RoundByMode(int mode, double x) {
  switch (mode) {
    case 1:
      return std::ceil(x);
    case 2:
      return std::floor(x);
    default:
      return RoundHalfAway(x);
  }
}

// The fractional part with the sign of x: -2.75 gives -0.75.
inline double FractionalPart(double x) {
  double whole = 0.0;
  return std::modf(x, &whole);
}

// A negative number's root is Complex.
inline ErrorCode RealSquareRoot(double x, double& out) {
  if (x < 0) return kNotReal;
  out = std::sqrt(x);
  return kOk;
}

// A negative number's logarithm is Complex (base e) or refused (base 10);
// 0 is kLogarithmOfZero.
inline ErrorCode RealLogarithm(double x, bool common, double& out) {
  if (x < 0) return kNotReal;
  if (x == 0) return kLogarithmOfZero;
  out = common ? std::log10(x) : std::log(x);
  return kOk;
}

inline ErrorCode RealExponential(double x, double& out) {
  const double y = std::exp(x);
  if (std::isinf(y) && !std::isinf(x)) return kFloatingPointOverflow;
  out = y;
  return kOk;
}

// 1 when the lowest bit of the 32-bit whole part is set.
inline double OddTruth(double x) { return (Trunc32(x) & 1) != 0 ? 1.0 : 0.0; }

// min / max: whether `candidate` takes the place of `best` (strictly
// smaller / greater; on a tie the best is kept).
inline bool ReplacesBest(bool min, double best, double candidate) {
  return min ? candidate < best : candidate > best;
}

// iif: a condition is true when its 32-bit whole part is not 0.
inline bool IsTrueCondition(double c) { return Trunc32(c) != 0; }

inline ErrorCode RealResult(double value, double& out) {
  out = value;
  return kOk;
}

// The Real rules of the built-in functions of one parameter: each rule's
// name and how it works out `r` from `a` (reading `radian`, the angle
// unit, where it says so). A built-in's row names its rule, and the
// numeric program runs it where the row's operation would.
#define VR_FUNCTION_RULES(X)                                                  \
  X(Sine, RealSineCosine(a, true, radian, r))                                 \
  X(Cosine, RealSineCosine(a, false, radian, r))                              \
  X(Tangent, RealTangent(a, radian, r))                                       \
  X(ArcSine, RealArcSineCosine(a, true, radian, r))                           \
  X(ArcCosine, RealArcSineCosine(a, false, radian, r))                        \
  X(ArcTangent, RealArcTangent(a, radian, r))                                 \
  X(HyperbolicSine, RealHyperbolic(a, kSinh, r))                              \
  X(HyperbolicCosine, RealHyperbolic(a, kCosh, r))                            \
  X(HyperbolicTangent, RealHyperbolic(a, kTanh, r))                           \
  X(InverseHyperbolicSine, RealInverseHyperbolic(a, true, r))                 \
  X(InverseHyperbolicCosine, RealInverseHyperbolic(a, false, r))              \
  X(InverseHyperbolicTangent, RealInverseHyperbolicTangent(a, r))             \
  X(RoundNearest, RealResult(RoundByMode(0, a), r))                           \
  X(RoundUp, RealResult(RoundByMode(1, a), r))                                \
  X(RoundDown, RealResult(RoundByMode(2, a), r))                              \
  X(Fraction, RealResult(FractionalPart(a), r))                               \
  X(SquareRoot, RealSquareRoot(a, r))                                         \
  X(Magnitude, RealResult(std::fabs(a), r))                                   \
  X(NaturalLogarithm, RealLogarithm(a, false, r))                             \
  X(CommonLogarithm, RealLogarithm(a, true, r))                               \
  X(Exponential, RealExponential(a, r))                                       \
  X(Oddness, RealResult(OddTruth(a), r))                                      \
  X(Square, RealMultiply(a, a, r))

enum class FunctionRule : std::uint8_t {
  kNone,
#define VR_FUNCTION_RULE_ENUM(name, call) k##name,
  VR_FUNCTION_RULES(VR_FUNCTION_RULE_ENUM)
#undef VR_FUNCTION_RULE_ENUM
};

}  // namespace vr
