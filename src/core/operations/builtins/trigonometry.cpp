// sin, cos, tan and their inverses (in degrees or radians), the hyperbolic
// functions and their inverses. Complex arguments take the principal values
// of the standard library and ignore the angle unit.

#include <cmath>
#include <complex>

#include "engine/real_rules.h"
#include "operations/builtins/builtin_support.h"
#include "operations/operands.h"

namespace vr {

namespace {

using Complex = std::complex<double>;

Complex ComplexOf(const Value& v) { return {v.num.complex.re, v.num.complex.im}; }

// The Real answer of a rule, or its error.
ErrorCode PushRealRule(const OperationCall& call, ErrorCode e, double y) {
  return e != kOk ? e : PushReal(call, y);
}

// extra: 1 for sin, 0 for cos.
ErrorCode SineCosine(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  const bool sine = call.extra != 0;
  if (x.kind == ValueKind::Complex) {
    const Complex z = ComplexOf(x);
    return PushComplex(call, sine ? std::sin(z) : std::cos(z));
  }
  double y = 0.0;
  const ErrorCode e = RealSineCosine(RealNumber(x), sine, RadianMode(), y);
  return PushRealRule(call, e, y);
}

ErrorCode Tangent(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Complex) return PushComplex(call, std::tan(ComplexOf(x)));
  double y = 0.0;
  const ErrorCode e = RealTangent(RealNumber(x), RadianMode(), y);
  return PushRealRule(call, e, y);
}

// extra: 1 for asin, 0 for acos. Outside [-1, 1] the answer is complex.
ErrorCode ArcSineCosine(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  const bool sine = call.extra != 0;
  Complex z;
  if (x.kind == ValueKind::Complex) {
    z = ComplexOf(x);
  } else {
    const double r = RealNumber(x);
    double y = 0.0;
    if (RealArcSineCosine(r, sine, RadianMode(), y) == kOk) return PushReal(call, y);
    z = Complex(r, 0.0);
  }
  return PushComplex(call, sine ? std::asin(z) : std::acos(z));
}

ErrorCode ArcTangent(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Complex) return PushComplex(call, std::atan(ComplexOf(x)));
  double y = 0.0;
  const ErrorCode e = RealArcTangent(RealNumber(x), RadianMode(), y);
  return PushRealRule(call, e, y);
}

// extra: the HyperbolicFunction.
ErrorCode Hyperbolic(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Complex) {
    const Complex z = ComplexOf(x);
    switch (call.extra) {
      case kSinh: return PushComplex(call, std::sinh(z));
      case kCosh: return PushComplex(call, std::cosh(z));
      default: return PushComplex(call, std::tanh(z));
    }
  }
  double y = 0.0;
  const ErrorCode e = RealHyperbolic(RealNumber(x), call.extra, y);
  return PushRealRule(call, e, y);
}

// extra: 1 for asinh, 0 for acosh. Where the real formula has no finite
// value the complex function answers.
ErrorCode InverseHyperbolic(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  const bool sine = call.extra != 0;
  Complex z;
  if (x.kind == ValueKind::Complex) {
    z = ComplexOf(x);
  } else {
    const double r = RealNumber(x);
    double y = 0.0;
    if (RealInverseHyperbolic(r, sine, y) == kOk) return PushReal(call, y);
    z = Complex(r, 0.0);
  }
  return PushComplex(call, sine ? std::asinh(z) : std::acosh(z));
}

ErrorCode InverseHyperbolicTangent(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Complex) return PushComplex(call, std::atanh(ComplexOf(x)));
  double y = 0.0;
  const ErrorCode e = RealInverseHyperbolicTangent(RealNumber(x), y);
  return PushRealRule(call, e, y);
}

// The unit of the angles (the Radian setting) goes into sin, cos and tan
// and comes out of asin, acos and atan; the hyperbolic functions and every
// Complex argument ignore it.
constexpr BuiltinFunction kRows[] = {
    {.name = "sin", .index = 0, .run = SineCosine, .variant = 1, .refuses = kRefusesStringAndDate,
     .realForm = RealForm::kRule,
     .rule = FunctionRule::kSine,
     .angle = true, .listPosition = 23, .english = "sine", .russian = "синус"},
    {.name = "cos", .index = 1, .run = SineCosine, .variant = 0, .refuses = kRefusesStringAndDate,
     .realForm = RealForm::kRule,
     .rule = FunctionRule::kCosine,
     .angle = true, .listPosition = 24, .english = "cosine", .russian = "косинус"},
    {.name = "tan", .index = 2, .run = Tangent, .refuses = kRefusesStringAndDate,
     .realForm = RealForm::kRule,
     .rule = FunctionRule::kTangent,
     .angle = true, .listPosition = 25, .english = "tangent", .russian = "тангенс"},
    {.name = "asin", .index = 3, .run = ArcSineCosine, .variant = 1, .realForm = RealForm::kRule,
     .rule = FunctionRule::kArcSine,
     .angle = true, .listPosition = 26, .english = "arc sine", .russian = "арксинус"},
    {.name = "acos", .index = 4, .run = ArcSineCosine, .variant = 0, .realForm = RealForm::kRule,
     .rule = FunctionRule::kArcCosine,
     .angle = true, .listPosition = 27, .english = "arc cosine", .russian = "арккосинус"},
    {.name = "atan", .index = 5, .run = ArcTangent, .refuses = kRefusesStringAndDate,
     .realForm = RealForm::kRule,
     .rule = FunctionRule::kArcTangent,
     .angle = true, .listPosition = 28, .english = "arc tangent", .russian = "арктангенс"},
    {.name = "sinh", .index = 6, .run = Hyperbolic, .variant = kSinh,
     .refuses = kRefusesStringAndDate, .realForm = RealForm::kRule,
     .rule = FunctionRule::kHyperbolicSine,
     .listPosition = 29, .english = "hyperbolic sine", .russian = "гиперболический синус"},
    {.name = "cosh", .index = 7, .run = Hyperbolic, .variant = kCosh,
     .refuses = kRefusesStringAndDate, .realForm = RealForm::kRule,
     .rule = FunctionRule::kHyperbolicCosine,
     .listPosition = 30, .english = "hyperbolic cosine", .russian = "гиперболический косинус"},
    {.name = "tanh", .index = 8, .run = Hyperbolic, .variant = kTanh,
     .refuses = kRefusesStringAndDate, .realForm = RealForm::kRule,
     .rule = FunctionRule::kHyperbolicTangent,
     .listPosition = 31, .english = "hyperbolic tangent", .russian = "гиперболический тангенс"},
    {.name = "asinh", .index = 9, .run = InverseHyperbolic, .variant = 1,
     .realForm = RealForm::kRule,
     .rule = FunctionRule::kInverseHyperbolicSine,
     .listPosition = 32, .english = "hyperbolic arc sine", .russian = "гиперболический арксинус"},
    {.name = "acosh", .index = 10, .run = InverseHyperbolic, .variant = 0,
     .realForm = RealForm::kRule,
     .rule = FunctionRule::kInverseHyperbolicCosine,
     .listPosition = 33, .english = "hyperbolic arc cosine",
     .russian = "гиперболический арккосинус"},
    {.name = "atanh", .index = 11, .run = InverseHyperbolicTangent, .realForm = RealForm::kRule,
     .rule = FunctionRule::kInverseHyperbolicTangent,
     .listPosition = 34, .english = "hyperbolic arc tangent",
     .russian = "гиперболический арктангенс"},
};

}  // namespace

std::span<const BuiltinFunction> TrigonometryFunctions() { return kRows; }

}  // namespace vr
