#include "values/value_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <system_error>

#include "files/ascii.h"
#include "options/options_record.h"
#include "values/c_locale_scope.h"
#include "values/utf8_text.h"
#include "values/value_conversion.h"

namespace vr {

namespace {

constexpr const char* kFallbackNumberFormat = "%.15g";

// True for a printf pattern that takes exactly one double: plain text, "%%",
// and one conversion with flags, width and precision but no '*'. Anything
// else would read arguments that are not there.
bool IsDoublePattern(std::string_view pattern) {
  int conversions = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%') continue;
    if (++i < pattern.size() && pattern[i] == '%') continue;
    while (i < pattern.size() && std::string_view("-+ #0").find(pattern[i]) != std::string_view::npos) ++i;
    int digits = 0;
    while (i < pattern.size() && IsAsciiDigit(pattern[i]) && ++digits <= 3) ++i;
    if (i < pattern.size() && pattern[i] == '.') {
      ++i;
      digits = 0;
      while (i < pattern.size() && IsAsciiDigit(pattern[i]) && ++digits <= 3) ++i;
    }
    if (i < pattern.size() && pattern[i] == 'l') ++i;
    if (i >= pattern.size() || std::string_view("eEfFgGaA").find(pattern[i]) == std::string_view::npos) {
      return false;
    }
    ++conversions;
  }
  return conversions == 1;
}

// The pattern comes from the options record; it is checked once per change
// rather than per number.
const char* SafeNumberFormat() {
  thread_local std::string checked;
  thread_local bool valid = false;
  const std::string& current = Options().numberFormat;
  if (current != checked) {
    checked = current;
    valid = IsDoublePattern(checked);
  }
  return valid ? checked.c_str() : kFallbackNumberFormat;
}


// "a<sep>b<sep>c" gives a, b, c; "a<sep>b" (or a lone "a") gives 0, a, b.
void SplitTriple(std::string_view text, char sep, std::int32_t out[3]) {
  const std::size_t first = text.find(sep);
  const std::string_view head = text.substr(0, first);
  const std::string_view rest =
      first == std::string_view::npos ? std::string_view{} : text.substr(first + 1);
  const std::size_t second = rest.find(sep);
  if (second == std::string_view::npos) {
    out[0] = 0;
    out[1] = Atoi(head);
    out[2] = Atoi(rest);
  } else {
    out[0] = Atoi(head);
    out[1] = Atoi(rest.substr(0, second));
    out[2] = Atoi(rest.substr(second + 1));
  }
}

// strtol on a view: white space, a sign, for base 16 (or 0) an optional
// 0x, then digits. The magnitude saturates at `positiveLimit` (one more for a
// negative number); the result is the signed magnitude.
std::int64_t ParseLong(std::string_view text, int base, std::uint64_t positiveLimit) {
  if (base < 0 || base == 1 || base > 36) return 0;
  std::size_t i = 0;
  while (i < text.size() && IsAsciiSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const bool hexPrefix = i + 2 < text.size() && text[i] == '0' &&
                         (text[i + 1] == 'x' || text[i + 1] == 'X') && IsAsciiHexDigit(text[i + 2]);
  if ((base == 16 || base == 0) && hexPrefix) {
    base = 16;
    i += 2;
  } else if (base == 0) {
    base = i < text.size() && text[i] == '0' ? 8 : 10;
  }
  // For an unsigned type from_chars reads no sign, so "+-5" gives 0, and with
  // no digit at all it leaves the 0 as it is.
  std::uint64_t magnitude = 0;
  const char* end = text.data() + text.size();
  if (std::from_chars(text.data() + i, end, magnitude, base).ec == std::errc::result_out_of_range) {
    magnitude = UINT64_MAX;
  }
  magnitude = std::min(magnitude, negative ? positiveLimit + 1 : positiveLimit);
  if (!negative) return static_cast<std::int64_t>(magnitude);
  return magnitude == std::uint64_t{INT64_MAX} + 1 ? INT64_MIN
                                                   : -static_cast<std::int64_t>(magnitude);
}

bool IsAllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (!IsAsciiDigit(c)) return false;
  }
  return true;
}

// The piece of a digits-only date text, empty past its end.
std::int32_t Piece(std::string_view text, std::size_t pos, std::size_t len = std::string_view::npos) {
  if (pos >= text.size()) return 0;
  return Atoi(text.substr(pos, len));
}

bool IsOneOf(const std::string& word, std::initializer_list<std::string_view> words) {
  for (const std::string_view w : words) {
    if (word == w) return true;
  }
  return false;
}

struct Ymd {
  std::int32_t year, month, day;
};

