#include "engine/real_rules.h"

#include <cmath>

#include "engine/builtin_names.h"
#include "settings/options_record.h"

namespace vr {

namespace {

constexpr double kPi = 3.141592653589793;

// 170! is the first factorial beyond the range of a double.
constexpr double kFactorialLimit = 170.0;

// Beyond this magnitude a tangent could come from an argument whose cosine
// is exactly 0, which is a division by zero rather than a number.
constexpr double kTangentSuspect = 1e300;

}  // namespace

// Powers go through the logarithm for every exponent, whole or not, so that
// the digits of a result do not depend on whether the exponent is whole.
// A negative base is allowed only with a whole exponent, whose parity gives
// the sign.
ErrorCode RealPower(double base, double exponent, double& out) {
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

ErrorCode RealFactorial(double n, double& out) {
  if (!IsInteger(n) || n < 0) return kFactorialDomain;
  if (n >= kFactorialLimit) return kFloatingPointOverflow;
  double product = 1.0;
  if (n >= 2) {
    product = 2.0;
    for (double k = n; k >= 3; --k) product *= k;
  }
  out = product;
  return kOk;
}

// The count is taken modulo 32 (a negative count too, so -1 shifts by 31);
// the left shift works on the unsigned bits and reads them back as signed,
// the right shift propagates the sign.
double ShiftBits(std::int32_t value, std::int32_t count, int toRight) {
  const unsigned bits = static_cast<std::uint32_t>(count) & 31u;
  if (toRight) return value >> bits;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) << bits);
}

double CombineBits(std::int32_t a, std::int32_t b, int code) {
  switch (code) {
    case kOpBitAnd: return a & b;
    case kOpBitOr: return a | b;
    default: return a ^ b;
  }
}

double CombineTruths(std::int32_t a, std::int32_t b, int code) {
  if (code == kOpLogicalAnd) return a != 0 && b != 0 ? 1.0 : 0.0;
  return a != 0 || b != 0 ? 1.0 : 0.0;
}

double ComplementBits(std::int32_t a) { return static_cast<double>(~static_cast<std::uint32_t>(a)); }

double NegateTruth(std::int32_t a) { return a == 0 ? 1.0 : 0.0; }

double AngleToRadians(double x) { return Options().radian != 0 ? x : x * (kPi / 180); }

double RadiansToAngle(double x) { return Options().radian != 0 ? x : x * (180 / kPi); }

ErrorCode RealSineCosine(double x, bool sine, double& out) {
  const double a = AngleToRadians(x);
  out = sine ? std::sin(a) : std::cos(a);
  return kOk;
}

// Only an exact zero cosine is a division by zero: the cosine of a rounded
// pi/2 is not one, so tan(90) in degrees is a huge number rather than an
// error. No double lies closer than about 1e-19 to an odd multiple of pi/2,
// so a tangent below 1e300 proves the cosine is not 0 and spares computing
// it; only a suspect tangent pays for the check.
ErrorCode RealTangent(double x, double& out) {
  const double a = AngleToRadians(x);
  const double t = std::tan(a);
  if (!(std::fabs(t) < kTangentSuspect) && std::cos(a) == 0.0) return kDivisionByZero;
  out = t;
  return kOk;
}

ErrorCode RealArcSineCosine(double x, bool sine, double& out) {
  if (std::fabs(x) > 1) return kNotReal;
  out = RadiansToAngle(sine ? std::asin(x) : std::acos(x));
  return kOk;
}

ErrorCode RealArcTangent(double x, double& out) {
  out = RadiansToAngle(std::atan(x));
  return kOk;
}

ErrorCode RealHyperbolic(double x, int index, double& out) {
  double y = 0.0;
  switch (index) {
    case kFnSinh: y = std::sinh(x); break;
    case kFnCosh: y = std::cosh(x); break;
    default: y = std::tanh(x); break;
  }
  if (std::isinf(y) && !std::isinf(x)) return kFloatingPointOverflow;
  out = y;
  return kOk;
}

// The real formula is tried first; where it has no finite value (acosh
// below 1, cancellation in asinh of a large negative number) the complex
// function answers.
ErrorCode RealInverseHyperbolic(double x, bool sine, double& out) {
  const double y = sine ? std::log(x + std::sqrt(x * x + 1)) : std::log(x + std::sqrt(x * x - 1));
  if (!std::isfinite(y)) return kNotReal;
  out = y;
  return kOk;
}

ErrorCode RealInverseHyperbolicTangent(double x, double& out) {
  if (x == 1.0 || x == -1.0) return kFloatingPointOverflow;
  out = 0.5 * std::log((1 + x) / (1 - x));
  return kOk;
}

double RoundByMode(int mode, double x) {
  switch (mode) {
    case 1: return std::ceil(x);
    case 2: return std::floor(x);
    default: return RoundHalfAway(x);
  }
}

double FractionalPart(double x) {
  double whole = 0.0;
  return std::modf(x, &whole);
}

ErrorCode RealSquareRoot(double x, double& out) {
  if (x < 0) return kNotReal;
  out = std::sqrt(x);
  return kOk;
}

ErrorCode RealLogarithm(double x, bool common, double& out) {
  if (x < 0) return kNotReal;
  if (x == 0) return kLogarithmOfZero;
  out = common ? std::log10(x) : std::log(x);
  return kOk;
}

ErrorCode RealExponential(double x, double& out) {
  const double y = std::exp(x);
  if (std::isinf(y) && !std::isinf(x)) return kFloatingPointOverflow;
  out = y;
  return kOk;
}

double OddTruth(double x) { return (Trunc32(x) & 1) != 0 ? 1.0 : 0.0; }

}  // namespace vr
