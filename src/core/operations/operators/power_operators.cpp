// "**" and the postfix factorial "!!".

#include <cmath>
#include <complex>

#include "engine/real_rules.h"
#include "operations/operands.h"
#include "operations/operators/binary_operation.h"
#include "operations/operators/operator_families.h"
#include "values/value_conversion.h"

namespace vr {
namespace {

bool IsFinite(std::complex<double> z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

// ---- Power ---------------------------------------------------------------------

// Whole numbers too: their powers are Reals.
ErrorCode PowerReal(Value& left, const Value& right, int) {
  double result;
  if (ErrorCode e = RealPower(left.num.real, right.num.real, result)) return e;
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

ErrorCode FactorialNumber(Value& v, int) { return RealFactorial(v.num.real, v.num.real); }

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
