// ln, log, exp, sqrt, sqr, abs, odd, frac and conj.

#include <cmath>
#include <complex>
#include <cstdint>

#include "engine/real_rules.h"
#include "operations/builtins/builtin_support.h"
#include "operations/operands.h"
#include "values/value_conversion.h"

namespace vr {

namespace {

using Complex = std::complex<double>;

// extra: 0 for ln, 10 for log. Negative numbers have complex logarithms;
// only the natural one is offered for them.
ErrorCode Logarithm(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  const bool common = call.extra == 10;
  if (x.kind != ValueKind::Complex) {
    const double r = RealNumber(x);
    double y = 0.0;
    const ErrorCode e = RealLogarithm(r, common, y);
    if (e != kNotReal) return e != kOk ? e : PushReal(call, y);
    x = Value::MakeComplex(r, 0.0);
  }
  if (common) return FailNamed(kNotForComplex, "log");
  return PushComplex(call, std::log(Complex(x.num.complex.re, x.num.complex.im)));
}

ErrorCode Exponential(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Complex) {
    return PushComplex(call, std::exp(Complex(x.num.complex.re, x.num.complex.im)));
  }
  double y = 0.0;
  if (ErrorCode e = RealExponential(RealNumber(x), y)) return e;
  return PushReal(call, y);
}

ErrorCode SquareRoot(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind != ValueKind::Complex) {
    const double r = RealNumber(x);
    double y = 0.0;
    if (RealSquareRoot(r, y) == kOk) return PushReal(call, y);
    x = Value::MakeComplex(r, 0.0);
  }
  const double re = x.num.complex.re;
  const double im = x.num.complex.im;
  if (re == 0 && im == 0) return kDivisionByZero;
  // The principal root, written so that the larger part is computed
  // without cancellation and the smaller one derived from it.
  const double t = std::sqrt((std::sqrt(re * re + im * im) + std::fabs(re)) / 2);
  const double u = im / (2 * t);
  if (re >= 0) return PushComplex(call, Complex(t, u));
  return PushComplex(call, im >= 0 ? Complex(u, t) : Complex(-u, -t));
}

// The square is the product of x with itself, with every rule of "*".
ErrorCode Square(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (ErrorCode e = PushResult(call, x)) return e;
  if (ErrorCode e = PushResult(call, x)) return e;
  return ApplyOperator(call, kOpMultiply);
}

std::int32_t Magnitude32(std::int32_t v) {
  // |INT32_MIN| does not exist in 32 bits; the nearest value stands in.
  if (v == kIntegerMin) return kIntegerMax;
  return v < 0 ? -v : v;
}

ErrorCode AbsoluteValue(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  switch (x.kind) {
    case ValueKind::Real:
    case ValueKind::Integer: x.num.real = std::fabs(x.num.real); break;
    case ValueKind::Fraction:
      x.num.fraction.whole = Magnitude32(x.num.fraction.whole);
      x.num.fraction.numerator = Magnitude32(x.num.fraction.numerator);
      x.num.fraction.denominator = Magnitude32(x.num.fraction.denominator);
      break;
    case ValueKind::Time:
      x.num.time.hours = Magnitude32(x.num.time.hours);
      x.num.time.minutes = Magnitude32(x.num.time.minutes);
      x.num.time.seconds = Magnitude32(x.num.time.seconds);
      break;
    case ValueKind::Complex: {
      const double re = x.num.complex.re;
      const double im = x.num.complex.im;
      x = Value::MakeReal(std::sqrt(re * re + im * im));
      break;
    }
    case ValueKind::Date: x.date.serial = std::fabs(x.date.serial); break;
    default: break;
  }
  return PushResult(call, x);
}

ErrorCode Odd(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Date) return PushReal(call, x.date.Day() % 2 != 0 ? 1.0 : 0.0);
  if (x.kind == ValueKind::Complex) return FailNamed(kNotForComplex, "odd");
  return PushReal(call, OddTruth(RealNumber(x)));
}

ErrorCode FractionalPartOp(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  switch (x.kind) {
    case ValueKind::Real: x.num.real = FractionalPart(x.num.real); break;
    case ValueKind::Fraction: x = Value::MakeReal(FractionalPart(FractionToDouble(x.num.fraction))); break;
    case ValueKind::Complex:
      x.num.complex.re = FractionalPart(x.num.complex.re);
      x.num.complex.im = FractionalPart(x.num.complex.im);
      break;
    default: break;
  }
  return PushResult(call, x);
}

ErrorCode Conjugate(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Complex) x.num.complex.im = -x.num.complex.im;
  return PushResult(call, x);
}

constexpr BuiltinFunction kRows[] = {
    {.name = "frac", .index = 14, .run = FractionalPartOp, .refuses = kRefusesStringAndDate,
     .realForm = RealForm::kRule, .rule = FunctionRule::kFraction,
     .listPosition = 6, .english = "fractional part of x", .russian = "дробная часть"},
    {.name = "sqrt", .index = 19, .run = SquareRoot, .realForm = RealForm::kRule,
     .rule = FunctionRule::kSquareRoot,
     .listPosition = 4, .english = "square root", .russian = "квадратный корень"},
    {.name = "abs", .index = 20, .run = AbsoluteValue, .realForm = RealForm::kRule,
     .rule = FunctionRule::kMagnitude,
     .listPosition = 1, .english = "absolute value for real and module for complex numbers",
     .russian = "модуль числа"},
    {.name = "ln", .index = 21, .run = Logarithm, .variant = 0, .refuses = kRefusesStringAndDate,
     .realForm = RealForm::kRule,
     .rule = FunctionRule::kNaturalLogarithm,
     .listPosition = 10, .english = "natural logarithm of x", .russian = "натуральный логарифм"},
    {.name = "log", .index = 22, .run = Logarithm, .variant = 10,
     .refuses = kRefusesStringAndDate, .realForm = RealForm::kRule,
     .rule = FunctionRule::kCommonLogarithm,
     .listPosition = 11, .english = "common logarithm of x", .russian = "десятичный логарифм"},
    {.name = "exp", .index = 23, .run = Exponential, .refuses = kRefusesStringAndDate,
     .realForm = RealForm::kRule, .rule = FunctionRule::kExponential,
     .listPosition = 12, .english = "exponent of x", .russian = "экспонента"},
    {.name = "odd", .index = 25, .run = Odd, .refuses = kRefusesString, .realForm = RealForm::kRule,
     .rule = FunctionRule::kOddness, .listPosition = 9,
     .english = "TRUE if x is odd and FALSE otherwise",
     .russian = "Возвращает ИСТИНА, если x нечетное"},
    // The product of x with itself: both copies lie on the stack at once.
    {.name = "sqr", .index = 26, .run = Square, .realForm = RealForm::kRule,
     .rule = FunctionRule::kSquare, .scratchValues = 1,
     .listPosition = 3, .english = "square of x", .russian = "возвести в квадрат"},
    {.name = "conj", .index = 33, .run = Conjugate, .realForm = RealForm::kSame,
     .listPosition = 2, .english = "conjugate x (only for comlex)",
     .russian = "сопряженное комлексное число"},
};

}  // namespace

std::span<const BuiltinFunction> LogarithmFunctions() { return kRows; }

}  // namespace vr
