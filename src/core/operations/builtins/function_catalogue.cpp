#include "operations/builtins/function_catalogue.h"

#include <algorithm>

#include "operations/standard_operations.h"
#include "options/options_record.h"

namespace vr {

const std::vector<FunctionDescription>& FunctionCatalogue() {
  // The rows that have a place in the list, in that order. (The typos in
  // some English texts are the program's established wording; users and
  // help pages refer to them as they stand.)
  static const std::vector<FunctionDescription> rows = [] {
    std::vector<const BuiltinFunction*> listed;
    for (const BuiltinFunction& row : StandardOperations().builtins) {
      if (row.listPosition > 0) listed.push_back(&row);
    }
    std::sort(listed.begin(), listed.end(), [](const BuiltinFunction* a, const BuiltinFunction* b) {
      return a->listPosition < b->listPosition;
    });
    std::vector<FunctionDescription> out;
    for (const BuiltinFunction* row : listed) {
      const std::string_view name = row->listName.empty() ? row->name : row->listName;
      out.push_back({name, row->english, row->russian});
    }
    return out;
  }();
  return rows;
}

std::string_view DescriptionText(const FunctionDescription& row) {
  return Options().english != 0 ? row.english : row.russian;
}

}  // namespace vr
