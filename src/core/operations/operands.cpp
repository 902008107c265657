#include "operations/operands.h"

#include <cmath>
#include <cstdint>

#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "engine/value_stack.h"
#include "operations/operators/operator_families.h"
#include "values/value_conversion.h"

namespace vr {

// ---- Operands on the stack -------------------------------------------------

ErrorCode RequireOperands(const OperationCall& call, int needed) {
  return call.stack.Count() < needed ? kStackEmpty : kOk;
}

ErrorCode ResolveOperand(const OperationCall& call, Value& v) {
  if (v.kind != ValueKind::VariableRef) return kOk;
  return call.engine.ResolveOperand(v);
}

ErrorCode PopRaw(const OperationCall& call, Value& out) {
  return call.stack.Pop(out) < 0 ? kStackEmpty : kOk;
}

ErrorCode PopOperand(const OperationCall& call, Value& out) {
  if (ErrorCode e = PopRaw(call, out)) return e;
  return ResolveOperand(call, out);
}

ErrorCode PopUnary(const OperationCall& call, Value& operand) {
  if (ErrorCode e = RequireOperands(call, 1)) return e;
  return PopOperand(call, operand);
}

ErrorCode PopBinary(const OperationCall& call, Value& left, Value& right) {
  if (ErrorCode e = RequireOperands(call, 2)) return e;
  call.stack.Pop(right);
  call.stack.Pop(left);
  if (ErrorCode e = ResolveOperand(call, left)) return e;
  return ResolveOperand(call, right);
}

ErrorCode PushResult(const OperationCall& call, const Value& v) {
  return call.stack.Push(v) < 0 ? kStackOverflow : kOk;
}

ErrorCode FailNamed(ErrorCode code, const char* operationName) {
  ErrorName() = operationName;
  return code;
}

ErrorCode ApplyOperator(const OperationCall& call, OperatorCode code) {
  const int index = static_cast<int>(code);
  if (index < 0 || index >= kOperatorCodeCount) return kErrorInExpression;
  const OperationEntry& entry = OperatorTable().operators[static_cast<std::size_t>(index)];
  if (entry.run == nullptr) return kErrorInExpression;
  const OperationCall inner{call.engine, call.stack, call.argCount, entry.extra, call.tokenText,
                            nullptr};
  return entry.run(inner);
}

// ---- One kind for two operands ---------------------------------------------

ValueKind CommonKind(const Value& a, const Value& b) {
  if (a.kind == b.kind) return a.kind;
  for (ValueKind dominant : {ValueKind::String, ValueKind::Date, ValueKind::Complex}) {
    if (a.kind == dominant || b.kind == dominant) return dominant;
  }
  const bool aReal = a.kind == ValueKind::Real;
  const bool bReal = b.kind == ValueKind::Real;
  const bool aWhole = aReal && IsInteger(a.num.real);
  const bool bWhole = bReal && IsInteger(b.num.real);
  if ((aReal && !aWhole) || (bReal && !bWhole)) return ValueKind::Real;
  if (!aWhole) return a.kind;
  return bWhole ? ValueKind::Real : b.kind;
}

ValueKind UnifyOperands(Value& x, Value& y) {
  const ValueKind k = CommonKind(x, y);
  if (x.kind != k) ConvertValue(x, k);
  if (y.kind != k) ConvertValue(y, k);
  return k;
}

// ---- Exact fractions --------------------------------------------------------

namespace {

// Sums and products of two improper fractions need up to 126 bits before
// they are reduced.
__extension__ using Wide = __int128;

Wide Magnitude(Wide x) { return x < 0 ? -x : x; }

// std::gcd takes only the standard integer types, which __int128 is not
// under strict C++20.
Wide Gcd(Wide a, Wide b) {
  while (b != 0) {
    const Wide r = a % b;
    a = b;
    b = r;
  }
  return a;
}

ErrorCode WideToFraction(Wide p, Wide q, FractionParts& out) {
  if (q == 0) return kDivisionByZero;
  const bool negative = p != 0 && ((p < 0) != (q < 0));
  Wide ap = Magnitude(p);
  Wide aq = Magnitude(q);
  const Wide g = Gcd(ap, aq);
  if (g > 1) {
    ap /= g;
    aq /= g;
  }
  Wide whole = 0;
  Wide numerator = ap;
  if (ap > aq) {
    whole = ap / aq;
    numerator = ap % aq;
  }
  if (whole > kIntegerMax || numerator > kIntegerMax || aq > kIntegerMax) return kIntegerOverflow;
  out.whole = static_cast<std::int32_t>(whole);
  out.numerator = static_cast<std::int32_t>(numerator);
  out.denominator = static_cast<std::int32_t>(aq);
  if (negative) {
    if (out.whole != 0) {
      out.whole = -out.whole;
    } else {
      out.numerator = -out.numerator;
    }
  }
  return kOk;
}

}  // namespace

Rational FractionToRational(const FractionParts& f) {
  std::int64_t w = f.whole;
  std::int64_t n = f.numerator;
  std::int64_t d = f.denominator;
  if (n == 0 || d == 0) return {w, 1};
  if (d < 0) {
    n = -n;
    d = -d;
  }
  // The whole part carries the sign of the whole fraction.
  return {w < 0 ? w * d - n : w * d + n, d};
}

ErrorCode AddFractions(const FractionParts& a, const FractionParts& b, FractionParts& out) {
  const Rational ra = FractionToRational(a);
  const Rational rb = FractionToRational(b);
  const Wide p = Wide{ra.num} * rb.den + Wide{rb.num} * ra.den;
  const Wide q = Wide{ra.den} * rb.den;
  return WideToFraction(p, q, out);
}

ErrorCode MultiplyFractions(const FractionParts& a, const FractionParts& b, FractionParts& out) {
  const Rational ra = FractionToRational(a);
  const Rational rb = FractionToRational(b);
  return WideToFraction(Wide{ra.num} * rb.num, Wide{ra.den} * rb.den, out);
}

ErrorCode DivideFractions(const FractionParts& a, const FractionParts& b, FractionParts& out) {
  const Rational ra = FractionToRational(a);
  const Rational rb = FractionToRational(b);
  if (rb.num == 0) return kDivisionByZero;
  return WideToFraction(Wide{ra.num} * rb.den, Wide{ra.den} * rb.num, out);
}

ErrorCode NegateFraction(const FractionParts& f, FractionParts& out) {
  out = f;
  std::int32_t& carrier = f.whole != 0 ? out.whole : out.numerator;
  if (carrier == kIntegerMin) return kIntegerOverflow;
  carrier = -carrier;
  return kOk;
}

}  // namespace vr
