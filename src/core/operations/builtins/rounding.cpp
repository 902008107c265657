// round, ceil and floor. Kinds that are whole by construction (Integer,
// Fraction, Time) and texts come back unchanged; a date always rounds to the
// nearest day, whichever of the three is asked.

#include <cmath>

#include "engine/real_rules.h"
#include "operations/builtins/builtin_support.h"
#include "operations/operands.h"
#include "values/value_conversion.h"

namespace vr {

namespace {

// The modes of RoundByMode.
enum RoundingMode : int { kNearest = 0, kUp = 1, kDown = 2 };

// extra: the rounding mode.
ErrorCode Rounding(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  switch (x.kind) {
    case ValueKind::Real: x.num.real = RoundByMode(call.extra, x.num.real); break;
    case ValueKind::Complex:
      x.num.complex.re = RoundByMode(call.extra, x.num.complex.re);
      x.num.complex.im = RoundByMode(call.extra, x.num.complex.im);
      break;
    case ValueKind::Date: x.date.serial = RoundHalfAway(x.date.serial); break;
    default: break;
  }
  return PushResult(call, x);
}

constexpr BuiltinFunction kRows[] = {
    {.name = "round", .index = 13, .run = Rounding, .variant = kNearest,
     .realForm = RealForm::kRule,
     .rule = FunctionRule::kRoundNearest,
     .listPosition = 5, .english = "rounding result", .russian = "математическое округление"},
    {.name = "ceil", .index = 29, .run = Rounding, .variant = kUp, .realForm = RealForm::kRule,
     .rule = FunctionRule::kRoundUp, .listPosition = 7,
     .english = "smallest integer that is greater than or equal to x",
     .russian = "наименьшее целое число большее или равное x"},
    {.name = "floor", .index = 30, .run = Rounding, .variant = kDown, .realForm = RealForm::kRule,
     .rule = FunctionRule::kRoundDown,
     .listPosition = 8, .english = "largest integer that is less than or equal to x",
     .russian = "наибольшее целое число меньшее или равное x"},
};

}  // namespace

std::span<const BuiltinFunction> RoundingFunctions() { return kRows; }

}  // namespace vr
