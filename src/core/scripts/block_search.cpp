#include "scripts/block_search.h"

#include "values/utf8_text.h"

namespace vr {

int FindElseOrEndIf(const ScriptStatementList& list, int ifIndex) {
  int depth = 0;
  for (int j = ifIndex + 1; j < list.Count(); ++j) {
    switch (list[j].type) {
      case StatementType::EndFunc:
        return -1;
      case StatementType::Else:
        if (depth == 0) return j + 1;
        break;
      case StatementType::ElIf:
        if (depth == 0) return j;
        break;
      case StatementType::EndIf:
        if (depth == 0) return j + 1;
        --depth;
        break;
      case StatementType::If:
        ++depth;
        break;
      default:
        break;
    }
  }
  return -1;
}

int FindEndIf(const ScriptStatementList& list, int from) {
  int depth = 0;
  for (int j = from + 1; j < list.Count(); ++j) {
    if (list[j].type == StatementType::If) {
      ++depth;
    } else if (list[j].type == StatementType::EndIf) {
      if (depth == 0) return j + 1;
      --depth;
    }
  }
  return -1;
}

int FindLabel(const ScriptStatementList& list, std::string_view name, int gotoIndex) {
  auto matches = [&](int j) {
    return list[j].type == StatementType::Label && EqualsIgnoreCase(list[j].label, name);
  };
  for (int j = gotoIndex - 1; j >= 0 && list[j].type != StatementType::Func; --j) {
    if (matches(j)) return j;
  }
  // A function left without its EndFunc ends at the next Func, so labels of
  // the next function stay out of reach.
  for (int j = gotoIndex; j < list.Count(); ++j) {
    const StatementType type = list[j].type;
    if (type == StatementType::EndFunc || type == StatementType::Func) break;
    if (matches(j)) return j;
  }
  return -1;
}

}  // namespace vr
