#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "files/utf8_codec.h"

namespace vr {

// Text is UTF-8 everywhere. Where the calculator steps by one character or
// lower-cases one, Latin and Cyrillic letters both work.

// Length in bytes of the UTF-8 character that starts at text[pos] (1 for a
// stray or truncated byte, so a walk always advances).
std::size_t Utf8CharLength(std::string_view text, std::size_t pos);

// Lower / upper case of Latin (ASCII) and Cyrillic letters; other
// characters, and invalid bytes, are kept as they are.
std::string Utf8ToLower(std::string_view text);
std::string Utf8ToUpper(std::string_view text);

// True when the character at pos is a letter (ASCII or Cyrillic).
bool Utf8IsLetter(std::string_view text, std::size_t pos);

// Compares two names without regard to case.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace vr
