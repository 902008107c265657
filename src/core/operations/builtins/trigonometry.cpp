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
  if (ErrorCode e = RejectTextAndDate(x)) return e;
  double y = 0.0;
  const ErrorCode e = RealSineCosine(RealNumber(x), sine, RadianMode(), y);
  return PushRealRule(call, e, y);
}

ErrorCode Tangent(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Complex) return PushComplex(call, std::tan(ComplexOf(x)));
  if (ErrorCode e = RejectTextAndDate(x)) return e;
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
  if (ErrorCode e = RejectTextAndDate(x)) return e;
  double y = 0.0;
  const ErrorCode e = RealArcTangent(RealNumber(x), RadianMode(), y);
  return PushRealRule(call, e, y);
}

// extra: the built-in index of sinh, cosh or tanh.
ErrorCode Hyperbolic(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Complex) {
    const Complex z = ComplexOf(x);
    switch (call.extra) {
      case kFnSinh: return PushComplex(call, std::sinh(z));
      case kFnCosh: return PushComplex(call, std::cosh(z));
      default: return PushComplex(call, std::tanh(z));
    }
  }
  if (ErrorCode e = RejectTextAndDate(x)) return e;
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

constexpr BuiltinRow kRows[] = {
    {kFnSin, SineCosine, 1, true},
    {kFnCos, SineCosine, 0, true},
    {kFnTan, Tangent, 0, true},
    {kFnAsin, ArcSineCosine, 1, true},
    {kFnAcos, ArcSineCosine, 0, true},
    {kFnAtan, ArcTangent, 0, true},
    {kFnSinh, Hyperbolic, kFnSinh, true},
    {kFnCosh, Hyperbolic, kFnCosh, true},
    {kFnTanh, Hyperbolic, kFnTanh, true},
    {kFnAsinh, InverseHyperbolic, 1, true},
    {kFnAcosh, InverseHyperbolic, 0, true},
    {kFnAtanh, InverseHyperbolicTangent, 0, true},
};

}  // namespace

void RegisterTrigonometryFunctions(OperationTable& table) { InstallBuiltins(table, kRows); }

}  // namespace vr
