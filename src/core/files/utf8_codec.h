#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vr {

// The UTF-8 coding itself, below everything that reads or compares text.

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct Utf8Char {
  char32_t cp;
  std::size_t length;  // bytes taken; 1 for a stray or truncated byte
  bool valid;
};

// One character of UTF-8 at text[pos] (pos < text.size()), strictly: no
// overlong forms, no surrogates, nothing above U+10FFFF. An invalid or
// truncated sequence is one stray byte, so a walk always advances.
Utf8Char DecodeUtf8At(std::string_view text, std::size_t pos);

void AppendUtf8(std::string& out, char32_t cp);

bool IsValidUtf8(std::string_view text);

}  // namespace vr
