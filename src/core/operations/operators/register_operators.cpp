// The operator entries of the operation table.

#include "engine/operator_code.h"
#include "operations/operators/operator_families.h"
#include "operations/standard_operations.h"

namespace vr {

void RegisterArithmeticOperators(OperationTable& table) {
  // On Real operands every operator but the assignment computes just its
  // Real rule (engine/real_rules.h).
  auto set = [&table](int code, Operation run, int extra = 0) {
    table.operators[static_cast<std::size_t>(code)] = {run, extra, code != kOpAssign};
  };
  set(kOpUnaryMinus, NegateOperation);
  set(kOpAdd, AddOperation);
  set(kOpSubtract, SubtractOperation);
  set(kOpMultiply, MultiplyOperation);
  set(kOpDivide, DivideOperation);
  set(kOpRemainder, RemainderOperation);
  set(kOpFactorial, FactorialOperation);
  set(kOpPower, PowerOperation);
  set(kOpEqual, EqualityOperation, 0);
  set(kOpNotEqual, EqualityOperation, 1);
  for (int code : {kOpLess, kOpGreater, kOpLessEqual, kOpGreaterEqual}) {
    set(code, OrderingOperation, code);
  }
  set(kOpAssign, AssignOperation);
  set(kOpShiftLeft, ShiftOperation, 0);
  set(kOpShiftRight, ShiftOperation, 1);
  set(kOpBitNot, BitNotOperation);
  for (int code : {kOpBitAnd, kOpBitOr, kOpBitXor}) set(code, BitwiseOperation, code);
  set(kOpLogicalNot, LogicalNotOperation);
  for (int code : {kOpLogicalAnd, kOpLogicalOr}) set(code, LogicalOperation, code);
  set(kOpPercentOf, PercentOfOperation);
  set(kOpPercentRatio, PercentRatioOperation);
  set(kOpPercentAdd, PercentChangeOperation, 1);
  set(kOpPercentSub, PercentChangeOperation, 0);
}

const OperationTable& OperatorTable() {
  static const OperationTable table = [] {
    OperationTable t;
    RegisterArithmeticOperators(t);
    return t;
  }();
  return table;
}

}  // namespace vr
