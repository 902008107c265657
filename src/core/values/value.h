#pragma once

#include <cstdint>
#include <string>

#include "values/day_date.h"
#include "values/value_kind.h"

namespace vr {

struct FractionParts {
  std::int32_t whole;
  std::int32_t numerator;
  std::int32_t denominator;
};

struct TimeParts {
  std::int32_t hours;
  std::int32_t minutes;
  std::int32_t seconds;
};

struct ComplexParts {
  double re;
  double im;
};

// The numeric kinds share one 16-byte area.
union NumericPayload {
  double real;  // Real, Integer
  ComplexParts complex;
  FractionParts fraction;
  TimeParts time;
};

// One number, time, date or text. Values are copied by value everywhere.
//
// Assignment copies the kind, the name and only the payload of the source's
// kind; the target's other payload fields keep what they held. Besides being
// the documented rule, it keeps assignment of numbers free of string copies.
struct Value {
  ValueKind kind = ValueKind::Real;
  NumericPayload num{0.0};
  std::string text;
  DayDate date;
  std::string name;

  Value() = default;
  Value(const Value&) = default;
  Value(Value&&) noexcept = default;
  Value& operator=(const Value& other);
  Value& operator=(Value&& other) noexcept;

  static Value MakeReal(double x);
  static Value MakeInteger(double x);
  static Value MakeComplex(double re, double im);
  static Value MakeFraction(std::int32_t whole, std::int32_t numerator, std::int32_t denominator);
  static Value MakeTime(std::int32_t hours, std::int32_t minutes, std::int32_t seconds);
  static Value MakeString(std::string text);
  static Value MakeDate(DayDate date);
  static Value MakeVariableRef(std::string name);

  bool IsNumberKind() const { return kind == ValueKind::Real || kind == ValueKind::Integer; }
};

}  // namespace vr
