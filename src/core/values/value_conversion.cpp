#include "values/value_conversion.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "options/options_record.h"
#include "values/value_text.h"

namespace vr {

namespace {

// A whole number held in 64 bits, brought into 32 bits the way Trunc32
// brings a double.
std::int32_t Saturate32(std::int64_t x) {
  if (x > kIntegerMax) return kIntegerMax;
  if (x < kIntegerMin) return kIntegerMin;
  return static_cast<std::int32_t>(x);
}

// Turns whole + numerator / denominator (denominator > 0), as the time and
// date conversions compute it, into the stored sign convention of fractions,
// keeping the value: -2 + 18/24 becomes (-1, 6, 24), -1 + 18/24 (0, -6, 24).
FractionParts FractionFromSum(std::int32_t whole, std::int32_t numerator,
                              std::int32_t denominator) {
  if (whole >= 0 || numerator == 0 || denominator <= 0) {
    return FractionParts{whole, numerator, denominator};
  }
  const std::int64_t total = std::int64_t{whole} * denominator + numerator;
  if (total >= 0) {
    return FractionParts{Saturate32(total / denominator),
                         static_cast<std::int32_t>(total % denominator), denominator};
  }
  const std::int64_t magnitude = -total;
  const std::int32_t w = Saturate32(-(magnitude / denominator));
  const auto n = static_cast<std::int32_t>(magnitude % denominator);
  return FractionParts{w, w == 0 ? -n : n, denominator};
}

void SetFraction(Value& v, FractionParts f) {
  v.kind = ValueKind::Fraction;
  v.num.fraction = f;
}

void SetTime(Value& v, std::int32_t h, std::int32_t m, std::int32_t s) {
  v.kind = ValueKind::Time;
  v.num.time = TimeParts{h, m, s};
}

void SetNumber(Value& v, ValueKind kind, double x) {
  v.kind = kind;
  v.num.real = x;
}

void SetComplex(Value& v, double re, double im) {
  v.kind = ValueKind::Complex;
  v.num.complex = ComplexParts{re, im};
}

void SetString(Value& v, std::string text) {
  v.kind = ValueKind::String;
  v.text = std::move(text);
}

void SetDateSerial(Value& v, double serial) {
  v.kind = ValueKind::Date;
  v.date.serial = serial;
  v.date.status = DateStatus::Valid;
}

// x counted in seconds, split into hours, minutes and seconds with floor
// division, so a negative count gives negative hours and positive minutes.
// This is the conversion's own rule; time arithmetic uses SecondsToTime.
void FloorSecondsToTime(Value& v, double x) {
  const std::int32_t h = Trunc32(std::floor(x / 3600));
  const std::int32_t m = Trunc32(std::floor((x - 3600.0 * h) / 60));
  const std::int32_t s = Trunc32(x - 3600.0 * h - 60.0 * m);
  SetTime(v, h, m, s);
}


ErrorCode FromReal(Value& v, ValueKind target) {
  const double x = v.num.real;
  const bool tooLarge = !(x <= kIntegerMax);  // NaN included
  switch (target) {
    case ValueKind::Fraction:
      if (tooLarge) return kIntegerOverflow;
      SetFraction(v, FractionParts{Trunc32(x), 0, 0});
      return kOk;
    case ValueKind::Time:
      if (tooLarge) return kIntegerOverflow;
      FloorSecondsToTime(v, x);
      return kOk;
    case ValueKind::Complex:
      SetComplex(v, x, 0.0);
      return kOk;
    case ValueKind::Integer:
      if (IsInteger(x)) {
        v.kind = ValueKind::Integer;
        return kOk;
      }
      if (tooLarge) return kIntegerOverflow;
      SetNumber(v, ValueKind::Integer, RoundHalfAway(x));
      return kOk;
    case ValueKind::String:
      SetString(v, FormatNumber(x));
      return kOk;
    case ValueKind::Date:
      SetDateSerial(v, Trunc32(std::floor(x)));
      return kOk;
    default:
      return kOk;
  }
}

ErrorCode FromFraction(Value& v, ValueKind target) {
  const FractionParts f = v.num.fraction;
  switch (target) {
    case ValueKind::Real:
      SetNumber(v, ValueKind::Real, FractionToDouble(f));
      return kOk;
    case ValueKind::Complex:
      SetComplex(v, FractionToDouble(f), 0.0);
      return kOk;
    case ValueKind::Integer:
      SetNumber(v, ValueKind::Integer, f.whole);
      return kOk;
    case ValueKind::Time:
      FloorSecondsToTime(v, f.whole);
      return kOk;
    case ValueKind::String:
      SetString(v, FormatTriple('\\', f.whole, f.numerator, f.denominator));
      return kOk;
    case ValueKind::Date:
      SetDateSerial(v, f.whole);
      return kOk;
    default:
      return kOk;
  }
}

ErrorCode FromTime(Value& v, ValueKind target) {
  const TimeParts t = v.num.time;
  switch (target) {
    case ValueKind::Real:
    case ValueKind::Integer:
      SetNumber(v, target, TimeToSeconds(t));
      return kOk;
    case ValueKind::Fraction: {
      const std::int32_t minutes = Saturate32(std::int64_t{60} * t.hours + t.minutes);
      SetFraction(v, FractionFromSum(minutes, t.seconds, 60));
      return kOk;
    }
    case ValueKind::Complex:
      SetComplex(v, TimeToSeconds(t), 0.0);
      return kOk;
    case ValueKind::String:
      SetString(v, FormatTriple(':', t.hours, t.minutes, t.seconds));
      return kOk;
    case ValueKind::Date:
      SetDateSerial(v, Trunc32(RoundHalfAway(t.hours / 24.0)));
      return kOk;
    default:
      return kOk;
  }
}

ErrorCode FromComplex(Value& v, ValueKind target) {
  const ComplexParts c = v.num.complex;
  switch (target) {
    case ValueKind::String: {
      std::string text = FormatNumber(c.re);
      text += c.im >= 0 ? "+i" : "-i";
      text += FormatNumber(std::fabs(c.im));
      SetString(v, std::move(text));
      return kOk;
    }
    case ValueKind::Date:
      SetDateSerial(v, Trunc32(std::sqrt(c.re * c.re + c.im * c.im)));
      return kOk;
    case ValueKind::Real:
    case ValueKind::Fraction:
    case ValueKind::Time:
    case ValueKind::Integer: {
      if (c.im != 0) return kInvalidComplexTypecast;
      SetNumber(v, ValueKind::Real, c.re);
      const ErrorCode code = FromReal(v, target);
      // A failing conversion from Real touches nothing, so only the first step
      // has to be undone.
      if (code != kOk) SetComplex(v, c.re, c.im);
      return code;
    }
    default:
      return kOk;
  }
}

ErrorCode FromInteger(Value& v, ValueKind target) {
  const double x = v.num.real;
  switch (target) {
    case ValueKind::Real:
      v.kind = ValueKind::Real;
      return kOk;
    case ValueKind::Fraction:
      SetFraction(v, FractionParts{Trunc32(x), 0, 0});
      return kOk;
    case ValueKind::Time:
      FloorSecondsToTime(v, x);
      return kOk;
    case ValueKind::Complex:
      SetComplex(v, x, 0.0);
      return kOk;
    case ValueKind::String:
      SetString(v, std::to_string(Trunc32(x)));
      return kOk;
    case ValueKind::Date:
      SetDateSerial(v, Trunc32(std::floor(x)));
      return kOk;
    default:
      return kOk;
  }
}

ErrorCode FromString(Value& v, ValueKind target) {
  switch (target) {
    case ValueKind::Real:
      SetNumber(v, ValueKind::Real, Atof(v.text));
      return kOk;
    case ValueKind::Integer:
      SetNumber(v, ValueKind::Integer, Atoi(v.text));
      return kOk;
    case ValueKind::Fraction:
      // Text is read exactly as the literals are.
      SetFraction(v, ParseFraction(v.text).num.fraction);
      return kOk;
    case ValueKind::Time: {
      const TimeParts t = ParseTime(v.text).num.time;
      SetTime(v, t.hours, t.minutes, t.seconds);
      return kOk;
    }
    case ValueKind::Complex: {
      const Value c = ParseComplex(v.text);
      SetComplex(v, c.num.complex.re, c.num.complex.im);
      return kOk;
    }
    case ValueKind::Date: {
      const DayDate d = ParseDate(v.text, Options().dateFormat);
      v.kind = ValueKind::Date;
      v.date = d;
      return kOk;
    }
    default:
      return kOk;
  }
}

ErrorCode FromDate(Value& v, ValueKind target) {
  const DayDate d = v.date;
  const double s = d.serial;
  switch (target) {
    case ValueKind::Real:
      SetNumber(v, ValueKind::Real, s);
      return kOk;
    case ValueKind::Integer:
      // Deliberately a Real: a date's whole-day count is an ordinary number.
      SetNumber(v, ValueKind::Real, Trunc32(std::floor(s)));
      return kOk;
    case ValueKind::Fraction: {
      const double day = std::floor(s);
      const std::int32_t hours = Trunc32(RoundHalfAway((s - day) * 24));
      SetFraction(v, FractionFromSum(Trunc32(day), hours, 24));
      return kOk;
    }
    case ValueKind::Time:
      SetTime(v, d.Hour(), d.Minute(), d.Second());
      return kOk;
    case ValueKind::Complex:
      SetComplex(v, s, 0.0);
      return kOk;
    case ValueKind::String:
      SetString(v, FormatDate(d, Options().dateFormat));
      return kOk;
    default:
      return kOk;
  }
}

}  // namespace

ErrorCode ConvertValue(Value& v, ValueKind target) {
  if (v.kind == target) return kOk;
  switch (v.kind) {
    case ValueKind::Real:
      return FromReal(v, target);
    case ValueKind::Fraction:
      return FromFraction(v, target);
    case ValueKind::Time:
      return FromTime(v, target);
    case ValueKind::Complex:
      return FromComplex(v, target);
    case ValueKind::Integer:
      return FromInteger(v, target);
    case ValueKind::String:
      return FromString(v, target);
    case ValueKind::Date:
      return FromDate(v, target);
    default:
      return kOk;
  }
}

ErrorCode NonFiniteCode(const Value& v) {
  double parts[2] = {0.0, 0.0};
  switch (v.kind) {
    case ValueKind::Real:
    case ValueKind::Integer:
      parts[0] = v.num.real;
      break;
    case ValueKind::Complex:
      parts[0] = v.num.complex.re;
      parts[1] = v.num.complex.im;
      break;
    default:
      return kOk;
  }
  if (std::isnan(parts[0]) || std::isnan(parts[1])) return kResultNotANumber;
  if (std::isinf(parts[0]) || std::isinf(parts[1])) return kResultInfinite;
  return kOk;
}

bool IsInteger(double x) {
  double whole;
  return std::modf(x, &whole) == 0.0 && x < kIntegerMax;
}

double RoundHalfAway(double x) {
  if (std::isnan(x)) return x;
  const double a = std::fabs(x);
  const double down = std::floor(a);
  const double r = a - down >= 0.5 ? down + 1 : down;
  return SignOf(x) * r;
}

int SignOf(double x) {
  if (x > 0) return 1;
  if (x < 0) return -1;
  return 0;
}

bool ValuesEqual(const Value& a, const Value& b) {
  if (a.kind != b.kind) return false;
  switch (a.kind) {
    case ValueKind::Real:
    case ValueKind::Integer:
      return a.num.real == b.num.real;
    case ValueKind::Fraction:
    case ValueKind::Time:
      return a.num.fraction.whole == b.num.fraction.whole &&
             a.num.fraction.numerator == b.num.fraction.numerator &&
             a.num.fraction.denominator == b.num.fraction.denominator;
    case ValueKind::Complex:
      return a.num.complex.re == b.num.complex.re && a.num.complex.im == b.num.complex.im;
    case ValueKind::String:
      return a.text == b.text;
    case ValueKind::Date:
      return a.date.Year() == b.date.Year() && a.date.Month() == b.date.Month() &&
             a.date.Day() == b.date.Day();
    default:
      return false;
  }
}

double TimeToSeconds(const TimeParts& t) {
  return 3600.0 * t.hours + 60.0 * t.minutes + static_cast<double>(t.seconds);
}

TimeParts SecondsToTime(double seconds) {
  const bool negative = seconds <= 0;
  const double u = negative ? -seconds : seconds;
  TimeParts t{};
  t.hours = Trunc32(std::floor(u / 3600.0));
  t.minutes = Trunc32((u - 3600.0 * t.hours) / 60.0);
  t.seconds = Trunc32(u - 3600.0 * t.hours - 60.0 * t.minutes);
  if (negative) {
    // u >= 0 here, so every part is at least 0 and its negation fits.
    t.hours = -t.hours;
    t.minutes = -t.minutes;
    t.seconds = -t.seconds;
  }
  return t;
}

std::int32_t Trunc32(double x) {
  if (std::isnan(x)) return 0;
  if (x >= kIntegerMax) return kIntegerMax;
  if (x <= kIntegerMin) return kIntegerMin;
  return static_cast<std::int32_t>(x);
}

double FractionToDouble(const FractionParts& f) {
  if (f.numerator == 0 || f.denominator == 0) return f.whole;
  const double part = static_cast<double>(f.numerator) / f.denominator;
  return f.whole < 0 ? f.whole - part : f.whole + part;
}

}  // namespace vr
