// "<<" and ">>" on 32-bit whole numbers.

#include <cstdint>

#include "operations/operators/integer_operation.h"
#include "operations/operators/operator_families.h"

namespace vr {
namespace {

// The count is taken modulo 32 (a negative count too, so -1 shifts by 31);
// the left shift works on the unsigned bits and reads them back as signed,
// the right shift propagates the sign.
double Shift(std::int32_t value, std::int32_t count, int toRight) {
  const unsigned bits = static_cast<std::uint32_t>(count) & 31u;
  if (toRight) return value >> bits;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) << bits);
}

}  // namespace

ErrorCode ShiftOperation(const OperationCall& call) { return RunIntegerBinary(call, "shift", Shift); }

}  // namespace vr
