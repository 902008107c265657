// solve, solve3, ratio, gcd, lcm, hms, periodlen, period, a2r and r2a.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/expression_engine.h"
#include "engine/value_stack.h"
#include "operations/builtins/builtin_support.h"
#include "operations/builtins/number_theory.h"
#include "operations/operands.h"
#include "values/utf8_text.h"
#include "values/value_conversion.h"
#include "values/value_text.h"

namespace vr {

namespace {

// Pops and resolves the coefficients of solve and solve3 (missing ones are
// 0); complex coefficients are not supported, dates make no sense.
ErrorCode PopCoefficients(const OperationCall& call, std::span<Value> coefficients) {
  if (ErrorCode e = PopParameters(call, coefficients)) return e;
  const auto given = static_cast<std::size_t>(call.argCount);
  for (std::size_t i = 0; i < coefficients.size() && i < given; ++i) {
    if (ErrorCode e = ResolveOperand(call, coefficients[i])) return e;
  }
  for (const Value& v : coefficients) {
    if (v.kind == ValueKind::Complex) return kNotYetForComplex;
  }
  for (const Value& v : coefficients) {
    if (v.kind == ValueKind::Date) return kInvalidDateOperation;
  }
  return kOk;
}

// a*x^2 + b*x + c = 0. Two roots stay on the stack together (the engine
// lists them); a double root is pushed once. a = 0 is not special-cased.
ErrorCode Solve(const OperationCall& call) {
  Value params[3];
  if (ErrorCode e = PopCoefficients(call, params)) return e;
  const double a = RealNumber(params[0]);
  const double b = RealNumber(params[1]);
  const double c = RealNumber(params[2]);
  const double d = b * b - 4 * a * c;
  const double t = 2 * a;
  const double m = b / -t;
  if (d < 0) {
    const double im = std::sqrt(std::fabs(d)) / t;
    if (ErrorCode e = PushResult(call, Value::MakeComplex(m, im))) return e;
    return PushResult(call, Value::MakeComplex(m, -im));
  }
  if (d == 0) return PushReal(call, m);
  if (ErrorCode e = PushReal(call, std::sqrt(d) / t + m)) return e;
  return PushReal(call, m - std::sqrt(d) / t);
}

// The cubic solver is reserved: its coefficients are checked, then it
// reports that it does not exist.
ErrorCode SolveCubic(const OperationCall& call) {
  Value params[4];
  if (ErrorCode e = PopCoefficients(call, params)) return e;
  return kFunctionDoesNotExist;
}

// ratio(x [; tolerance]): the continued-fraction convergent of x that is
// within the tolerance (exact when it is 0 or at least 1).
ErrorCode Ratio(const OperationCall& call) {
  Value params[2];
  if (ErrorCode e = PopParameters(call, params)) return e;
  double tolerance = 0.0;
  if (call.argCount >= 2) {
    if (ErrorCode e = ResolveOperand(call, params[1])) return e;
    if (params[1].kind != ValueKind::Complex) {
      tolerance = RealNumber(params[1]);
      if (!(std::fabs(tolerance) < 1)) tolerance = 0.0;
    }
  }
  Value& x = params[0];
  if (ErrorCode e = ResolveOperand(call, x)) return e;
  switch (x.kind) {
    case ValueKind::Complex: return FailNamed(kNotForComplex, "rational");
    case ValueKind::String: return kInvalidStringOperation;
    case ValueKind::Date: return kInvalidDateOperation;
    case ValueKind::Real: break;
    default: return PushResult(call, x);
  }
  const double magnitude = std::fabs(x.num.real);
  double whole = 0.0;
  const double phi = std::isfinite(magnitude) ? std::modf(magnitude, &whole) : 0.0;
  if (phi == 0.0) return PushResult(call, x);
  // Like every conversion of a Real to a fraction, parts beyond 32 bits
  // cannot be held.
  if (!(magnitude < kIntegerMax)) return kIntegerOverflow;
  std::int32_t p = 0;
  std::int32_t q = 1;
  ContinuedFraction(magnitude, tolerance, p, q);
  FractionParts f{0, p, q};
  if (p > q) f = {p / q, p % q, q};
  if (x.num.real < 0) NegateFraction(f, f);
  return PushResult(call, Value::MakeFraction(f.whole, f.numerator, f.denominator));
}

// extra: 1 for gcd, 0 for lcm.
ErrorCode GcdLcm(const OperationCall& call) {
  Value params[2];
  if (ErrorCode e = PopParameters(call, params)) return e;
  Value& p = params[0];
  Value& q = params[1];
  if (ErrorCode e = ResolveOperand(call, p)) return e;
  if (ErrorCode e = ResolveOperand(call, q)) return e;
  const bool gcd = call.extra != 0;
  switch (UnifyOperands(p, q)) {
    case ValueKind::Complex: return FailNamed(kNotForComplex, gcd ? "GCD" : "LCM");
    case ValueKind::String: return kInvalidStringOperation;
    case ValueKind::Date: return kInvalidDateOperation;
    default: break;
  }
  const std::int64_t a = Trunc32(RealNumber(p));
  const std::int64_t b = Trunc32(RealNumber(q));
  std::int64_t result = 0;
  if (ErrorCode e = gcd ? GreatestCommonDivisor(a, b, result) : LeastCommonMultiple(a, b, result)) {
    return e;
  }
  return PushReal(call, static_cast<double>(result));
}

ErrorCode HoursMinutesSeconds(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  double seconds = 0.0;
  switch (x.kind) {
    case ValueKind::Time: return PushResult(call, x);
    case ValueKind::Date: ConvertValue(x, ValueKind::Time); return PushResult(call, x);
    case ValueKind::Complex:
      seconds = std::sqrt(x.num.complex.re * x.num.complex.re + x.num.complex.im * x.num.complex.im);
      break;
    case ValueKind::String: {
      const std::string& s = x.text;
      const std::size_t i = s.find(':');
      if (i == std::string::npos) {
        seconds = RealNumber(x);
        break;
      }
      const std::size_t j = s.find(':', i + 1);
      const std::string_view text(s);
      if (j == std::string::npos) {
        return PushResult(call, Value::MakeTime(0, Atoi(text.substr(0, i)), Atoi(text.substr(i + 1))));
      }
      return PushResult(call, Value::MakeTime(Atoi(text.substr(0, i)), Atoi(text.substr(i + 1, j - i - 1)),
                                              Atoi(text.substr(j + 1))));
    }
    default: seconds = RealNumber(x); break;
  }
  // A time of day needs a finite number of seconds.
  if (ErrorCode e = NonFiniteCode(Value::MakeReal(seconds))) return e;
  // Whole seconds first, so a huge count saturates before it is split.
  const TimeParts t = SecondsToTime(Trunc32(seconds));
  return PushResult(call, Value::MakeTime(t.hours, t.minutes, t.seconds));
}

// The numerator and denominator of period and periodlen: a fraction's own
// value, or two numbers. `oneNumber` is set for one parameter that is not a
// fraction.
ErrorCode PeriodOperands(const OperationCall& call, Value& x, std::int64_t& n, std::int64_t& d,
                         bool& oneNumber) {
  Value params[2];
  if (ErrorCode e = PopParameters(call, params)) return e;
  for (int i = 0; i < std::min(call.argCount, 2); ++i) {
    if (ErrorCode e = ResolveOperand(call, params[i])) return e;
  }
  x = params[0];
  oneNumber = false;
  // No digits can be written for a number that is not finite.
  for (int i = 0; i < std::min(call.argCount, 2); ++i) {
    if (ErrorCode e = NonFiniteCode(params[i])) return e;
  }
  if (x.kind == ValueKind::Fraction) {
    const FractionParts& f = x.num.fraction;
    n = std::llabs(f.whole) * std::llabs(f.denominator) + std::llabs(f.numerator);
    d = std::llabs(f.denominator);
  } else if (call.argCount == 1) {
    oneNumber = true;
    return kOk;
  } else {
    n = std::llabs(Trunc32(RealNumber(x)));
    d = std::llabs(Trunc32(RealNumber(params[1])));
  }
  // A whole-number fraction has denominator 0: there is nothing to divide.
  return d == 0 ? kDivisionByZero : kOk;
}

ErrorCode PeriodLength(const OperationCall& call) {
  Value x;
  std::int64_t n = 0;
  std::int64_t d = 1;
  bool oneNumber = false;
  if (ErrorCode e = PeriodOperands(call, x, n, d, oneNumber)) return e;
  if (oneNumber) return PushReal(call, 0.0);
  return PushReal(call, static_cast<double>(RepeatingLength(n, d)));
}

ErrorCode Period(const OperationCall& call) {
  Value x;
  std::int64_t n = 0;
  std::int64_t d = 1;
  bool oneNumber = false;
  if (ErrorCode e = PeriodOperands(call, x, n, d, oneNumber)) return e;
  std::string text;
  if (oneNumber) {
    text = std::to_string(Trunc32(RealNumber(x)));
  } else if (ErrorCode e = RepeatingDecimalText(n, d, text)) {
    return e;
  }
  return PushResult(call, Value::MakeString(std::move(text)));
}

ErrorCode ArabicToRoman(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (ErrorCode e = NonFiniteCode(x)) return e;
  const double v = std::fabs(RealNumber(x));
  if (v > 3999) return kIntegerOverflow;
  return PushResult(call, Value::MakeString(ToRoman(Trunc32(v))));
}

ErrorCode RomanToArabic(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  std::string text;
  if (ErrorCode e = TextParameter(std::move(x), text)) return e;
  return PushReal(call, static_cast<double>(FromRoman(Utf8ToUpper(text))));
}

constexpr BuiltinFunction kRows[] = {
    {.name = "gcd", .index = 15, .run = GcdLcm, .variant = 1, .minParameters = 2,
     .listPosition = 13, .english = "the greatest common divisor",
     .russian = "наибольший общий делитель"},
    {.name = "lcm", .index = 16, .run = GcdLcm, .variant = 0, .minParameters = 2,
     .listPosition = 14, .english = "the least common multiple",
     .russian = "наименьшее общее кратное"},
    {.name = "hms", .index = 27, .run = HoursMinutesSeconds, .listPosition = 21,
     .english = "convert number into hours, minutes and seconds",
     .russian = "преобразует целое число в часы, минуты и секунды"},
    {.name = "ratio", .index = 28, .run = Ratio, .listPosition = 22,
     .english = "convert real number into fraction",
     .russian = "преобразует десятичную дробь в обыкновенную"},
    {.name = "solve", .index = 31, .run = Solve, .severalResults = true, .listPosition = 15,
     .english = "solve the quadratic equation (ax**2+bx+c=0)",
     .russian = "решить квадратное уравнение вида ax**2+bx+c=0"},
    {.name = "solve3", .index = 39, .run = SolveCubic, .severalResults = true},
    {.name = "a2r", .index = 53, .run = ArabicToRoman, .listPosition = 46,
     .english = "converts arabic to roman numbers",
     .russian = "преобразование арабских цифр в римские"},
    {.name = "r2a", .index = 54, .run = RomanToArabic, .listPosition = 47,
     .english = "converts roman to arabic numbers",
     .russian = "преобразование римских цифр в арабские"},
    {.name = "periodlen", .index = 55, .run = PeriodLength},
    {.name = "period", .index = 56, .run = Period},
};

}  // namespace

std::span<const BuiltinFunction> NumericProcedures() { return kRows; }

}  // namespace vr
