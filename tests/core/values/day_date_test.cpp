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
  };
  for (const Case& c : cases) {
    const DayDate d = AtSerial(c.serial);
    EXPECT_EQ(Describe(d), c.parts) << c.serial;
    if (d.Year() > 0 && c.serial == std::floor(c.serial)) {
      EXPECT_EQ(DayDate::FromYmd(d.Year(), d.Month(), d.Day()).serial, c.serial) << c.parts;
    }
  }
  EXPECT_EQ(DayDate::FromYmdHms(1899, 12, 29, 6, 0, 0).serial, -1.25);
}

TEST(DayDate, ImpossibleDatesAreInvalid) {
  struct Case {
    int y, m, d, hh, mm, ss;
  };
  const Case cases[] = {
      {2023, 2, 29, 0, 0, 0}, {2024, 13, 1, 0, 0, 0}, {2024, 4, 31, 0, 0, 0},
      {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0}, {2024, 1, 1, 24, 0, 0},
  };
  for (const Case& c : cases) {
    const DayDate d = DayDate::FromYmdHms(c.y, c.m, c.d, c.hh, c.mm, c.ss);
    EXPECT_EQ(d.status, DateStatus::Invalid) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(d.Year(), -1);
  }
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

TEST(DayDate, NowComesFromTheEnvironmentWhenWellFormed) {
  {
    testing::FixedNow now("2006-03-07T23:59:58");
    EXPECT_EQ(Describe(CurrentLocalDateTime()), "2006-03-07 23:59:58");
  }
  for (const char* text : {"2006-03-07 23:59:58", "2006-02-30T00:00:00", "2006-03-07T24:00:00",
                           "2006-03-07T23:59:58Z", "2006-3-7T23:59:58", ""}) {
    testing::FixedNow now(text);
    EXPECT_GE(CurrentLocalDateTime().Year(), 2024) << text;
  }
}

TEST(ParseDate, DayWordsKeepTheTimeOfDay) {
  testing::FixedNow now;
  struct Case {
    const char* text;
    const char* date;
  };
  const Case cases[] = {
      {"Today", "2024-03-15 10:20:30"},    {"n", "2024-03-15 10:20:30"},
      {"СЕГОДНЯ", "2024-03-15 10:20:30"},  {"С", "2024-03-15 10:20:30"},
      {"T", "2024-03-16 10:20:30"},        {"Завтра", "2024-03-16 10:20:30"},
      {"yesterday", "2024-03-14 10:20:30"}, {"в", "2024-03-14 10:20:30"},
      {"nowx", "2024-03-15 00:00:00"},     {"", "2024-03-15 00:00:00"},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(ParseDate(c.text, 0)), c.date) << c.text;
}

// Each row gives the date read in the three orders: day first, year first,
// month first. Parts not given come from 15 March 2024.
TEST(ParseDate, DigitsAndDigitGroupsInEachOrder) {
  testing::FixedNow now;
  struct Case {
    const char* text;
    const char* dates[3];
  };
  const Case cases[] = {
      {"7", {"2024-03-07", "2024-03-07", "2024-03-07"}},
      {"703", {"2024-03-07", "2024-12-03", "2024-12-03"}},
      {"0307", {"2024-07-03", "2024-03-07", "2024-03-07"}},
      {"07032", {"0101-03-07", "0703-02-01", "0101-07-03"}},
      {"070306", {"0101-03-07", "0101-03-06", "0101-07-03"}},
      {"7032006", {"2006-03-07", "7032-01-06", "2006-12-03"}},
      {"20060307", {"0307-06-20", "2006-03-07", "0307-12-06"}},
      {"0703200612", {"2006-03-07", "0703-12-06", "-001--1--1"}},
      {"7.3.2006", {"2006-03-07", "0101-03-31", "2006-07-03"}},
      {"7/3", {"2024-03-07", "2024-07-03", "2024-07-03"}},
      {"x7y", {"2024-03-07", "2024-03-07", "2024-03-07"}},
      {"1.2.3.4", {"0101-02-01", "0101-02-03", "0101-01-02"}},
      {"31.2.2023", {"2023-02-28", "0101-02-28", "2023-12-02"}},
      {"29.2.2024", {"2024-02-29", "0101-02-28", "2024-12-02"}},
      {"29.2.1900", {"1900-02-28", "0101-02-28", "1900-12-02"}},
      {"0.0.2000", {"2000-01-01", "0101-01-31", "2000-01-01"}},
      {"-5.-3.-1999", {"1999-03-05", "0101-03-31", "1999-05-03"}},
  };
  for (const Case& c : cases) {
    for (int order = 0; order < 3; ++order) {
      const std::string date = Describe(ParseDate(c.text, order));
      EXPECT_EQ(date.substr(0, 10), c.dates[order]) << c.text << " in order " << order;
      if (date[0] != '-') {
        EXPECT_EQ(date.substr(11), "00:00:00") << c.text;
      }
    }
  }
}

}  // namespace
}  // namespace vr
