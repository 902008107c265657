#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vr {

// The options file keeps the expression window's text on one line: every
// line without its trailing CR, LF and blanks, empty lines left out, each
// followed by "|" unless it is the window's last line. So the lines "1+1",
// "2", "" become "1+1|2|".
std::string JoinExpressionLines(const std::vector<std::string>& lines);

// The window's lines from the stored text: every "|" is a line break, so a
// line that held "|" itself comes back as two lines.
std::vector<std::string> SplitExpressionLines(std::string_view stored);

// The stored text cut before its last `maxLines` lines: `earlier` is the
// stored form of the lines before them (without the "|" that follows it,
// empty when there are none), `last` their text.
struct StoredTail {
  std::string_view earlier;
  std::vector<std::string> last;
};
StoredTail SplitStoredTail(std::string_view stored, std::size_t maxLines);

// The stored form of `earlier` (as SplitStoredTail gives it) followed by the
// lines of the window.
std::string JoinAfterEarlierLines(std::string_view earlier, const std::vector<std::string>& lines);

}  // namespace vr
