// Line preparation and the lexer: the prepared buffer is read one token at a
// time from cursor_. Every branch of NextToken advances the cursor by at
// least one byte or returns End, so a caller looping to End always stops.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"
#include "engine/named_constants.h"
#include "engine/operator_code.h"
#include "files/ascii.h"
#include "options/options_record.h"
#include "values/utf8_text.h"
#include "values/value_text.h"

namespace vr {

namespace {

bool IsRadixSuffixLetter(char c) {
  return c == 'o' || c == 'O' || c == 's' || c == 'S' || c == 'h' || c == 'H';
}

// The characters a number in another radix may be written with, suffixes
// included.
bool IsRadixRunChar(char c) { return IsAsciiHexDigit(c) || IsRadixSuffixLetter(c); }

char At(std::string_view s, std::size_t pos) { return pos < s.size() ? s[pos] : '\0'; }

// Only 1 (hexadecimal), 2 (octal) and 3 (binary) change how numbers are read;
// anything else in the setting reads as decimal.
int ReadingBase() {
  const int base = Options().numberBase;
  return (base >= 1 && base <= 3) ? base : 0;
}

enum Radix : int { kPlain = 0, kBinary = 1, kHex = 2, kOctal = 3, kDecimalForced = 4 };

int DetectRadixAt(std::string_view buf, std::size_t pos, int numberBase) {
  int m = 2;  // the smallest radix the digits so far need
  int p = 2;  // m before the last character of the run
  char last = '\0';
  while (pos < buf.size() && IsRadixRunChar(buf[pos])) {
    const char c = buf[pos];
    p = m;
    if (!IsRadixSuffixLetter(c)) {
      if (c > '9' && c != 'e' && c != 'E' && numberBase != 0) {
        m = 16;
      } else if (c >= '8') {
        if (m <= 9) m = 10;
      } else if (c >= '2') {
        if (m <= 7) m = 8;
      }
    }
    last = c;
    ++pos;
  }

  int r = kPlain;
  switch (last) {
    case 'b':
    case 'B':
      // A trailing b is a binary suffix only after binary digits; otherwise
      // it is the hexadecimal digit.
      if (p == 2) {
        r = kBinary;
        m = 2;
      } else {
        r = kHex;
      }
      break;
    case 'h':
    case 'H':
      r = kHex;
      break;
    case 'o':
    case 'O':
      r = (p == 16) ? kHex : (p == 10) ? kDecimalForced : kOctal;
      break;
    case 's':
    case 'S':
      r = (p == 16) ? kHex : kDecimalForced;
      break;
    default:
      break;
  }

  if (m == 16) return kHex;
  if (r != kPlain || numberBase == 0) return r;

  // No suffix in a non-decimal mode: the smallest radix that is at least the
  // mode's own and fits the digits.
  const int modeRadix = numberBase == 1 ? 16 : numberBase == 2 ? 8 : 2;
  const int radix = modeRadix > m ? modeRadix : m;
  switch (radix) {
    case 2: return kBinary;
    case 8: return kOctal;
    case 10: return kDecimalForced;
    default: return kHex;
  }
}

int DigitValue(char c) {
  if (IsAsciiDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A number read in radix r (DetectRadix's code) becomes its decimal text.
// The value wraps at 32 bits like the machine word it was made for, so the
// digits are summed here: from_chars would only report the overflow.
TokenClass ReadRadixNumber(std::string_view buf, std::size_t& pos, int r, std::string& text) {
  text.clear();
  while (pos < buf.size() && IsRadixRunChar(buf[pos])) text.push_back(AsciiUpper(buf[pos++]));
  const char last = text.back();
  if ((last == 'B' && r == kBinary) || last == 'O' || last == 'H' || last == 'S') text.pop_back();

  const std::uint32_t radix = r == kBinary ? 2u : r == kHex ? 16u : r == kOctal ? 8u : 10u;
  std::uint32_t value = 0;
  for (const char c : text) {
    const int digit = DigitValue(c);
    if (digit < 0 || static_cast<std::uint32_t>(digit) >= radix) return TokenClass::InvalidNumber;
    value = value * radix + static_cast<std::uint32_t>(digit);
  }
  text = std::to_string(static_cast<std::int32_t>(value));
  return TokenClass::Number;
}

void AppendDigits(std::string_view buf, std::size_t& pos, std::string& text) {
  while (pos < buf.size() && IsAsciiDigit(buf[pos])) text.push_back(buf[pos++]);
}

// A decimal point may be written as a comma; the token always holds a point.
void AppendFraction(std::string_view buf, std::size_t& pos, std::string& text) {
  const char c = At(buf, pos);
  if (c == '.' || c == ',') {
    text.push_back('.');
    ++pos;
    AppendDigits(buf, pos, text);
  }
}

TokenClass ReadDecimalNumber(std::string_view buf, std::size_t& pos, std::string& text) {
  text.clear();
  AppendDigits(buf, pos, text);
  AppendFraction(buf, pos, text);
  if (At(buf, pos) == 'e') {
    text.push_back(buf[pos++]);
    const char sign = At(buf, pos);
    if (sign == '+' || sign == '-') text.push_back(buf[pos++]);
    AppendDigits(buf, pos, text);
  }

  const char next = At(buf, pos);
  if (next == ':' || next == '\\') {
    // hours:minutes[:seconds] or whole\numerator[\denominator]
    text.push_back(buf[pos++]);
    AppendDigits(buf, pos, text);
    if (At(buf, pos) == next) {
      text.push_back(buf[pos++]);
      AppendDigits(buf, pos, text);
    }
    return next == ':' ? TokenClass::TimeLiteral : TokenClass::FractionLiteral;
  }
  if ((next == '+' || next == '-') && At(buf, pos + 1) == 'i' && IsAsciiDigit(At(buf, pos + 2))) {
    text.push_back(next);
    text.push_back('i');
    pos += 2;
    AppendDigits(buf, pos, text);
    AppendFraction(buf, pos, text);
    if (At(buf, pos) == 'e') {
      text.push_back(buf[pos++]);
      if (At(buf, pos) == '-') text.push_back(buf[pos++]);
      AppendDigits(buf, pos, text);
    }
    return TokenClass::ComplexLiteral;
  }
  return TokenClass::Number;
}

// Quoted strings and dates run to their closing mark or to the end of the
// line; the marks are not part of the text and there are no escapes.
void ReadDelimited(std::string_view buf, std::size_t& pos, char mark, std::string& text) {
  ++pos;
  const std::size_t close = buf.find(mark, pos);
  const std::size_t end = close == std::string_view::npos ? buf.size() : close;
  text.assign(buf.substr(pos, end - pos));
  pos = close == std::string_view::npos ? buf.size() : close + 1;
}

// "?" re-enters the last result as the literal that reads back as the same
// value. Strings and dates lose their marks, since literal texts hold only
// what is between them.
TokenClass LastResultToken(const Value& last, std::string& text) {
  switch (last.kind) {
    case ValueKind::Real:
    case ValueKind::Integer:
      text = FormatValue(last);
      return TokenClass::Number;
    case ValueKind::Fraction:
      text = FormatValue(last);
      return TokenClass::FractionLiteral;
    case ValueKind::Time:
      text = FormatValue(last);
      return TokenClass::TimeLiteral;
    case ValueKind::Complex:
      text = FormatValue(last);
      return TokenClass::ComplexLiteral;
    case ValueKind::String:
      text = last.text;
      return TokenClass::StringLiteral;
    case ValueKind::Date:
      text = FormatValue(last);
      if (text.size() >= 2 && text.front() == '#' && text.back() == '#') {
        text = text.substr(1, text.size() - 2);
      }
      return TokenClass::DateLiteral;
    default:
      text = FormatValue(last);
      return TokenClass::Invalid;
  }
}

bool IsLetterAt(std::string_view buf, std::size_t pos) {
  const char c = buf[pos];
  if (static_cast<unsigned char>(c) < 0x80) return IsAsciiLetter(c);
  return Utf8IsLetter(buf, pos);
}

}  // namespace

void ExpressionEngine::PrepareText(std::string_view text) {
  // The line ends at a NUL, as the C string it stands for would.
  text = text.substr(0, text.find('\0'));

  buffer_.clear();
  buffer_.reserve(text.size() + 8);
  bool quoted = false;
  char quote = '\0';
  char lastWritten = ' ';

  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    std::size_t len = Utf8CharLength(text, i);
    if (len == 0 || i + len > text.size()) len = 1;
    const std::string_view ch = text.substr(i, len);
    i += len;

    if (quoted) {
      if (c == quote) quoted = false;
      buffer_.append(ch);
      lastWritten = c;
      continue;
    }
    if (IsAsciiSpace(c)) continue;
    if (c == '\'' || c == '"') {
      quoted = true;
      quote = c;
    } else if ((c == '.' || c == ',') && !IsAsciiDigit(lastWritten)) {
      // ".5" reads as "0.5"
      buffer_.push_back('0');
    }
    if (len == 1) {
      buffer_.push_back(AsciiLower(c));
    } else {
      buffer_.append(Utf8ToLower(ch));
    }
    lastWritten = c;
  }
  cursor_ = 0;
}

int ExpressionEngine::DetectRadix() const {
  return DetectRadixAt(buffer_, cursor_, ReadingBase());
}

TokenClass ExpressionEngine::NextToken(std::int32_t& op, std::string& text) {
  op = kOpNone;
  text.clear();
  const std::string_view buf = buffer_;
  if (cursor_ >= buf.size()) return TokenClass::End;

  const char c = buf[cursor_];
  const char next = At(buf, cursor_ + 1);
  auto oper = [&](std::int32_t code, std::string_view spelling, std::size_t length) {
    op = code;
    text.assign(spelling);
    cursor_ += length;
    return TokenClass::Operator;
  };
  auto single = [&](TokenClass cls) {
    text.assign(1, c);
    ++cursor_;
    return cls;
  };

  switch (c) {
    case '!':
      if (next == '!') return oper(kOpFactorial, "!!", 2);
      if (next == '=') return oper(kOpNotEqual, "!=", 2);
      return oper(kOpLogicalNot, "!", 1);
    case '\'':
    case '"':
      ReadDelimited(buf, cursor_, c, text);
      return TokenClass::StringLiteral;
    case '#':
      ReadDelimited(buf, cursor_, '#', text);
      return TokenClass::DateLiteral;
    case '%':
      return oper(kOpRemainder, "%", 1);
    case '&':
      if (next == '&') return oper(kOpLogicalAnd, "&&", 2);
      return oper(kOpBitAnd, "&", 1);
    case '(':
      return single(TokenClass::OpenParen);
    case ')':
      return single(TokenClass::CloseParen);
    case ';':
      return single(TokenClass::Semicolon);
    case '*':
      if (next == '*') return oper(kOpPower, "**", 2);
      if (next == '%') return oper(kOpPercentOf, "*%", 2);
      return oper(kOpMultiply, "*", 1);
    case '+':
      if (next == '%') return oper(kOpPercentAdd, "+%", 2);
      return oper(kOpAdd, "+", 1);
    case '-':
      if (next == '%') return oper(kOpPercentSub, "-%", 2);
      return oper(kOpSubtract, "-", 1);
    case '/':
      if (next == '%') return oper(kOpPercentRatio, "/%", 2);
      return oper(kOpDivide, "/", 1);
    case ':':
      if (next == '=') return oper(kOpAssign, ":=", 2);
      return single(TokenClass::Invalid);
    case '<':
      if (next == '=') return oper(kOpLessEqual, "<=", 2);
      if (next == '>') return oper(kOpNotEqual, "!=", 2);
      if (next == '<') return oper(kOpShiftLeft, "<<", 2);
      return oper(kOpLess, "<", 1);
    case '=':
      if (next == '=') return oper(kOpEqual, "==", 2);
      return oper(kOpAssign, "=", 1);
    case '>':
      if (next == '=') return oper(kOpGreaterEqual, ">=", 2);
      if (next == '>') return oper(kOpShiftRight, ">>", 2);
      return oper(kOpGreater, ">", 1);
    case '?':
      ++cursor_;
      return LastResultToken(lastResult, text);
    case '^':
      return oper(kOpBitXor, "^", 1);
    case '|':
      if (next == '|') return oper(kOpLogicalOr, "||", 2);
      return oper(kOpBitOr, "|", 1);
    case '~':
      return oper(kOpBitNot, "~", 1);
    default:
      break;
  }

  if (IsAsciiDigit(c)) {
    if (next == 'x') {
      // The leading digit is only the marker: 5x1f and 0x1f are the same.
      cursor_ += 2;
      text = "0x";
      while (cursor_ < buf.size() && IsAsciiHexDigit(buf[cursor_])) text.push_back(buf[cursor_++]);
      return TokenClass::HexLiteral;
    }
    const int r = DetectRadix();
    if (r != kPlain) return ReadRadixNumber(buf, cursor_, r, text);
    return ReadDecimalNumber(buf, cursor_, text);
  }

  if (IsLetterAt(buf, cursor_)) {
    const std::size_t start = cursor_;
    while (cursor_ < buf.size()) {
      const char ch = buf[cursor_];
      if (IsAsciiDigit(ch) || ch == '_') {
        ++cursor_;
      } else if (IsLetterAt(buf, cursor_)) {
        cursor_ += Utf8CharLength(buf, cursor_);
      } else {
        break;
      }
    }
    if (cursor_ > buf.size()) cursor_ = buf.size();
    text.assign(buf.substr(start, cursor_ - start));
    // Built-ins hide user functions, which hide constants, which hide
    // variables.
    if (FindBuiltin(services_.operations, text) != nullptr) return TokenClass::FunctionName;
    if (services_.userFunctions != nullptr && services_.userFunctions->IsUserFunction(text)) {
      return TokenClass::FunctionName;
    }
    if (FindNamedConstant(text) >= 0) return TokenClass::ConstantName;
    return TokenClass::VariableName;
  }

  std::size_t len = Utf8CharLength(buf, cursor_);
  if (len == 0 || cursor_ + len > buf.size()) len = 1;
  text.assign(buf.substr(cursor_, len));
  cursor_ += len;
  return TokenClass::Invalid;
}

}  // namespace vr
