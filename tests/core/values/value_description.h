#pragma once

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "values/value.h"

namespace vr::testing {

// One line naming a value's kind and the payload of that kind, so that a
// table row can state a whole expected value as text.
inline std::string Describe(const Value& v) {
  char buffer[160];
  switch (v.kind) {
    case ValueKind::Real:
      std::snprintf(buffer, sizeof buffer, "Real %.17g", v.num.real);
      break;
    case ValueKind::Integer:
      std::snprintf(buffer, sizeof buffer, "Integer %.17g", v.num.real);
      break;
    case ValueKind::Fraction:
      std::snprintf(buffer, sizeof buffer, "Fraction %d %d %d", v.num.fraction.whole,
                    v.num.fraction.numerator, v.num.fraction.denominator);
      break;
    case ValueKind::Time:
      std::snprintf(buffer, sizeof buffer, "Time %d %d %d", v.num.time.hours, v.num.time.minutes,
                    v.num.time.seconds);
      break;
    case ValueKind::Complex:
      std::snprintf(buffer, sizeof buffer, "Complex %.17g %.17g", v.num.complex.re,
                    v.num.complex.im);
      break;
    case ValueKind::String:
      return "String [" + v.text + "]";
    case ValueKind::Date:
      std::snprintf(buffer, sizeof buffer, "Date %04d-%02d-%02d %02d:%02d:%02d%s", v.date.Year(),
                    v.date.Month(), v.date.Day(), v.date.Hour(), v.date.Minute(), v.date.Second(),
                    v.date.status == DateStatus::Valid ? "" : " invalid");
      break;
    default:
      std::snprintf(buffer, sizeof buffer, "kind %d", static_cast<int>(v.kind));
      break;
  }
  return buffer;
}

inline std::string Describe(const DayDate& d) { return Describe(Value::MakeDate(d)).substr(5); }

// Sets an environment variable for the life of the guard.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (saved_) {
      setenv(name_, saved_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

// The fixed "now" of the date tests: Friday 15 March 2024, 10:20:30.
inline constexpr const char* kFixedNow = "2024-03-15T10:20:30";

}  // namespace vr::testing
