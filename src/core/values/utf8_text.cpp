#include "values/utf8_text.h"

#include <cstdint>

namespace vr {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Decoded {
  char32_t cp;
  std::size_t length;
  bool valid;
};

// One character of UTF-8, strictly: no overlong forms, no surrogates, nothing
// above U+10FFFF. An invalid or truncated sequence is one stray byte.
Decoded DecodeAt(std::string_view s, std::size_t pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) return {b0, 1, true};
  std::size_t need;
  unsigned char low = 0x80, high = 0xBF;
  char32_t cp;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    need = 2;
    cp = b0 & 0x1Fu;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    need = 3;
    cp = b0 & 0x0Fu;
    if (b0 == 0xE0) low = 0xA0;
    if (b0 == 0xED) high = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    need = 4;
    cp = b0 & 0x07u;
    if (b0 == 0xF0) low = 0x90;
    if (b0 == 0xF4) high = 0x8F;
  } else {
    return {b0, 1, false};
  }
  if (pos + need > s.size()) return {b0, 1, false};
  for (std::size_t k = 1; k < need; ++k) {
    const auto b = static_cast<unsigned char>(s[pos + k]);
    if (b < low || b > high) return {b0, 1, false};
    low = 0x80;
    high = 0xBF;
    cp = (cp << 6) | (b & 0x3Fu);
  }
  return {cp, need, true};
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

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
    const Decoded d = DecodeAt(text, pos);
    if (d.valid) {
      AppendUtf8(out, map(d.cp));
    } else {
      out += text[pos];
    }
    pos += d.length;
  }
  return out;
}

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
    AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : u);
  }
  if (i < bytes.size()) AppendUtf8(out, kReplacement);
  return out;
}

// Text that says it is UTF-8: valid characters are kept, stray bytes become
// the replacement character.
std::string RepairUtf8(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t pos = 0; pos < text.size();) {
    const Decoded d = DecodeAt(text, pos);
    if (d.valid) {
      out.append(text.substr(pos, d.length));
    } else {
      AppendUtf8(out, kReplacement);
    }
    pos += d.length;
  }
  return out;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  return DecodeAt(text, pos).length;
}

std::string Utf8ToLower(std::string_view text) { return MapCase(text, LowerOf); }

std::string Utf8ToUpper(std::string_view text) { return MapCase(text, UpperOf); }

bool Utf8IsLetter(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return false;
  const Decoded d = DecodeAt(text, pos);
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
    const Decoded da = DecodeAt(a, i);
    const Decoded db = DecodeAt(b, j);
    if (da.valid != db.valid) return false;
    if (da.valid ? LowerOf(da.cp) != LowerOf(db.cp) : ca != cb) return false;
    i += da.length;
    j += db.length;
  }
  return i == a.size() && j == b.size();
}

std::string DecodeFileText(std::string_view bytes) {
  if (StartsWith(bytes, "\xFF\xFE")) return FromUtf16(bytes.substr(2), false);
  if (StartsWith(bytes, "\xFE\xFF")) return FromUtf16(bytes.substr(2), true);
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return RepairUtf8(bytes.substr(3));
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return FromCp1251(bytes);
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    if (static_cast<unsigned char>(text[pos]) < 0x80) {
      ++pos;
      continue;
    }
    const Decoded d = DecodeAt(text, pos);
    if (!d.valid) return false;
    pos += d.length;
  }
  return true;
}

}  // namespace vr
