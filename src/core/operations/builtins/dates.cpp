// strtodate, year, month and day.

#include "operations/builtins/builtin_support.h"
#include "operations/operands.h"
#include "options/options_record.h"
#include "values/value_conversion.h"
#include "values/value_text.h"

namespace vr {

namespace {

ErrorCode StringToDate(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  std::string text;
  if (ErrorCode e = TextParameter(std::move(x), text)) return e;
  return PushResult(call, Value::MakeDate(ParseDate(text, Options().dateFormat)));
}

enum DatePart : int { kYear = 0, kMonth = 1, kDay = 2 };

// extra: the date part.
ErrorCode DatePartOp(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  ConvertValue(x, ValueKind::Date);
  int part = 0;
  switch (call.extra) {
    case kYear: part = x.date.Year(); break;
    case kMonth: part = x.date.Month(); break;
    default: part = x.date.Day(); break;
  }
  return PushReal(call, part);
}

constexpr BuiltinFunction kRows[] = {
    {.name = "strtodate", .index = 46, .run = StringToDate, .listPosition = 41,
     .english = "convert string to date", .russian = "преобразует строку в дату"},
    {.name = "year", .index = 47, .run = DatePartOp, .variant = kYear, .listPosition = 42,
     .english = "extract year from date", .russian = "выделяет год из даты"},
    {.name = "month", .index = 48, .run = DatePartOp, .variant = kMonth, .listPosition = 43,
     .english = "extract month from date", .russian = "выделяет месяц из даты"},
    {.name = "day", .index = 49, .run = DatePartOp, .variant = kDay, .listPosition = 44,
     .english = "extract day from date", .russian = "выделяет день из даты"},
};

}  // namespace

std::span<const BuiltinFunction> DateFunctions() { return kRows; }

}  // namespace vr
