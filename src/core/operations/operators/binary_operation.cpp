#include "operations/operators/binary_operation.h"

#include "operations/operands.h"

namespace vr {

ErrorCode EvaluateBinary(const OperationCall& call, KindLeader leader,
                         const KindRules<BinaryRule>& rules, Value& left) {
  Value right;
  if (ErrorCode e = PopBinary(call, left, right)) return e;
  const ValueKind kind =
      leader == KindLeader::Right ? UnifyOperands(right, left) : UnifyOperands(left, right);
  return rules.For(kind)(left, right, call.extra);
}

ErrorCode RunBinary(const OperationCall& call, KindLeader leader, const KindRules<BinaryRule>& rules) {
  Value left;
  if (ErrorCode e = EvaluateBinary(call, leader, rules, left)) return e;
  return PushResult(call, left);
}

ErrorCode RunUnary(const OperationCall& call, const KindRules<UnaryRule>& rules) {
  Value operand;
  if (ErrorCode e = PopUnary(call, operand)) return e;
  if (ErrorCode e = rules.For(operand.kind)(operand, call.extra)) return e;
  return PushResult(call, operand);
}

}  // namespace vr
