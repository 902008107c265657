// "&&", "||" and the prefix "!" on whole numbers: 1 for true, 0 for false.

#include <cstdint>

#include "engine/operator_code.h"
#include "operations/operators/integer_operation.h"
#include "operations/operators/operator_families.h"

namespace vr {
namespace {

double Combine(std::int32_t a, std::int32_t b, int code) {
  if (code == kOpLogicalAnd) return a != 0 && b != 0 ? 1.0 : 0.0;
  return a != 0 || b != 0 ? 1.0 : 0.0;
}

double Not(std::int32_t a) { return a == 0 ? 1.0 : 0.0; }

}  // namespace

ErrorCode LogicalOperation(const OperationCall& call) {
  return RunIntegerBinary(call, call.extra == kOpLogicalAnd ? "AND" : "OR", Combine);
}

// "!" takes its operand as it stands: a variable is not looked up, so !x
// fails like any operand that is not a whole number.
ErrorCode LogicalNotOperation(const OperationCall& call) {
  return RunIntegerUnary(call, "NOT", Not, /*resolve=*/false);
}

}  // namespace vr
