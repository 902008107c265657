#include "values/value.h"

#include <cstring>
#include <utility>

namespace vr {

namespace {

// How many bytes of the shared numeric area belong to a kind. Copying only
// those bytes is what lets the other payload fields of the target keep what
// they held (a Real assigned over a Complex keeps the imaginary part).
std::size_t PayloadBytes(ValueKind kind) {
  switch (kind) {
    case ValueKind::Fraction:
    case ValueKind::Time:
      return sizeof(FractionParts);
    case ValueKind::Complex:
      return sizeof(ComplexParts);
    case ValueKind::String:
    case ValueKind::Date:
      return 0;
    default:
      return sizeof(double);
  }
}

}  // namespace

Value& Value::operator=(const Value& other) {
  if (this == &other) return *this;
  kind = other.kind;
  name = other.name;
  std::size_t bytes = PayloadBytes(other.kind);
  if (bytes != 0) std::memcpy(&num, &other.num, bytes);
  if (other.kind == ValueKind::String) text = other.text;
  if (other.kind == ValueKind::Date) date = other.date;
  return *this;
}

Value& Value::operator=(Value&& other) noexcept {
  if (this == &other) return *this;
  kind = other.kind;
  name = std::move(other.name);
  std::size_t bytes = PayloadBytes(other.kind);
  if (bytes != 0) std::memcpy(&num, &other.num, bytes);
  if (other.kind == ValueKind::String) text = std::move(other.text);
  if (other.kind == ValueKind::Date) date = other.date;
  return *this;
}

Value Value::MakeReal(double x) {
  Value v;
  v.kind = ValueKind::Real;
  v.num.real = x;
  return v;
}

Value Value::MakeInteger(double x) {
  Value v;
  v.kind = ValueKind::Integer;
  v.num.real = x;
  return v;
}

Value Value::MakeComplex(double re, double im) {
  Value v;
  v.kind = ValueKind::Complex;
  v.num.complex = ComplexParts{re, im};
  return v;
}

Value Value::MakeFraction(std::int32_t whole, std::int32_t numerator, std::int32_t denominator) {
  Value v;
  v.kind = ValueKind::Fraction;
  v.num.fraction = FractionParts{whole, numerator, denominator};
  return v;
}

Value Value::MakeTime(std::int32_t hours, std::int32_t minutes, std::int32_t seconds) {
  Value v;
  v.kind = ValueKind::Time;
  v.num.time = TimeParts{hours, minutes, seconds};
  return v;
}

Value Value::MakeString(std::string text) {
  Value v;
  v.kind = ValueKind::String;
  v.text = std::move(text);
  return v;
}

Value Value::MakeDate(DayDate date) {
  Value v;
  v.kind = ValueKind::Date;
  v.date = date;
  return v;
}

Value Value::MakeVariableRef(std::string name) {
  Value v;
  v.kind = ValueKind::VariableRef;
  v.name = std::move(name);
  return v;
}

}  // namespace vr
