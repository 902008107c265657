#include "engine/operation.h"

namespace vr {

const BuiltinFunction* OperationTable::FindBuiltin(std::string_view name) const {
  // An empty row has no name, and no identifier is empty.
  if (name.empty()) return nullptr;
  for (const BuiltinFunction& row : builtins) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

}  // namespace vr
