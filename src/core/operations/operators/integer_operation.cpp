#include "operations/operators/integer_operation.h"

#include "operations/operands.h"
#include "operations/operators/kind_rules.h"
#include "values/value_conversion.h"

namespace vr {
namespace {

constexpr KindRules<ErrorCode> kIntegerKinds{
    {
        {ValueKind::Real, kOk},
        {ValueKind::Integer, kOk},
        {ValueKind::String, kInvalidStringOperation},
        {ValueKind::Date, kInvalidDateOperation},
    },
    kNotForInteger};

ErrorCode Check(ErrorCode byKind, bool whole, const char* name) {
  const ErrorCode e = byKind == kOk && !whole ? kNotForInteger : byKind;
  return e == kNotForInteger ? FailNamed(e, name) : e;
}

}  // namespace

ErrorCode RunIntegerBinary(const OperationCall& call, const char* name, IntegerCombine combine) {
  Value left;
  Value right;
  if (ErrorCode e = PopBinary(call, left, right)) return e;
  const ValueKind kind = UnifyOperands(left, right);
  const ErrorCode byKind = kIntegerKinds.For(kind);
  const bool whole = byKind == kOk && IsInteger(left.num.real) && IsInteger(right.num.real);
  if (ErrorCode e = Check(byKind, whole, name)) return e;
  left.num.real = combine(Trunc32(left.num.real), Trunc32(right.num.real), call.extra);
  return PushResult(call, left);
}

ErrorCode RunIntegerUnary(const OperationCall& call, const char* name, IntegerApply apply,
                          bool resolve) {
  Value operand;
  if (ErrorCode e = RequireOperands(call, 1)) return e;
  if (ErrorCode e = resolve ? PopOperand(call, operand) : PopRaw(call, operand)) return e;
  const ErrorCode byKind = kIntegerKinds.For(operand.kind);
  const bool whole = byKind == kOk && IsInteger(operand.num.real);
  if (ErrorCode e = Check(byKind, whole, name)) return e;
  operand.num.real = apply(Trunc32(operand.num.real));
  return PushResult(call, operand);
}

}  // namespace vr
