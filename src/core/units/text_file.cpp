#include "units/text_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "values/utf8_text.h"

namespace vr {

TextFileStatus ReadTextFile(const std::filesystem::path& path, std::string& text) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return TextFileStatus::Missing;
  if (ec || std::filesystem::is_directory(status)) return TextFileStatus::Unreadable;

  std::ifstream in(path, std::ios::binary);
  if (!in) return TextFileStatus::Unreadable;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return TextFileStatus::Unreadable;

  std::string decoded = DecodeFileText(bytes);
  if (decoded.find('\0') != std::string::npos) return TextFileStatus::NotText;
  text = std::move(decoded);
  return TextFileStatus::Ok;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::size_t lineEnd = end;
    if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
    lines.push_back(text.substr(start, lineEnd - start));
    start = end + 1;
  }
  return lines;
}

std::string_view TrimWhiteSpace(std::string_view text) {
  constexpr std::string_view kWhite = " \t\r\n\v\f";
  const std::size_t first = text.find_first_not_of(kWhite);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kWhite);
  return text.substr(first, last - first + 1);
}

}  // namespace vr
