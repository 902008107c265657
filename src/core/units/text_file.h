#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vr {

enum class TextFileStatus {
  Ok,
  Missing,     // no such file
  Unreadable,  // exists, but is a folder or cannot be opened or read
  NotText,     // holds NUL characters after decoding: a binary file
};

// Reads a whole data file of the program folder and converts it to UTF-8
// (UTF-8, UTF-16 with a byte-order mark, or Windows-1251). text is filled
// only when the status is Ok.
TextFileStatus ReadTextFile(const std::filesystem::path& path, std::string& text);

// The lines of a text as a text-mode read gives them: split at LF, and the CR
// of a CR LF pair dropped (a "##" comment runs to the end of its line and
// must not keep it).
std::vector<std::string_view> SplitLines(std::string_view text);

// Removes blanks, tabs, CR, LF, VT and FF at both ends.
std::string_view TrimWhiteSpace(std::string_view text);

}  // namespace vr
