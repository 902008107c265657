#include "files/text_field.h"

namespace vr {

std::string TextField(std::string_view text, int n, std::string_view separators) {
  if (n < 1) return {};
  std::size_t start = 0;
  for (int field = 1; field < n; ++field) {
    const std::size_t end = text.find_first_of(separators, start);
    if (end == std::string_view::npos) return {};
    start = end + 1;
  }
  const std::size_t end = text.find_first_of(separators, start);
  return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

}  // namespace vr
