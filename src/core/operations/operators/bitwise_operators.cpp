// "&", "|", "^" and "~" on 32-bit whole numbers.

#include <cstdint>

#include "engine/operator_code.h"
#include "operations/operators/integer_operation.h"
#include "operations/operators/operator_families.h"

namespace vr {
namespace {

double Combine(std::int32_t a, std::int32_t b, int code) {
  switch (code) {
    case kOpBitAnd: return a & b;
    case kOpBitOr: return a | b;
    default: return a ^ b;
  }
}

// The complement is read as an unsigned number: ~0 is 4294967295.
double Complement(std::int32_t a) { return static_cast<double>(~static_cast<std::uint32_t>(a)); }

const char* NameOf(int code) {
  switch (code) {
    case kOpBitAnd: return "AND";
    case kOpBitOr: return "OR";
    default: return "XOR";
  }
}

}  // namespace

ErrorCode BitwiseOperation(const OperationCall& call) {
  return RunIntegerBinary(call, NameOf(call.extra), Combine);
}

ErrorCode BitNotOperation(const OperationCall& call) {
  return RunIntegerUnary(call, "NOT", Complement, /*resolve=*/true);
}

}  // namespace vr
