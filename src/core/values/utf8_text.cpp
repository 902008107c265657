#include "values/utf8_text.h"

#include <cstdint>

#include "files/utf8_codec.h"

namespace vr {

namespace {

// Case pairs of the Cyrillic block: А-Я/а-я, Ѐ-Џ/ѐ-џ (Ё/ё among them), and
// the historic and national letters that sit in upper/lower pairs.
char32_t LowerOf(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c < 0x400 || c > 0x4FF) return c;
  if (c <= 0x40F) return c + 0x50;
  if (c <= 0x42F) return c + 0x20;
  const bool even = c % 2 == 0;
  if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || c >= 0x4D0) {
    return even ? c + 1 : c;
  }
  if (c == 0x4C0) return 0x4CF;
  if (c >= 0x4C1 && c <= 0x4CE) return even ? c : c + 1;
  return c;
}

char32_t UpperOf(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c < 0x400 || c > 0x4FF) return c;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  const bool odd = c % 2 == 1;
  if ((c >= 0x461 && c <= 0x481) || (c >= 0x48B && c <= 0x4BF) || c >= 0x4D1) {
    return odd ? c - 1 : c;
  }
  if (c == 0x4CF) return 0x4C0;
  if (c >= 0x4C2 && c <= 0x4CE) return odd ? c : c - 1;
  return c;
}

template <typename Map>
std::string MapCase(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const Utf8Char d = DecodeUtf8At(text, pos);
    if (d.valid) {
      AppendUtf8(out, map(d.cp));
    } else {
      out += text[pos];
    }
    pos += d.length;
  }
  return out;
}

}  // namespace

std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  return DecodeUtf8At(text, pos).length;
}

std::string Utf8ToLower(std::string_view text) { return MapCase(text, LowerOf); }

std::string Utf8ToUpper(std::string_view text) { return MapCase(text, UpperOf); }

bool Utf8IsLetter(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return false;
  const Utf8Char d = DecodeUtf8At(text, pos);
  if (!d.valid) return false;
  const char32_t c = d.cp;
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  // U+0482 to U+0489 are signs and combining marks, not letters.
  return (c >= 0x400 && c <= 0x481) || (c >= 0x48A && c <= 0x4FF);
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[j]);
    if (ca < 0x80 && cb < 0x80) {
      if (LowerOf(ca) != LowerOf(cb)) return false;
      ++i;
      ++j;
      continue;
    }
    const Utf8Char da = DecodeUtf8At(a, i);
    const Utf8Char db = DecodeUtf8At(b, j);
    if (da.valid != db.valid) return false;
    if (da.valid ? LowerOf(da.cp) != LowerOf(db.cp) : ca != cb) return false;
    i += da.length;
    j += db.length;
  }
  return i == a.size() && j == b.size();
}

}  // namespace vr
