// min, max, avga, avgg, iif and gettype: functions of a list of parameters.

#include <cmath>

#include "engine/real_rules.h"
#include "engine/value_stack.h"
#include "operations/builtins/builtin_support.h"
#include "operations/operands.h"
#include "values/value_conversion.h"

namespace vr {

namespace {

// extra: 1 for min, 0 for max.
ErrorCode MinMax(const OperationCall& call) {
  // A single parameter is its own answer, left on the stack as it is.
  if (call.argCount == 1) return kOk;
  const bool min = call.extra != 0;
  const char* name = min ? "MIN" : "MAX";
  Value best;
  if (ErrorCode e = PopOperand(call, best)) return e;
  if (best.kind == ValueKind::Complex) return FailNamed(kNotForComplex, name);
  for (int i = 1; i < call.argCount; ++i) {
    Value next;
    if (ErrorCode e = PopOperand(call, next)) return e;
    if (next.kind == ValueKind::Complex) return FailNamed(kNotForComplex, name);
    double a = 0.0;
    double b = 0.0;
    switch (UnifyOperands(best, next)) {
      case ValueKind::Real:
      case ValueKind::Integer:
        a = best.num.real;
        b = next.num.real;
        break;
      case ValueKind::Fraction:
        a = FractionToDouble(best.num.fraction);
        b = FractionToDouble(next.num.fraction);
        break;
      case ValueKind::Time:
        a = TimeToSeconds(best.num.time);
        b = TimeToSeconds(next.num.time);
        break;
      case ValueKind::String: return kInvalidStringOperation;
      case ValueKind::Date: return kInvalidDateOperation;
      default: return FailNamed(kNotForComplex, name);
    }
    if (ReplacesBest(min, a, b)) best = next;
  }
  return PushResult(call, best);
}

enum Mean : int { kArithmetic = 0, kGeometric = 1 };

// extra: the Mean. The means are built from the
// operators, so they follow their kinds: the mean of 1\2 and 1\3 is 5\12.
ErrorCode MeanOp(const OperationCall& call) {
  const int n = call.argCount;
  if (n == 1) return kOk;
  const bool arithmetic = call.extra == kArithmetic;
  for (int i = 1; i < n; ++i) {
    if (ErrorCode e = ApplyOperator(call, arithmetic ? kOpAdd : kOpMultiply)) return e;
  }
  if (ErrorCode e = PushReal(call, arithmetic ? n : 1.0 / n)) return e;
  return ApplyOperator(call, arithmetic ? kOpDivide : kOpPower);
}

// iif(c; a; b): both branches are already evaluated; c is true when its
// number truncates to something other than 0 (so 0.5 is false).
ErrorCode InlineIf(const OperationCall& call) {
  Value params[3];
  if (ErrorCode e = PopParameters(call, params)) return e;
  if (call.argCount != 3) return PushResult(call, params[0]);
  for (Value& v : params) {
    if (ErrorCode e = ResolveOperand(call, v)) return e;
  }
  const Value& c = params[0];
  double condition = 0.0;
  if (c.kind == ValueKind::Complex) {
    condition = std::sqrt(c.num.complex.re * c.num.complex.re + c.num.complex.im * c.num.complex.im);
  } else if (c.kind == ValueKind::String) {
    condition = c.text.empty() ? 0.0 : 1.0;
  } else {
    condition = RealNumber(c);
  }
  return PushResult(call, IsTrueCondition(condition) ? params[1] : params[2]);
}

ErrorCode GetType(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  double type = -1;
  switch (x.kind) {
    case ValueKind::Real:
    case ValueKind::Integer: type = 0; break;
    case ValueKind::Complex: type = 1; break;
    case ValueKind::Fraction: type = 2; break;
    case ValueKind::String: type = 3; break;
    case ValueKind::Date: type = 4; break;
    case ValueKind::Time: type = 5; break;
    default: break;
  }
  return PushReal(call, type);
}

constexpr BuiltinFunction kRows[] = {
    {.name = "min", .index = 34, .run = MinMax, .variant = 1, .realForm = RealForm::kMin,
     .listPosition = 16, .english = "find minimal value in list",
     .russian = "минимальное число в списке"},
    {.name = "max", .index = 35, .run = MinMax, .variant = 0, .realForm = RealForm::kMax,
     .listPosition = 17, .english = "find maximal value in list",
     .russian = "максимальное число в списке"},
    {.name = "avga", .index = 36, .run = MeanOp, .variant = kArithmetic, .listPosition = 18,
     .listName = "avgA", .english = "arithmetical mean", .russian = "среднее арифметическое"},
    {.name = "avgg", .index = 37, .run = MeanOp, .variant = kGeometric, .listPosition = 19,
     .listName = "avgG", .english = "geometrical mean", .russian = "среднее геометрическое"},
    {.name = "iif", .index = 38, .run = InlineIf, .realForm = RealForm::kChoose,
     .listPosition = 20, .english = "iif(x;A;B) returns A if x is equal to TRUE and B otherwise",
     .russian = "iif(x;A;B) возвращает A если выражение x возвращает ИСТИНА"},
    {.name = "gettype", .index = 50, .run = GetType, .listPosition = 45,
     .english = "return expression type", .russian = "возвращает тип выражения"},
};

}  // namespace

std::span<const BuiltinFunction> AggregateFunctions() { return kRows; }

}  // namespace vr
