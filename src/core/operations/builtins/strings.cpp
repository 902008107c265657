// copy, length, lower, upper and trim. Positions and lengths count
// characters, not bytes, so Cyrillic text cuts where the user expects.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/value_stack.h"
#include "operations/builtins/builtin_support.h"
#include "operations/operands.h"
#include "values/utf8_text.h"
#include "values/value_conversion.h"

namespace vr {

namespace {

std::int64_t CharacterCount(std::string_view text) {
  std::int64_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += Utf8CharLength(text, pos)) ++count;
  return count;
}

// Byte offset of the character with the 0-based index `chars` (the end of
// the text when there are fewer characters).
std::size_t ByteOffset(std::string_view text, std::int64_t chars) {
  std::size_t pos = 0;
  for (; chars > 0 && pos < text.size(); --chars) pos += Utf8CharLength(text, pos);
  return std::min(pos, text.size());
}

// copy(s [; start [; count]]): start is 1-based; the pair is first pulled
// back inside the text, then a start below 1 counts from the first character
// and a negative count gives nothing.
ErrorCode Copy(const OperationCall& call) {
  Value params[3];
  if (ErrorCode e = PopParameters(call, params)) return e;
  const int n = std::min(call.argCount, 3);
  for (int i = 0; i < n; ++i) {
    if (ErrorCode e = ResolveOperand(call, params[i])) return e;
  }
  std::string text;
  if (ErrorCode e = TextParameter(params[0], text)) return e;
  const std::int64_t length = CharacterCount(text);
  std::int64_t start = 1;
  std::int64_t count = length;
  if (n >= 2) {
    start = Trunc32(RealNumber(params[1]));
    count = n >= 3 ? Trunc32(RealNumber(params[2])) : length - start + 1;
  }
  if (length < start) start = length;
  if (length + 1 < start + count) count = length - start + 1;
  const std::int64_t first = std::max<std::int64_t>(start - 1, 0);
  std::string result;
  if (count > 0) {
    const std::size_t from = ByteOffset(text, first);
    const std::size_t to = from + ByteOffset(std::string_view(text).substr(from), count);
    result = text.substr(from, to - from);
  }
  return PushResult(call, Value::MakeString(std::move(result)));
}

ErrorCode Length(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  std::string text;
  if (ErrorCode e = TextParameter(std::move(x), text)) return e;
  return PushReal(call, static_cast<double>(CharacterCount(text)));
}

// extra: 1 for upper, 0 for lower.
ErrorCode ChangeCase(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  std::string text;
  if (ErrorCode e = TextParameter(std::move(x), text)) return e;
  return PushResult(call, Value::MakeString(call.extra != 0 ? Utf8ToUpper(text) : Utf8ToLower(text)));
}

ErrorCode Trim(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  std::string text;
  if (ErrorCode e = TextParameter(std::move(x), text)) return e;
  constexpr std::string_view kSpace = " \t\n\v\f\r";
  const std::size_t first = text.find_first_not_of(kSpace);
  if (first == std::string::npos) return PushResult(call, Value::MakeString(std::string()));
  const std::size_t last = text.find_last_not_of(kSpace);
  return PushResult(call, Value::MakeString(text.substr(first, last - first + 1)));
}

constexpr BuiltinFunction kRows[] = {
    // copy() with no parameters at all copies nothing.
    {.name = "copy", .index = 41, .run = Copy, .minParameters = 0, .listPosition = 36,
     .english = "copy(s,start,count) copy substring",
     .russian = "copy(s,start,count) вырезать подстроку из строки s"},
    {.name = "length", .index = 42, .run = Length, .listPosition = 37,
     .english = "return the length of string", .russian = "возвращает длину строки"},
    {.name = "lower", .index = 43, .run = ChangeCase, .variant = 0, .listPosition = 38,
     .english = "convert string to lowercase one", .russian = "приводит строку к нижнему регистру"},
    {.name = "upper", .index = 44, .run = ChangeCase, .variant = 1, .listPosition = 39,
     .english = "convert string to uppercase one",
     .russian = "приводит строку к верхнему регистру"},
    {.name = "trim", .index = 45, .run = Trim, .listPosition = 40,
     .english = "remove spaces at both ends of string",
     .russian = "удаляет пробелы с обоих концов строки"},
};

}  // namespace

std::span<const BuiltinFunction> StringFunctions() { return kRows; }

}  // namespace vr
