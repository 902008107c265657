#include "files/text_file.h"

#include "files/utf8_codec.h"
#include "files/whole_file.h"

namespace vr {

namespace {

// Windows-1251 from 0x80 to 0xBF; 0xC0 to 0xFF are А to я in order. 0x98 has
// no character and is kept as the control code of the same number.
constexpr char16_t kCp1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

std::string FromCp1251(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else if (b < 0xC0) {
      AppendUtf8(out, kCp1251High[b - 0x80]);
    } else {
      AppendUtf8(out, 0x410 + (b - 0xC0));
    }
  }
  return out;
}

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (char32_t{a} << 8 | b) : (char32_t{b} << 8 | a);
  };
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char32_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t next = unit(i + 2);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (next - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? kReplacementCharacter : u);
  }
  if (i < bytes.size()) AppendUtf8(out, kReplacementCharacter);
  return out;
}

// Text that says it is UTF-8: valid characters are kept, stray bytes become
// the replacement character.
std::string RepairUtf8(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t pos = 0; pos < text.size();) {
    const Utf8Char d = DecodeUtf8At(text, pos);
    if (d.valid) {
      out.append(text.substr(pos, d.length));
    } else {
      AppendUtf8(out, kReplacementCharacter);
    }
    pos += d.length;
  }
  return out;
}

}  // namespace

TextFileStatus ReadTextFile(const std::filesystem::path& path, std::string& text,
                            std::string* reason) {
  std::string bytes;
  std::string why;
  switch (ReadWholeFile(path, kMaxDataFileBytes, bytes, why)) {
    case WholeFileStatus::Missing:
      if (reason != nullptr) *reason = "no such file";
      return TextFileStatus::Missing;
    case WholeFileStatus::Failed:
      if (reason != nullptr) *reason = std::move(why);
      return TextFileStatus::Unreadable;
    case WholeFileStatus::Read:
      break;
  }
  std::string decoded = DecodeFileText(bytes);
  if (decoded.find('\0') != std::string::npos) {
    if (reason != nullptr) *reason = "not a text file";
    return TextFileStatus::NotText;
  }
  text = std::move(decoded);
  return TextFileStatus::Ok;
}

std::string DecodeFileText(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return FromUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return FromUtf16(bytes.substr(2), true);
  if (bytes.starts_with("\xEF\xBB\xBF")) return RepairUtf8(bytes.substr(3));
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return FromCp1251(bytes);
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
