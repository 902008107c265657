// sin, cos, tan and their inverses (in degrees or radians), the hyperbolic
// functions and their inverses. Complex arguments take the principal values
// of the standard library and ignore the angle unit.

#include <cmath>
#include <complex>

#include "operations/builtins/builtin_support.h"
#include "operations/operands.h"

namespace vr {

namespace {

using Complex = std::complex<double>;

Complex ComplexOf(const Value& v) { return {v.num.complex.re, v.num.complex.im}; }

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
  const double a = AngleToRadians(RealNumber(x));
  return PushReal(call, sine ? std::sin(a) : std::cos(a));
}

ErrorCode Tangent(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Complex) return PushComplex(call, std::tan(ComplexOf(x)));
  if (ErrorCode e = RejectTextAndDate(x)) return e;
  const double a = AngleToRadians(RealNumber(x));
  // Only an exact zero counts: the cosine of a rounded pi/2 is not one, so
  // tan(90) in degrees is a huge number rather than an error.
  if (std::cos(a) == 0.0) return kDivisionByZero;
  return PushReal(call, std::tan(a));
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
    if (!(std::fabs(r) > 1)) return PushReal(call, RadiansToAngle(sine ? std::asin(r) : std::acos(r)));
    z = Complex(r, 0.0);
  }
  return PushComplex(call, sine ? std::asin(z) : std::acos(z));
}

ErrorCode ArcTangent(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Complex) return PushComplex(call, std::atan(ComplexOf(x)));
  if (ErrorCode e = RejectTextAndDate(x)) return e;
  return PushReal(call, RadiansToAngle(std::atan(RealNumber(x))));
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
  const double r = RealNumber(x);
  double y = 0.0;
  switch (call.extra) {
    case kFnSinh: y = std::sinh(r); break;
    case kFnCosh: y = std::cosh(r); break;
    default: y = std::tanh(r); break;
  }
  if (std::isinf(y) && !std::isinf(r)) return kFloatingPointOverflow;
  return PushReal(call, y);
}

// extra: 1 for asinh, 0 for acosh. The real formula is tried first; where
// it has no finite value (acosh below 1, cancellation in asinh of a large
// negative number) the complex function answers.
ErrorCode InverseHyperbolic(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  const bool sine = call.extra != 0;
  Complex z;
  if (x.kind == ValueKind::Complex) {
    z = ComplexOf(x);
  } else {
    const double r = RealNumber(x);
    const double y = sine ? std::log(r + std::sqrt(r * r + 1)) : std::log(r + std::sqrt(r * r - 1));
    if (std::isfinite(y)) return PushReal(call, y);
    z = Complex(r, 0.0);
  }
  return PushComplex(call, sine ? std::asinh(z) : std::acosh(z));
}

ErrorCode InverseHyperbolicTangent(const OperationCall& call) {
  Value x;
  if (ErrorCode e = PopSingleParameter(call, x)) return e;
  if (x.kind == ValueKind::Complex) return PushComplex(call, std::atanh(ComplexOf(x)));
  const double r = RealNumber(x);
  if (r == 1.0 || r == -1.0) return kFloatingPointOverflow;
  return PushReal(call, 0.5 * std::log((1 + r) / (1 - r)));
}

constexpr BuiltinRow kRows[] = {
    {kFnSin, SineCosine, 1},
    {kFnCos, SineCosine, 0},
    {kFnTan, Tangent, 0},
    {kFnAsin, ArcSineCosine, 1},
    {kFnAcos, ArcSineCosine, 0},
    {kFnAtan, ArcTangent, 0},
    {kFnSinh, Hyperbolic, kFnSinh},
    {kFnCosh, Hyperbolic, kFnCosh},
    {kFnTanh, Hyperbolic, kFnTanh},
    {kFnAsinh, InverseHyperbolic, 1},
    {kFnAcosh, InverseHyperbolic, 0},
    {kFnAtanh, InverseHyperbolicTangent, 0},
};

}  // namespace

void RegisterTrigonometryFunctions(OperationTable& table) { InstallBuiltins(table, kRows); }

}  // namespace vr
