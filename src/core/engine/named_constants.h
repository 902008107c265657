#pragma once

#include <string_view>

#include "values/value.h"

namespace vr {

constexpr int kNamedConstantCount = 12;

// pi, gold, time, date, e_c, e_m, n_m, p_m, r_c, k_c, g_c, h_c; -1 if absent.
int FindNamedConstant(std::string_view name);

// The constant's value at this moment (time and date are read now).
Value NamedConstantValue(int index);

}  // namespace vr
