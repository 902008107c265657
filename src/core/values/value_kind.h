#pragma once

#include <cstdint>

namespace vr {

// The codes are stored in tokens and compared by number, so they are fixed.
// 7 is deliberately unused.
enum class ValueKind : std::int32_t {
  Real = 0,
  Fraction = 1,
  Time = 2,
  Complex = 3,
  Integer = 4,
  VariableRef = 5,
  ConstantRef = 6,
  String = 8,
  Date = 9,
};

// The Integer kind, and every part of a fraction or a time, is a 32-bit whole
// number: a result that reaches kIntegerMax leaves the kind (it becomes Real,
// or an overflow), and readers and conversions saturate at these two.
inline constexpr std::int32_t kIntegerMax = 2147483647;  // 2^31-1
inline constexpr std::int32_t kIntegerMin = -kIntegerMax - 1;

}  // namespace vr
