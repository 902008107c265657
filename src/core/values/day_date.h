#pragma once

#include <cstdint>

namespace vr {

enum class DateStatus : std::int32_t { Valid = 0, Invalid = 1, Null = 2 };

// A calendar date as a day serial: whole days since 1899-12-30, the time of
// day as the fraction. Negative serials count backwards; as with the classic
// automation date, the fraction of a negative serial is still a positive time
// of day (-1.25 is 1899-12-29 06:00).
struct DayDate {
  double serial = 0.0;
  DateStatus status = DateStatus::Valid;

  // Builds a date at midnight; an impossible date gives status Invalid.
  static DayDate FromYmd(int year, int month, int day);
  static DayDate FromYmdHms(int year, int month, int day, int hour, int minute, int second);

  int Year() const;
  int Month() const;
  int Day() const;
  int Hour() const;
  int Minute() const;
  int Second() const;

  DayDate AddDays(double days) const;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The current local date and time. VADADERIVO_NOW=YYYY-MM-DDTHH:MM:SS fixes it,
// so that tests and scripted runs are repeatable.
DayDate CurrentLocalDateTime();

}  // namespace vr
