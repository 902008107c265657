#include "engine/named_constants.h"

#include <array>

#include "values/day_date.h"

namespace vr {

namespace {

constexpr std::array<std::string_view, kNamedConstantCount> kConstantNames = {
    "pi", "gold", "time", "date", "e_c", "e_m", "n_m", "p_m", "r_c", "k_c", "g_c", "h_c",
};

constexpr int kTimeIndex = 2;
constexpr int kDateIndex = 3;

// The physical constants keep the values users have always got from them,
// even where newer measurements differ in the last digits.
constexpr std::array<double, kNamedConstantCount> kRealValues = {
    3.141592653589793,  // pi
    1.618033988749895,  // gold: sqrt(5)/2 + 0.5
    0.0,                // time (read now)
    0.0,                // date (read now)
    1.6021892e-19,      // elementary charge
    9.109534e-31,       // electron mass
    1.6749543e-27,      // neutron mass
    1.6726485e-27,      // proton mass
    8.314413,           // gas constant
    1.380662e-23,       // Boltzmann
    6.672041e-11,       // gravitation
    6.6261764e-34,      // Planck
};

}  // namespace

int FindNamedConstant(std::string_view name) {
  for (int i = 0; i < kNamedConstantCount; ++i) {
    if (kConstantNames[static_cast<std::size_t>(i)] == name) return i;
  }
  return -1;
}

Value NamedConstantValue(int index) {
  if (index == kTimeIndex) {
    const DayDate now = CurrentLocalDateTime();
    return Value::MakeTime(now.Hour(), now.Minute(), now.Second());
  }
  if (index == kDateIndex) return Value::MakeDate(CurrentLocalDateTime());
  if (index < 0 || index >= kNamedConstantCount) return Value::MakeReal(0.0);
  return Value::MakeReal(kRealValues[static_cast<std::size_t>(index)]);
}

}  // namespace vr
