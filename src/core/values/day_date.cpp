#include "values/day_date.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace vr {

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr std::int64_t kSecondsPerDay = 86400;
// Serial 0 is 1899-12-30, so 1970-01-01 is serial 25569.
constexpr sys_days kOrigin{std::chrono::year{1899} / 12 / 30};
static_assert(kOrigin.time_since_epoch().count() == -25569);

// The calendar the dates cover: 0100-01-01 up to the end of 9999-12-31.
// Both ends lie well inside what std::chrono::year can hold.
constexpr std::int64_t SerialDay(sys_days date) { return (date - kOrigin).count(); }
constexpr std::int64_t kFirstDay = SerialDay(sys_days{std::chrono::year{100} / 1 / 1});
constexpr std::int64_t kLastDay = SerialDay(sys_days{std::chrono::year{9999} / 12 / 31});
static_assert(kFirstDay == -657434 && kLastDay == 2958465);
constexpr int kPartError = -1;

// A serial as it is stored puts the time of day after the point even for
// negative days (-1.25 is the day -1 at 06:00). The linear form is the plain
// number of days since the origin (-0.75 for that moment), where adding days
// is ordinary addition.
double ToLinear(double serial) {
  const double day = std::trunc(serial);
  return day + std::fabs(serial - day);
}

double FromLinear(double linear) {
  const double day = std::floor(linear);
  const double time = linear - day;
  return day >= 0 ? day + time : day - time;
}

double SerialFrom(std::int64_t day, std::int64_t secondsOfDay) {
  const double time = static_cast<double>(secondsOfDay) / kSecondsPerDay;
  const double d = static_cast<double>(day);
  return day >= 0 ? d + time : d - time;
}

struct Parts {
  bool ok;
  int year, month, day, hour, minute, second;
};

// Calendar and clock parts of a date, to the nearest second so that a time
// stored as 10:20:29.9999 reads 10:20:30 (and 23:59:59.9999 the next day).
Parts Decompose(const DayDate& date) {
  Parts p{false, kPartError, kPartError, kPartError, kPartError, kPartError, kPartError};
  if (date.status != DateStatus::Valid || !std::isfinite(date.serial)) return p;
  const double dayPart = std::trunc(date.serial);
  if (dayPart < kFirstDay - 1 || dayPart > kLastDay + 1) return p;
  std::int64_t day = static_cast<std::int64_t>(dayPart);
  std::int64_t seconds =
      static_cast<std::int64_t>(std::llround(std::fabs(date.serial - dayPart) * kSecondsPerDay));
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++day;
  }
  if (day < kFirstDay || day > kLastDay) return p;
  const year_month_day civil{kOrigin + days{day}};
  const std::chrono::hh_mm_ss clock{std::chrono::seconds{seconds}};
  p.ok = true;
  p.year = static_cast<int>(civil.year());
  p.month = static_cast<int>(static_cast<unsigned>(civil.month()));
  p.day = static_cast<int>(static_cast<unsigned>(civil.day()));
  p.hour = static_cast<int>(clock.hours().count());
  p.minute = static_cast<int>(clock.minutes().count());
  p.second = static_cast<int>(clock.seconds().count());
  return p;
}

bool DateIsPossible(int year, int month, int day) {
  return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

// Reads "YYYY-MM-DDTHH:MM:SS" exactly; anything else is refused.
bool ParseFixedNow(const char* text, DayDate& out) {
  static const char kShape[] = "dddd-dd-ddTdd:dd:dd";
  int fields[6] = {0, 0, 0, 0, 0, 0};
  int field = 0;
  for (int i = 0; kShape[i] != '\0'; ++i) {
    const char c = text[i];
    if (kShape[i] == 'd') {
      if (c < '0' || c > '9') return false;
      fields[field] = fields[field] * 10 + (c - '0');
    } else {
      if (c != kShape[i]) return false;
      ++field;
    }
  }
  if (text[sizeof(kShape) - 1] != '\0') return false;
  if (fields[3] > 23 || fields[4] > 59 || fields[5] > 59) return false;
  out = DayDate::FromYmdHms(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]);
  return out.status == DateStatus::Valid;
}

}  // namespace

// Written out rather than through std::chrono::year, which holds only
// -32767..32767: a date being read may carry any year before it is refused.
bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

DayDate DayDate::FromYmd(int year, int month, int day) {
  return FromYmdHms(year, month, day, 0, 0, 0);
}

DayDate DayDate::FromYmdHms(int year, int month, int day, int hour, int minute, int second) {
  DayDate d;
  if (!DateIsPossible(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59) {
    d.serial = 0.0;
    d.status = DateStatus::Invalid;
    return d;
  }
  // DateIsPossible has checked every part, so none wraps in the chrono types.
  const std::int64_t serialDay = SerialDay(sys_days{std::chrono::year{year} / month / day});
  d.serial = SerialFrom(serialDay, hour * 3600 + minute * 60 + second);
  return d;
}

int DayDate::Year() const { return Decompose(*this).year; }
int DayDate::Month() const { return Decompose(*this).month; }
int DayDate::Day() const { return Decompose(*this).day; }
int DayDate::Hour() const { return Decompose(*this).hour; }
int DayDate::Minute() const { return Decompose(*this).minute; }
int DayDate::Second() const { return Decompose(*this).second; }

DayDate DayDate::AddDays(double days) const {
  DayDate d = *this;
  d.serial = FromLinear(ToLinear(serial) + days);
  return d;
}

DayDate CurrentLocalDateTime() {
  // Read on every call, so that a test or a script run can change it.
  if (const char* fixed = std::getenv("VADADERIVO_NOW")) {
    DayDate d;
    if (ParseFixedNow(fixed, d)) return d;
  }
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return DayDate::FromYmdHms(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                             local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);
}

}  // namespace vr
