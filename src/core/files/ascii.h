#pragma once

namespace vr {

// Character classes and case mappings of plain ASCII. Unlike <cctype> they
// ignore the locale (the window's toolkit switches the process to the
// user's) and take any char, so the bytes of a UTF-8 sequence are simply in
// no class and keep their case.

// The C library's white space: blank, tab, line feed, vertical tab, form
// feed and carriage return.
constexpr bool IsAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Blank and tab only: the white space inside one line.
constexpr bool IsSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool IsAsciiHexDigit(char c) {
  return IsAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

constexpr bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

constexpr char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace vr
