#include "settings/expressions_text.h"

namespace vr {

std::string JoinExpressionLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' ')) {
      line.remove_suffix(1);
    }
    if (line.empty()) continue;
    joined += line;
    if (i + 1 < lines.size()) joined += '|';
  }
  return joined;
}

std::vector<std::string> SplitExpressionLines(std::string_view stored) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t bar = stored.find('|', start);
    if (bar == std::string_view::npos) {
      lines.emplace_back(stored.substr(start));
      return lines;
    }
    lines.emplace_back(stored.substr(start, bar - start));
    start = bar + 1;
  }
}

}  // namespace vr
