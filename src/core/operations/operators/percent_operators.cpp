// "*%", "/%", "+%" and "-%": per-cent arithmetic on Reals.

#include <cmath>

#include "engine/real_rules.h"
#include "operations/operands.h"
#include "operations/operators/kind_rules.h"
#include "operations/operators/operator_families.h"
#include "values/value_conversion.h"

namespace vr {
namespace {

// Which common kinds the per-cent operators refuse, and the operation name
// their message shows.
struct Refusal {
  ErrorCode code;
  const char* name;  // nullptr: the message has no name
};

constexpr KindRules<Refusal> kPercentOfRefusals{
    {
        {ValueKind::Complex, {kNotForComplex, "percent"}},
        {ValueKind::String, {kInvalidStringOperation, nullptr}},
        {ValueKind::Date, {kInvalidDateOperation, nullptr}},
    },
    {kOk, nullptr}};

constexpr KindRules<Refusal> kRatioRefusals{
    {
        {ValueKind::Complex, {kNotForComplex, "relate"}},
        {ValueKind::String, {kInvalidStringOperation, "relate"}},
        {ValueKind::Date, {kInvalidDateOperation, nullptr}},
    },
    {kOk, nullptr}};

// Pops, resolves and unifies both operands, refuses the kinds of `refusals`
// and hands back both numbers as Reals.
ErrorCode PopPercentOperands(const OperationCall& call, const KindRules<Refusal>& refusals,
                             double& left, double& right) {
  Value a;
  Value b;
  if (ErrorCode e = PopBinary(call, a, b)) return e;
  const Refusal refusal = refusals.For(UnifyOperands(a, b));
  if (refusal.code != kOk) {
    return refusal.name != nullptr ? FailNamed(refusal.code, refusal.name) : refusal.code;
  }
  ConvertValue(a, ValueKind::Real);
  ConvertValue(b, ValueKind::Real);
  left = a.num.real;
  right = b.num.real;
  return kOk;
}

// Any operand reads as a number here; a complex one by its real part.
double AsReal(Value v) {
  if (v.kind == ValueKind::Complex) return v.num.complex.re;
  ConvertValue(v, ValueKind::Real);
  return v.num.real;
}

}  // namespace

// right per cent of left.
ErrorCode PercentOfOperation(const OperationCall& call) {
  double left;
  double right;
  if (ErrorCode e = PopPercentOperands(call, kPercentOfRefusals, left, right)) return e;
  double result;
  RealPercentOf(left, right, result);
  return PushResult(call, Value::MakeReal(result));
}

// right as a percentage of left.
ErrorCode PercentRatioOperation(const OperationCall& call) {
  double left;
  double right;
  if (ErrorCode e = PopPercentOperands(call, kRatioRefusals, left, right)) return e;
  double ratio;
  if (ErrorCode e = RealPercentRatio(left, right, ratio)) return e;
  return PushResult(call, Value::MakeReal(ratio));
}

// left raised (extra 1) or lowered (extra 0) by right per cent of itself.
ErrorCode PercentChangeOperation(const OperationCall& call) {
  Value a;
  Value b;
  if (ErrorCode e = PopBinary(call, a, b)) return e;
  double result;
  RealPercentChange(AsReal(a), AsReal(b), call.extra != 0, result);
  return PushResult(call, Value::MakeReal(result));
}

}  // namespace vr
