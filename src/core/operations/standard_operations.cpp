#include "operations/standard_operations.h"

namespace vr {

const OperationTable& StandardOperations() {
  static const OperationTable table = [] {
    OperationTable t;
    RegisterArithmeticOperators(t);
    RegisterBuiltinFunctions(t);
    return t;
  }();
  return table;
}

}  // namespace vr
