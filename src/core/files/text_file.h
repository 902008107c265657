#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vr {

enum class TextFileStatus {
  Ok,
  Missing,     // no such file
  Unreadable,  // not a regular file, too large, or cannot be opened or read
  NotText,     // holds NUL characters after decoding: a binary file
};

// Reads a whole data file of the program folder (a regular file of at most
// kMaxDataFileBytes, read without blocking) and converts it to UTF-8. `text`
// is filled only when the status is Ok; otherwise `reason` (when given)
// gets a short phrase to end a one-line message.
TextFileStatus ReadTextFile(const std::filesystem::path& path, std::string& text,
                            std::string* reason = nullptr);

// Converts the bytes of a file to UTF-8: UTF-16 with a byte-order mark
// (either order), UTF-8 with or without its mark, or else Windows-1251 when
// the bytes are not valid UTF-8.
std::string DecodeFileText(std::string_view bytes);

// The lines of a text as a text-mode read gives them: split at LF, and the CR
// of a CR LF pair dropped (a "##" comment runs to the end of its line and
// must not keep it).
std::vector<std::string_view> SplitLines(std::string_view text);

// Removes blanks, tabs, CR, LF, VT and FF at both ends.
std::string_view TrimWhiteSpace(std::string_view text);

}  // namespace vr
