#include "settings/option_by_name.h"

#include "files/ascii.h"
#include "settings/options_elements.h"
#include "values/utf8_text.h"
#include "values/value_text.h"

namespace vr {

namespace {

// The next blank-separated word of `text` from `pos`; empty at the end.
std::string_view NextWord(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsSpaceOrTab(text[pos])) ++pos;
  const std::size_t start = pos;
  while (pos < text.size() && !IsSpaceOrTab(text[pos])) ++pos;
  return text.substr(start, pos - start);
}

}  // namespace

bool SetOptionByElementName(OptionsRecord& options, std::string_view key, std::string_view value) {
  if (EqualsIgnoreCase(key, "minized")) {
    if (!value.empty()) options.startMinimized = Atoi(value);
    return true;
  }
  const OptionElement* element = FindOptionElement(key);
  if (element == nullptr) return false;
  switch (element->rule) {
    case ElementRule::Expressions:
    case ElementRule::Vars:
      return false;
    case ElementRule::Geometry: {
      std::size_t pos = 0;
      for (const GeometryAttribute& attribute : element->attributes) {
        const std::string_view word = NextWord(value, pos);
        if (!word.empty()) attribute.field(options) = Atoi(word);
      }
      return true;
    }
    default:
      ApplyElementText(*element, value, options);
      if (element->rule == ElementRule::Precision || element->name == "Format") {
        options.RebuildNumberFormat();
      }
      return true;
  }
}

}  // namespace vr
