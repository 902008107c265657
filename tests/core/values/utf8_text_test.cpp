#include "values/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vr {
namespace {

using namespace std::string_literals;

TEST(Utf8Case, LatinAndCyrillicBothWays) {
  struct Case {
    const char* upper;
    const char* lower;
  };
  const Case cases[] = {
      {"SIN(X)+ABC_9", "sin(x)+abc_9"},
      {"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", "абвгдежзийклмнопрстуфхцчшщъыьэюя"},
      {"ЁЀЂЃЄЅІЇЈЉЊЋЌЍЎЏ", "ёѐђѓєѕіїјљњћќѝўџ"},
      {"ҐҒӘӨҮӀӁ", "ґғәөүӏӂ"},
      {"ѠҀҊҾӃӍӐӾ", "ѡҁҋҿӄӎӑӿ"},  // the ends of the paired runs
      {"ΦΩ €1҂҉\u0080\u07FF\u0800\uD7FF\U00010000\U0010FFFF", "ΦΩ €1҂҉\u0080\u07FF\u0800\uD7FF\U00010000\U0010FFFF"},
      {"\xFF" "A\xD0" "B", "\xFF" "a\xD0" "b"},  // stray bytes pass untouched
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToLower(c.upper), c.lower) << c.upper;
    EXPECT_EQ(Utf8ToUpper(c.lower), c.upper) << c.lower;
    EXPECT_EQ(Utf8ToUpper(c.upper), c.upper) << c.upper;  // nothing to change twice
    EXPECT_EQ(Utf8ToLower(c.lower), c.lower) << c.lower;
    EXPECT_TRUE(EqualsIgnoreCase(c.upper, c.lower)) << c.upper;
  }
  // Names are compared by whole characters, stray bytes as they stand.
  EXPECT_FALSE(EqualsIgnoreCase("\xFF", "\xFE"));
  EXPECT_FALSE(EqualsIgnoreCase("\xD0", "\xD0\x96"));
  EXPECT_FALSE(EqualsIgnoreCase("\xD0\x96", "\xD0"));
  EXPECT_FALSE(EqualsIgnoreCase("abc", "abcd"));
}

TEST(Utf8Walk, CharLengthLettersAndValidity) {
  struct Case {
    std::string text;
    std::size_t pos, length;
    bool letter;
    bool valid = true;  // the whole text
  };
  const Case cases[] = {
      {"Z", 0, 1, true},
      {"_", 0, 1, false},
      {"xж", 1, 2, true},
      {"ӿ", 0, 2, true},
      {"\xD2\x83", 0, 2, false},  // a combining mark of the Cyrillic block
      {"€", 0, 3, false},
      {"😀", 0, 4, false},
      {"\xD0" "a", 0, 1, false, false},      // no continuation byte
      {"\xC0\x80", 0, 1, false, false},      // overlong
      {"\xED\xA0\x80", 0, 1, false, false},  // surrogate
      {"\xF4\x90\x80\x80", 0, 1, false, false},  // above U+10FFFF
      {"\u0080\u07FF\u0800\uD7FF\uE000\U00010000\U0010FFFF", 0, 2, false},  // the edges of each length
      {"\xC1\xBF", 0, 1, false, false},  {"\xE0\x9F\xBF", 0, 1, false, false},
      {"\xF0\x8F\xBF\xBF", 0, 1, false, false},  {"\xF5\x80\x80\x80", 0, 1, false, false},
      {"\xE2\x82", 0, 1, false, false},  // cut short
      {"abc", 3, 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8CharLength(c.text, c.pos), c.length) << c.text;
    EXPECT_EQ(Utf8IsLetter(c.text, c.pos), c.letter) << c.text;
    EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
  }
}

}  // namespace
}  // namespace vr