// A text of digits only, cut by its length into day, month and year in the
// order of the date format.
void CutDigits(std::string_view s, int dateFormat, Ymd& d) {
  const std::size_t n = s.size();
  if (n < 3) {
    d.day = Piece(s, 0);
    return;
  }
  if (dateFormat == 0) {
    if (n == 3) {
      d.day = Piece(s, 0, 1), d.month = Piece(s, 1, 2);
    } else if (n == 4) {
      d.day = Piece(s, 0, 2), d.month = Piece(s, 2, 2);
    } else if (n == 7) {
      d.day = Piece(s, 0, 1), d.month = Piece(s, 1, 2), d.year = Piece(s, 3);
    } else {
      d.day = Piece(s, 0, 2), d.month = Piece(s, 2, 2), d.year = Piece(s, 4, n == 6 ? 2 : 4);
    }
    return;
  }
  if (n == 3) {
    d.month = Piece(s, 0, 2), d.day = Piece(s, 2, 1);
  } else if (n == 4) {
    d.month = Piece(s, 0, 2), d.day = Piece(s, 2, 2);
  } else if (dateFormat == 1) {
    if (n == 6) {
      d.year = Piece(s, 0, 2), d.month = Piece(s, 2, 2), d.day = Piece(s, 4);
    } else if (n == 7) {
      d.year = Piece(s, 0, 4), d.month = Piece(s, 4, 2), d.day = Piece(s, 6);
    } else {
      d.year = Piece(s, 0, 4), d.month = Piece(s, 4, 2), d.day = Piece(s, 6, 2);
    }
  } else if (n == 7) {
    d.month = Piece(s, 0, 2), d.day = Piece(s, 2, 1), d.year = Piece(s, 3);
  } else {
    d.month = Piece(s, 0, 2), d.day = Piece(s, 2, 2), d.year = Piece(s, 4);
  }
}

// Up to three runs of digits, whatever separates them.
void ReadDigitGroups(std::string_view s, int dateFormat, Ymd& d) {
  std::int32_t groups[3];
  int count = 0;
  std::size_t i = 0;
  while (count < 3) {
    while (i < s.size() && !IsAsciiDigit(s[i])) ++i;
    if (i == s.size()) break;
    const std::size_t start = i;
    while (i < s.size() && IsAsciiDigit(s[i])) ++i;
    groups[count++] = Atoi(s.substr(start, i - start));
  }
  if (count == 1) {
    d.day = groups[0];
  } else if (count == 2) {
    if (dateFormat == 0) {
      d.day = groups[0], d.month = groups[1];
    } else {
      d.month = groups[0], d.day = groups[1];
    }
  } else if (count == 3) {
    if (dateFormat == 0) {
      d.day = groups[0], d.month = groups[1], d.year = groups[2];
    } else if (dateFormat == 1) {
      d.year = groups[0], d.month = groups[1], d.day = groups[2];
    } else {
      d.month = groups[0], d.day = groups[1], d.year = groups[2];
    }
  }
}

}  // namespace

std::string FormatTriple(char sep, std::int32_t a, std::int32_t b, std::int32_t c) {
  std::string out;
  if (a != 0) {
    out = std::to_string(a);
    out += sep;
  }
  out += std::to_string(b);
  out += sep;
  out += std::to_string(c);
  return out;
}

std::string FormatNumber(double x) {
  const char* pattern = SafeNumberFormat();
  char buffer[64];
  int length;
  {
    const CLocaleScope cLocale;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    length = std::snprintf(buffer, sizeof buffer, pattern, x);
    if (length >= static_cast<int>(sizeof buffer)) {
      std::string big(static_cast<std::size_t>(length) + 1, '\0');
      std::snprintf(big.data(), big.size(), pattern, x);
      big.resize(static_cast<std::size_t>(length));
      return big;
    }
#pragma GCC diagnostic pop
  }
  if (length < 0) return std::string();
  return std::string(buffer, static_cast<std::size_t>(length));
}

std::string FormatValue(const Value& v) {
  switch (v.kind) {
    case ValueKind::Real:
    case ValueKind::Integer:
      return FormatNumber(v.num.real);
    case ValueKind::Fraction:
      return FormatTriple('\\', v.num.fraction.whole, v.num.fraction.numerator,
                          v.num.fraction.denominator);
    case ValueKind::Time:
      return FormatTriple(':', v.num.time.hours, v.num.time.minutes, v.num.time.seconds);
    case ValueKind::Complex: {
      std::string out = FormatNumber(v.num.complex.re);
      out += v.num.complex.im >= 0 ? "+i" : "-i";
      out += FormatNumber(std::fabs(v.num.complex.im));
      return out;
    }
    case ValueKind::String: {
      const char quote = v.text.find('\'') == std::string::npos ? '\'' : '"';
      std::string out;
      out.reserve(v.text.size() + 2);
      out += quote;
      out += v.text;
      out += quote;
      return out;
    }
    case ValueKind::Date:
      return "#" + FormatDate(v.date, Options().dateFormat) + "#";
    default:
      return std::string();
  }
}

