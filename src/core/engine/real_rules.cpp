#include "engine/real_rules.h"

#include <cmath>

#include "options/options_record.h"

namespace vr {

namespace {

// 170! is the first factorial beyond the range of a double.
constexpr double kFactorialLimit = 170.0;

}  // namespace

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

bool RadianMode() { return Options().radian != 0; }

// The real formula is tried first; where it has no finite value (acosh
// below 1, cancellation in asinh of a large negative number) the complex
// function answers.
ErrorCode RealInverseHyperbolic(double x, bool sine, double& out) {
  const double y = sine ? std::log(x + std::sqrt(x * x + 1)) : std::log(x + std::sqrt(x * x - 1));
  if (!std::isfinite(y)) return kNotReal;
  out = y;
  return kOk;
}

}  // namespace vr
