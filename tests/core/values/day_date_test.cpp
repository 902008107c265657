#include "values/day_date.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/values/value_description.h"
#include "values/value_text.h"

namespace vr {
namespace {

using testing::Describe;

DayDate AtSerial(double serial) {
  DayDate d;
  d.serial = serial;
  return d;
}

TEST(DayDate, SerialsAndTheirParts) {
  struct Case {
    double serial;
    const char* parts;
  };
  const Case cases[] = {
      {0, "1899-12-30 00:00:00"},          {2, "1900-01-01 00:00:00"},
      {61, "1900-03-01 00:00:00"},         {36585, "2000-02-29 00:00:00"},
      {-657434, "0100-01-01 00:00:00"},    {2958465, "9999-12-31 00:00:00"},
      {-1.25, "1899-12-29 06:00:00"},      {-0.25, "1899-12-30 06:00:00"},
      {2.75, "1900-01-01 18:00:00"},       {45366.0 + 37229.9996 / 86400, "2024-03-15 10:20:30"},
      {0.9999999999, "1899-12-31 00:00:00"}, {-1.9999999999, "1899-12-30 00:00:00"},
      {2958465.9999999, "-001--1--1 -1:-1:-1"}, {-657435, "-001--1--1 -1:-1:-1"},
      {-657435.9999999, "0100-01-01 00:00:00"},  // rounds up into the first day
  };
  for (const Case& c : cases) {
    const DayDate d = AtSerial(c.serial);
    EXPECT_EQ(Describe(d), c.parts) << c.serial;
    if (d.Year() > 0 && c.serial == std::floor(c.serial)) {
      EXPECT_EQ(DayDate::FromYmd(d.Year(), d.Month(), d.Day()).serial, c.serial) << c.parts;
    }
  }
  EXPECT_EQ(DayDate::FromYmdHms(1899, 12, 29, 6, 0, 0).serial, -1.25);
  EXPECT_EQ(DayDate::FromYmdHms(1899, 12, 30, 6, 0, 0).serial, 0.25);
}

// The calendar runs from 0100-01-01 to 9999-12-31 with the Gregorian leap
// rule; a date outside it, or one its month does not have, is refused.
TEST(DayDate, FromYmdRefusesImpossibleDates) {
  struct Case {
    int year, month, day;
    bool valid;
  };
  const Case cases[] = {
      {1900, 2, 29, false}, {2000, 2, 29, true},   {2100, 2, 29, false}, {2024, 2, 29, true},
      {2023, 4, 31, false}, {2023, 12, 31, true},  {2023, 0, 1, false},  {2023, 13, 1, false},
      {2023, 1, 0, false},  {99, 12, 31, false},   {100, 1, 1, true},    {9999, 12, 31, true},
      {10000, 1, 1, false}, {-2000, 1, 1, false},  {2023, 257, 1, false}, {2023, 1, 257, false},
      {2147483647, 2, 29, false},
  };
  for (const Case& c : cases) {
    const DayDate d = DayDate::FromYmd(c.year, c.month, c.day);
    EXPECT_EQ(d.status == DateStatus::Valid, c.valid) << c.year << "-" << c.month << "-" << c.day;
    if (c.valid) {
      EXPECT_EQ(d.Year(), c.year);
      EXPECT_EQ(d.Month(), c.month);
      EXPECT_EQ(d.Day(), c.day);
    }
  }
  EXPECT_EQ(DayDate::FromYmdHms(2023, 1, 1, 24, 0, 0).status, DateStatus::Invalid);
  EXPECT_EQ(DayDate::FromYmdHms(2023, 1, 1, 0, 0, 60).status, DateStatus::Invalid);
  EXPECT_EQ(DayDate::FromYmdHms(2023, 1, 1, 23, 59, 59).serial, 44927.0 + 86399.0 / 86400);
  EXPECT_EQ(DaysInMonth(2147483647, 2), 28);  // far outside any calendar, still answered
  EXPECT_EQ(DaysInMonth(-4, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

TEST(DayDate, AddDaysCountsAcrossTheOrigin) {
  struct Case {
    double serial, days, result;
  };
  const Case cases[] = {
      {0.25, -1, -1.25}, {-1.25, 1, 0.25}, {-1.25, -1, -2.25}, {0.5, -0.75, -1.75}, {-3, 1, -2},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(AtSerial(c.serial).AddDays(c.days).serial, c.result) << c.serial;
  }
}

// Impossible dates in the environment are refused too, so these rows check
// the calendar's bounds as well as the shape of the text.
TEST(DayDate, NowComesFromTheEnvironmentWhenWellFormed) {
  {
    testing::FixedNow now("2006-03-07T23:59:59");
    EXPECT_EQ(Describe(CurrentLocalDateTime()), "2006-03-07 23:59:59");
  }
  for (const char* text : {"2006-03-07 23:59:58", "2006-02-30T00:00:00", "2006-03-07T24:00:00",
                           "2006-03-07T23:59:58Z", "2006-3-7T23:59:58", "2023-02-29T00:00:00",
                           "2006-04-31T00:00:00", "2006-13-01T00:00:00", "0099-12-31T00:00:00", ""}) {
    testing::FixedNow now(text);
    EXPECT_GE(CurrentLocalDateTime().Year(), 2024) << text;
  }
}

}  // namespace
}  // namespace vr
