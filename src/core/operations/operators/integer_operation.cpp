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

// A refusal; only the one for numbers that are not whole names the operation.
ErrorCode Refuse(ErrorCode e, const char* name) {
  return e == kNotForInteger ? FailNamed(e, name) : e;
}

}  // namespace

ErrorCode RunIntegerBinary(const OperationCall& call, const char* name, WholeCombine combine) {
  Value left;
  Value right;
  if (ErrorCode e = PopBinary(call, left, right)) return e;
  const ValueKind kind = UnifyOperands(left, right);
  if (ErrorCode e = kIntegerKinds.For(kind)) return Refuse(e, name);
  double result;
  if (ErrorCode e = RealWholeBinary(left.num.real, right.num.real, combine, call.extra, result)) {
    return Refuse(e, name);
  }
  left.num.real = result;
  return PushResult(call, left);
}

ErrorCode RunIntegerUnary(const OperationCall& call, const char* name, WholeApply apply,
                          bool resolve) {
  Value operand;
  if (ErrorCode e = RequireOperands(call, 1)) return e;
  if (ErrorCode e = resolve ? PopOperand(call, operand) : PopRaw(call, operand)) return e;
  if (ErrorCode e = kIntegerKinds.For(operand.kind)) return Refuse(e, name);
  double result;
  if (ErrorCode e = RealWholeUnary(operand.num.real, apply, result)) return Refuse(e, name);
  operand.num.real = result;
  return PushResult(call, operand);
}

}  // namespace vr
