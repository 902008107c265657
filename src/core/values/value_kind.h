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

}  // namespace vr
