#include "engine/builtin_names.h"

namespace vr {

// Entries 12 and 24 are runs of underscores: identifiers start with a letter,
// so no line can name them, yet the later indexes keep their numbers.
const std::array<std::string_view, kBuiltinCount> kBuiltinNames = {
    "sin",      "cos",    "tan",       "asin",    "acos",    "atan",    "sinh",
    "cosh",     "tanh",   "asinh",     "acosh",   "atanh",   "_____",   "round",
    "frac",     "gcd",    "lcm",       "root",    "integral", "sqrt",   "abs",
    "ln",       "log",    "exp",       "______",  "odd",     "sqr",     "hms",
    "ratio",    "ceil",   "floor",     "solve",   "angle",   "conj",    "min",
    "max",      "avga",   "avgg",      "iif",     "solve3",  "eval",    "copy",
    "length",   "lower",  "upper",     "trim",    "strtodate", "year",  "month",
    "day",      "gettype", "maximum",  "minimum", "a2r",     "r2a",     "periodlen",
    "period",
};

int FindBuiltinFunction(std::string_view name) {
  for (int i = 0; i < kBuiltinCount; ++i) {
    if (kBuiltinNames[static_cast<std::size_t>(i)] == name) return i;
  }
  return -1;
}

}  // namespace vr
