#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "values/value.h"

namespace vr::testing {

// A value's kind and the payload of that kind as one line, so that a table
// row can state a whole expected value.
inline std::string Describe(const Value& v) {
  char b[160];
  const auto& f = v.num.fraction;
  switch (v.kind) {
    case ValueKind::Real: std::snprintf(b, sizeof b, "Real %.17g", v.num.real); break;
    case ValueKind::Integer: std::snprintf(b, sizeof b, "Integer %.17g", v.num.real); break;
    case ValueKind::Fraction:
      std::snprintf(b, sizeof b, "Fraction %d %d %d", f.whole, f.numerator, f.denominator);
      break;
    case ValueKind::Time:
      std::snprintf(b, sizeof b, "Time %d %d %d", f.whole, f.numerator, f.denominator);
      break;
    case ValueKind::Complex:
      std::snprintf(b, sizeof b, "Complex %.17g %.17g", v.num.complex.re, v.num.complex.im);
      break;
    case ValueKind::String: return "String [" + v.text + "]";
    case ValueKind::Date:
      std::snprintf(b, sizeof b, "Date %04d-%02d-%02d %02d:%02d:%02d%s", v.date.Year(),
                    v.date.Month(), v.date.Day(), v.date.Hour(), v.date.Minute(), v.date.Second(),
                    v.date.status == DateStatus::Valid ? "" : " invalid");
      break;
    default: std::snprintf(b, sizeof b, "kind %d", static_cast<int>(v.kind)); break;
  }
  return b;
}

inline std::string Describe(const DayDate& d) { return Describe(Value::MakeDate(d)).substr(5); }

// Fixes the current date and time for the life of the guard.
class FixedNow {
 public:
  explicit FixedNow(const char* when = "2024-03-15T10:20:30") {
    if (const char* old = std::getenv("VADADERIVO_NOW")) saved_ = old;
    setenv("VADADERIVO_NOW", when, 1);
  }
  ~FixedNow() {
    if (saved_.empty()) {
      unsetenv("VADADERIVO_NOW");
    } else {
      setenv("VADADERIVO_NOW", saved_.c_str(), 1);
    }
  }
  FixedNow(const FixedNow&) = delete;
  FixedNow& operator=(const FixedNow&) = delete;

 private:
  std::string saved_;
};

}  // namespace vr::testing
