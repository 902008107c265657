// strtodate, year, month and day.

#include "operations/builtins/builtin_support.h"
#include "operations/operands.h"
#include "settings/options_record.h"
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

constexpr BuiltinRow kRows[] = {
    {kFnStrToDate, StringToDate, 0},
    {kFnYear, DatePartOp, kYear},
    {kFnMonth, DatePartOp, kMonth},
    {kFnDay, DatePartOp, kDay},
};

}  // namespace

void RegisterDateFunctions(OperationTable& table) { InstallBuiltins(table, kRows); }

}  // namespace vr