std::string FormatInBase(double x, int radix) {
  if (radix < 2 || radix > 16) return std::string();
  // The low 32 bits of the whole number: -1 shows as ffffffff, and results of
  // ~ (unsigned 32-bit values kept as doubles) show their own bits.
  double wrapped = std::fmod(std::trunc(x), 4294967296.0);
  if (std::isnan(wrapped)) wrapped = 0;
  if (wrapped < 0) wrapped += 4294967296.0;
  // to_chars writes lower-case digits without sign or padding: 32 binary
  // digits at most.
  char buffer[32];
  const auto n = static_cast<std::uint32_t>(wrapped);
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, n, radix).ptr);
}

std::string FormatDate(const DayDate& date, int dateFormat) {
  int a, b, c;
  const char* pattern = "%02d.%02d.%04d";
  switch (dateFormat) {
    case 0:
      a = date.Day(), b = date.Month(), c = date.Year();
      break;
    case 1:
      pattern = "%04d.%02d.%02d";
      a = date.Year(), b = date.Month(), c = date.Day();
      break;
    case 2:
      a = date.Month(), b = date.Day(), c = date.Year();
      break;
    default:
      return std::string();
  }
  char buffer[48];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  const int length = std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
#pragma GCC diagnostic pop
  return std::string(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

Value ParseFraction(std::string_view text) {
  std::int32_t parts[3];
  SplitTriple(text, '\\', parts);
  return Value::MakeFraction(parts[0], parts[1], parts[2]);
}

Value ParseTime(std::string_view text) {
  std::int32_t parts[3];
  SplitTriple(text, ':', parts);
  return Value::MakeTime(parts[0], parts[1], parts[2]);
}

// The sign is set aside first so that only a sign directly before the letter
// i splits.
Value ParseComplex(std::string_view text) {
  std::string real;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    real += text[0];
    text.remove_prefix(1);
  }
  std::size_t split = std::string_view::npos;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if ((text[i] == '+' || text[i] == '-') && text[i + 1] == 'i') {
      split = i;
      break;
    }
  }
  if (split == std::string_view::npos) {
    real += text;
    return Value::MakeComplex(Atof(real), 0.0);
  }
  real += text.substr(0, split);
  double im = Atof(text.substr(split + 2));
  if (text[split] == '-') im = -im;
  return Value::MakeComplex(Atof(real), im);
}


DayDate ParseDate(std::string_view text, int dateFormat) {
  const DayDate now = CurrentLocalDateTime();
  const std::string word = Utf8ToLower(text);
  if (IsOneOf(word, {"now", "today", "сегодня", "с", "n"})) return now;
  if (IsOneOf(word, {"tomorrow", "t", "завтра", "з"})) return now.AddDays(1);
  if (IsOneOf(word, {"yesterday", "y", "вчера", "в"})) return now.AddDays(-1);

  Ymd d{now.Year(), now.Month(), now.Day()};
  if (IsAllDigits(word)) {
    CutDigits(word, dateFormat, d);
  } else {
    ReadDigitGroups(word, dateFormat, d);
  }
  // No century completion: a two-digit year stays in the second century.
  if (d.year < 101) d.year = 101;
  if (d.month < 1) d.month = 1;
  if (d.month > 12) d.month = 12;
  if (d.day < 1) d.day = 1;
  const int last = DaysInMonth(d.year, d.month);
  if (d.day > last) d.day = last;
  return DayDate::FromYmd(d.year, d.month, d.day);
}

double Atof(std::string_view text) {
  char small[128];
  std::string large;
  const char* cText;
  if (text.size() < sizeof small) {
    text.copy(small, text.size());
    small[text.size()] = '\0';
    cText = small;
  } else {
    large.assign(text);
    cText = large.c_str();
  }
  const CLocaleScope cLocale;
  return std::strtod(cText, nullptr);
}

std::int32_t Atoi(std::string_view text) {
  // Read with a 64-bit range, then keep the low 32 bits, as a conversion of
  // the parsed number to int does.
  const std::int64_t parsed = ParseLong(text, 10, INT64_MAX);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(parsed)));
}

std::int32_t Strtol32(std::string_view text, int base) {
  return static_cast<std::int32_t>(ParseLong(text, base, kIntegerMax));
}

}  // namespace vr
