// "&&", "||" and the prefix "!" on whole numbers: 1 for true, 0 for false.

#include "engine/operator_code.h"
#include "operations/operators/integer_operation.h"
#include "operations/operators/operator_families.h"

namespace vr {

ErrorCode LogicalOperation(const OperationCall& call) {
  return RunIntegerBinary(call, call.extra == kOpLogicalAnd ? "AND" : "OR", CombineTruths);
}

// "!" takes its operand as it stands: a variable is not looked up, so !x
// fails like any operand that is not a whole number.
ErrorCode LogicalNotOperation(const OperationCall& call) {
  return RunIntegerUnary(call, "NOT", NegateTruth, /*resolve=*/false);
}

}  // namespace vr
