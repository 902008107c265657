#include "operations/builtins/builtin_support.h"

#include <cmath>

#include "engine/value_stack.h"
#include "operations/operands.h"
#include "values/value_conversion.h"

namespace vr {

ErrorCode PopSingleParameter(const OperationCall& call, Value& x) {
  if (ErrorCode e = PopParameters(call, std::span<Value>(&x, 1))) return e;
  if (ErrorCode e = ResolveOperand(call, x)) return e;
  const int refuses = call.function != nullptr ? call.function->refuses : 0;
  if (x.kind == ValueKind::String && (refuses & kRefusesString) != 0) {
    return kInvalidStringOperation;
  }
  if (x.kind == ValueKind::Date && (refuses & kRefusesDate) != 0) return kInvalidDateOperation;
  return kOk;
}

ErrorCode PopParameters(const OperationCall& call, std::span<Value> kept) {
  const int n = call.argCount;
  if (n <= 0) return kOk;
  if (call.stack.Count() < n) return kStackEmpty;
  Value discarded;
  for (int i = n - 1; i >= 0; --i) {
    const auto slot = static_cast<std::size_t>(i);
    call.stack.Pop(slot < kept.size() ? kept[slot] : discarded);
  }
  return kOk;
}

double RealNumber(const Value& v) {
  if (v.kind == ValueKind::Real || v.kind == ValueKind::Integer) return v.num.real;
  if (v.kind == ValueKind::Complex) return v.num.complex.re;
  Value copy = v;
  ConvertValue(copy, ValueKind::Real);
  return copy.kind == ValueKind::Real ? copy.num.real : 0.0;
}

std::string TextOf(Value v) {
  ConvertValue(v, ValueKind::String);
  return v.kind == ValueKind::String ? std::move(v.text) : std::string();
}

ErrorCode TextParameter(Value v, std::string& text) {
  if (const ErrorCode e = NonFiniteCode(v)) return e;
  text = TextOf(std::move(v));
  return kOk;
}

ErrorCode PushComplex(const OperationCall& call, std::complex<double> z) {
  if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) return kFloatingPointOverflow;
  return PushResult(call, Value::MakeComplex(z.real(), z.imag()));
}

ErrorCode PushReal(const OperationCall& call, double x) {
  return PushResult(call, Value::MakeReal(x));
}

}  // namespace vr
