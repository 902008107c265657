// "&", "|", "^" and "~" on 32-bit whole numbers.

#include "engine/operator_code.h"
#include "operations/operators/integer_operation.h"
#include "operations/operators/operator_families.h"

namespace vr {
namespace {

const char* NameOf(int code) {
  switch (code) {
    case kOpBitAnd: return "AND";
    case kOpBitOr: return "OR";
    default: return "XOR";
  }
}

}  // namespace

ErrorCode BitwiseOperation(const OperationCall& call) {
  return RunIntegerBinary(call, NameOf(call.extra), CombineBits);
}

ErrorCode BitNotOperation(const OperationCall& call) {
  return RunIntegerUnary(call, "NOT", ComplementBits, /*resolve=*/true);
}

}  // namespace vr
