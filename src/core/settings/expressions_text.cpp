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

StoredTail SplitStoredTail(std::string_view stored, std::size_t maxLines) {
  StoredTail tail;
  if (maxLines == 0) {
    tail.earlier = stored;
    return tail;
  }
  // Only the kept lines are looked at: the text may be tens of megabytes.
  std::size_t cut = stored.size();
  std::size_t found = 0;
  while (found < maxLines) {
    const std::size_t bar = cut == 0 ? std::string_view::npos : stored.rfind('|', cut - 1);
    if (bar == std::string_view::npos) {
      cut = std::string_view::npos;
      break;
    }
    cut = bar;
    ++found;
  }
  if (found == maxLines && cut != std::string_view::npos) {
    tail.earlier = stored.substr(0, cut);
    tail.last = SplitExpressionLines(stored.substr(cut + 1));
  } else {
    tail.last = SplitExpressionLines(stored);
  }
  return tail;
}

std::string JoinAfterEarlierLines(std::string_view earlier, const std::vector<std::string>& lines) {
  const std::string joined = JoinExpressionLines(lines);
  if (earlier.empty()) return joined;
  std::string stored;
  stored.reserve(earlier.size() + 1 + joined.size());
  stored += earlier;
  stored += '|';
  stored += joined;
  return stored;
}

}  // namespace vr
