#pragma once

#include <cstdint>
#include <string>

#include "values/day_date.h"
#include "values/value_kind.h"

namespace vr {

// A fraction is a whole part plus numerator / denominator. Negative fractions
// keep the denominator positive and carry the sign on the whole part, or on
// the numerator when the whole part is 0: -1\1\2 is (-1, 1, 2) and means
// -1.5; -1\2 is (0, -1, 2). The value is whole + numerator / denominator for
// a whole part >= 0 and whole - numerator / denominator for a negative one
// (FractionToDouble). Negating the whole part, or the numerator when the
// whole part is 0, negates the value, and the text "-1\1\2" reads back as
// the same number.
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
