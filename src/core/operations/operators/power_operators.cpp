// "**" and the postfix factorial "!!".

#include <cmath>
#include <complex>

#include "operations/operands.h"
#include "operations/operators/binary_operation.h"
#include "operations/operators/operator_families.h"
#include "values/value_conversion.h"

namespace vr {
namespace {

bool IsFinite(std::complex<double> z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

// ---- Power ---------------------------------------------------------------------

// Powers go through the logarithm for every exponent, whole or not, so that
// the digits of a result do not depend on whether the exponent is whole.
// A negative base is allowed only with a whole exponent, whose parity gives
// the sign.
ErrorCode PowerReal(Value& left, const Value& right, int) {
  const double base = left.num.real;
  const double exponent = right.num.real;
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
  left.kind = ValueKind::Real;
  left.num.real = result;
  return kOk;
}

// exp(exponent * ln(base)), principal values; each step must stay finite.
ErrorCode PowerComplex(Value& left, const Value& right, int) {
  const std::complex<double> base{left.num.complex.re, left.num.complex.im};
  const std::complex<double> exponent{right.num.complex.re, right.num.complex.im};
  const std::complex<double> logarithm = std::log(base);
  if (!IsFinite(logarithm)) return kFloatingPointOverflow;
  const std::complex<double> product = exponent * logarithm;
  if (!IsFinite(product)) return kFloatingPointOverflow;
  const std::complex<double> result = std::exp(product);
  if (!IsFinite(result)) return kFloatingPointOverflow;
  left.num.complex = {result.real(), result.imag()};
  return kOk;
}

ErrorCode PowerFraction(Value&, const Value&, int) { return FailNamed(kNotForFraction, "power"); }
ErrorCode PowerTime(Value&, const Value&, int) { return FailNamed(kNotForTime, "power"); }

constexpr KindRules<BinaryRule> kPowerRules{
    {
        {ValueKind::Real, PowerReal},
        {ValueKind::Integer, PowerReal},
        {ValueKind::Fraction, PowerFraction},
        {ValueKind::Time, PowerTime},
        {ValueKind::Complex, PowerComplex},
        {ValueKind::String, StringOperandRule},
        {ValueKind::Date, DateOperandRule},
    },
    UnexpectedKindRule};

// ---- Factorial -----------------------------------------------------------------

// 170! is the first factorial beyond the range of a double.
constexpr double kFactorialLimit = 170.0;

ErrorCode FactorialNumber(Value& v, int) {
  const double n = v.num.real;
  if (!IsInteger(n) || n < 0) return kFactorialDomain;
  if (n >= kFactorialLimit) return kFloatingPointOverflow;
  double product = 1.0;
  if (n >= 2) {
    product = 2.0;
    for (double k = n; k >= 3; --k) product *= k;
  }
  v.num.real = product;
  return kOk;
}

ErrorCode FactorialDomainRule(Value&, int) { return kFactorialDomain; }

constexpr KindRules<UnaryRule> kFactorialRules{
    {
        {ValueKind::Real, FactorialNumber},
        {ValueKind::Integer, FactorialNumber},
        {ValueKind::String, StringUnaryRule},
        {ValueKind::Date, DateUnaryRule},
    },
    FactorialDomainRule};

}  // namespace

ErrorCode PowerOperation(const OperationCall& call) {
  return RunBinary(call, KindLeader::Left, kPowerRules);
}

ErrorCode FactorialOperation(const OperationCall& call) { return RunUnary(call, kFactorialRules); }

}  // namespace vr
