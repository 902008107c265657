// "<<" and ">>" on 32-bit whole numbers.

#include "operations/operators/integer_operation.h"
#include "operations/operators/operator_families.h"

namespace vr {

ErrorCode ShiftOperation(const OperationCall& call) {
  return RunIntegerBinary(call, "shift", ShiftBits);
}

}  // namespace vr
