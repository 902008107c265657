#include "graphs/argument_field.h"

namespace vr {

std::string ArgumentField(std::string_view argument, int index) {
  std::string field;
  int depth = 0;
  int current = 0;
  for (const char c : argument) {
    if (c == ';' && depth == 0) {
      if (current == index) return field;
      ++current;
      continue;
    }
    if (c == '(') ++depth;
    // A stray ")" does not make the depth negative, so a later ";" still
    // separates fields.
    if (c == ')' && depth > 0) --depth;
    if (current == index) field += c;
  }
  return current == index ? field : std::string();
}

}  // namespace vr
