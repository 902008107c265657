#include "values/utf8_text.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace vr {
namespace {

TEST(Utf8Case, LatinAndCyrillicBothWays) {
  struct Row {
    const char* upper;
    const char* lower;
  };
  const Row rows[] = {
      {"SIN(X)+ABC_9", "sin(x)+abc_9"},
      {"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", "абвгдежзийклмнопрстуфхцчшщъыьэюя"},
      {"ЁЖИК", "ёжик"},
      {"ЀЂЃЄЅІЇЈЉЊЋЌЍЎЏ", "ѐђѓєѕіїјљњћќѝўџ"},
      {"ҐҒӘӨҮӀӁ", "ґғәөүӏӂ"},
      {"ΦΩ €1", "ΦΩ €1"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(Utf8ToLower(r.upper), r.lower) << r.upper;
    EXPECT_EQ(Utf8ToUpper(r.lower), r.upper) << r.lower;
  }
  // Bytes that are no UTF-8 pass through untouched, and so does what follows.
  EXPECT_EQ(Utf8ToLower("\xFF" "A\xD0" "B\xD0\x96"), "\xFF" "a\xD0" "b\xD0\xB6");
  EXPECT_EQ(Utf8ToUpper("\xC0\xAF" "z"), "\xC0\xAF" "Z");
}

TEST(Utf8Walk, CharLengthAndLetters) {
  struct Row {
    std::string text;
    std::size_t pos;
    std::size_t length;
    bool letter;
    bool valid = true;  // the whole text
  };
  const Row rows[] = {
      {"a", 0, 1, true},
      {"Z", 0, 1, true},
      {"_", 0, 1, false},
      {"7", 0, 1, false},
      {"xж", 1, 2, true},
      {"Ё", 0, 2, true},
      {"ӿ", 0, 2, true},
      {"\xD2\x83", 0, 2, false},  // a combining mark of the Cyrillic block
      {"€", 0, 3, false},
      {"😀", 0, 4, false},
      {"\xD0", 0, 1, false, false},          // truncated
      {"\xD0" "a", 0, 1, false, false},      // no continuation byte
      {"\xC0\x80", 0, 1, false, false},      // overlong
      {"\xE0\x80\x80", 0, 1, false, false},  // overlong
      {"\xED\xA0\x80", 0, 1, false, false},  // surrogate
      {"\xF4\x90\x80\x80", 0, 1, false, false},  // above U+10FFFF
      {"\x80", 0, 1, false, false},
      {"abc", 3, 0, false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(Utf8CharLength(r.text, r.pos), r.length) << r.text;
    EXPECT_EQ(Utf8IsLetter(r.text, r.pos), r.letter) << r.text;
    EXPECT_EQ(IsValidUtf8(r.text), r.valid) << r.text;
  }
}

TEST(Utf8Compare, EqualsIgnoreCase) {
  struct Row {
    const char* a;
    const char* b;
    bool equal;
  };
  const Row rows[] = {
      {"Pi", "pI", true},       {"ПРИВЕТ", "привет", true}, {"ё", "Ё", true},
      {"е", "ё", false},        {"abc", "abcd", false},     {"", "", true},
      {"x1", "X1", true},       {"\xFF", "\xFF", true},     {"\xFF", "\xFE", false},
      {"\xD0", "\xD0\x96", false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(EqualsIgnoreCase(r.a, r.b), r.equal) << r.a << " / " << r.b;
    EXPECT_EQ(EqualsIgnoreCase(r.b, r.a), r.equal) << r.b << " / " << r.a;
  }
}

TEST(DecodeFileText, ByteOrderMarksAndCodePages) {
  using namespace std::string_literals;
  struct Row {
    std::string bytes;
    std::string text;
  };
  const Row rows[] = {
      {"x = 1\r\n", "x = 1\r\n"},
      {"\xEF\xBB\xBF" "a\xD0\x96", "a\xD0\x96"},
      {"\xEF\xBB\xBF" "a\xFF", "a\xEF\xBF\xBD"},
      {"\xFF\xFE" "A\0\x16\x04"s, "A\xD0\x96"},
      {"\xFE\xFF" "\0A\x04\x16"s, "A\xD0\x96"},
      {"\xFF\xFE" "\x3D\xD8\x00\xDE"s, "😀"},
      {"\xFF\xFE" "\x3D\xD8" "A\0"s, "\xEF\xBF\xBD" "A"},
      {"\xFF\xFE" "A\0B"s, "A\xEF\xBF\xBD"},
      {"\xFF\xFE", ""},
      {"\xCF\xF0\xE8\xE2\xE5\xF2", "Привет"},
      {"\xA8\xB8\xB9 \x88", "Ёё№ €"},
      {"\xC0\x80", "АЂ"},
  };
  for (const Row& r : rows) EXPECT_EQ(DecodeFileText(r.bytes), r.text) << r.bytes;
}

// Every byte of Windows-1251 against the C library's own converter.
TEST(DecodeFileText, Windows1251MatchesIconv) {
  iconv_t cd = iconv_open("UTF-8", "CP1251");
  if (cd == reinterpret_cast<iconv_t>(-1)) GTEST_SKIP() << "iconv has no CP1251";
  for (int b = 0x80; b <= 0xFF; ++b) {
    if (b == 0x98) continue;  // no character there
    char in[2] = {static_cast<char>(b), 'x'};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    ASSERT_NE(iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<std::size_t>(-1)) << b;
    // A lone high byte is no valid UTF-8, so it is decoded as Windows-1251.
    EXPECT_EQ(DecodeFileText(std::string(in, 2)), std::string(out, outPtr) + "x") << b;
  }
  iconv_close(cd);
}

}  // namespace
}  // namespace vr
