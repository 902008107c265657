#include "values/day_date.h"

#include <gtest/gtest.h>

#include "core/values/value_description.h"
#include "values/value_text.h"

namespace vr {
namespace {

using testing::Describe;
using testing::ScopedEnv;

DayDate AtSerial(double serial) {
  DayDate d;
  d.serial = serial;
  return d;
}

TEST(DayDate, SerialOfACalendarDate) {
  struct Row {
    int y, m, d;
    double serial;
  };
  const Row rows[] = {
      {1899, 12, 30, 0},      {1899, 12, 31, 1},       {1900, 1, 1, 2},
      {1899, 12, 29, -1},     {1900, 3, 1, 61},        {2024, 3, 15, 45366},
      {2000, 2, 29, 36585},   {100, 1, 1, -657434},    {9999, 12, 31, 2958465},
  };
  for (const Row& r : rows) {
    const DayDate d = DayDate::FromYmd(r.y, r.m, r.d);
    EXPECT_EQ(d.status, DateStatus::Valid);
    EXPECT_EQ(d.serial, r.serial) << r.y << "-" << r.m << "-" << r.d;
    EXPECT_EQ(d.Year(), r.y);
    EXPECT_EQ(d.Month(), r.m);
    EXPECT_EQ(d.Day(), r.d);
  }
  EXPECT_EQ(DayDate::FromYmdHms(1899, 12, 29, 6, 0, 0).serial, -1.25);
  EXPECT_EQ(DayDate::FromYmdHms(1900, 1, 1, 18, 0, 0).serial, 2.75);
}

TEST(DayDate, ImpossibleDatesAreInvalid) {
  struct Row {
    int y, m, d, hh, mm, ss;
  };
  const Row rows[] = {
      {2023, 2, 29, 0, 0, 0},  {2024, 13, 1, 0, 0, 0}, {2024, 0, 1, 0, 0, 0},
      {2024, 4, 31, 0, 0, 0},  {2024, 4, 0, 0, 0, 0},  {99, 12, 31, 0, 0, 0},
      {10000, 1, 1, 0, 0, 0},  {2024, 1, 1, 24, 0, 0}, {2024, 1, 1, 0, 60, 0},
      {2024, 1, 1, 0, 0, -1},
  };
  for (const Row& r : rows) {
    const DayDate d = DayDate::FromYmdHms(r.y, r.m, r.d, r.hh, r.mm, r.ss);
    EXPECT_EQ(d.status, DateStatus::Invalid) << r.y << "-" << r.m << "-" << r.d;
    EXPECT_EQ(d.Year(), -1);
  }
  EXPECT_EQ(AtSerial(2958466).Year(), -1);
  EXPECT_EQ(AtSerial(-657435).Day(), -1);
}

TEST(DayDate, PartsOfASerial) {
  struct Row {
    double serial;
    const char* parts;
  };
  const Row rows[] = {
      {-1.25, "1899-12-29 06:00:00"},
      {-0.25, "1899-12-30 06:00:00"},
      {-2.75, "1899-12-28 18:00:00"},
      {2.75, "1900-01-01 18:00:00"},
      {45366.0 + 37230.0 / 86400.0, "2024-03-15 10:20:30"},
      {45366.0 + 37229.9996 / 86400.0, "2024-03-15 10:20:30"},
      {0.9999999999, "1899-12-31 00:00:00"},
      {-1.9999999999, "1899-12-30 00:00:00"},
      {2958465.9999999, "-001--1--1 -1:-1:-1"},
  };
  for (const Row& r : rows) EXPECT_EQ(Describe(AtSerial(r.serial)), r.parts) << r.serial;
}

TEST(DayDate, AddDaysMovesByWholeDaysAcrossZero) {
  struct Row {
    double serial, days, result;
  };
  const Row rows[] = {
      {0.25, -1, -1.25}, {-1.25, 1, 0.25},   {-1.25, -1, -2.25}, {45366.5, 1, 45367.5},
      {0.5, -0.75, -1.75}, {2, -2, 0},       {-3, 1, -2},
  };
  for (const Row& r : rows) {
    EXPECT_DOUBLE_EQ(AtSerial(r.serial).AddDays(r.days).serial, r.result)
        << r.serial << " + " << r.days;
  }
}

TEST(DayDate, LeapYearsAndMonthLengths) {
  struct Row {
    int year;
    bool leap;
  };
  for (const Row r : {Row{2024, true}, Row{2023, false}, Row{1900, false}, Row{2000, true},
                      Row{2100, false}, Row{400, true}}) {
    EXPECT_EQ(IsLeapYear(r.year), r.leap) << r.year;
    EXPECT_EQ(DaysInMonth(r.year, 2), r.leap ? 29 : 28) << r.year;
  }
  const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(DaysInMonth(2023, m), lengths[m - 1]);
}

TEST(DayDate, NowComesFromTheEnvironmentWhenWellFormed) {
  {
    ScopedEnv now("VADADERIVO_NOW", "2006-03-07T23:59:58");
    EXPECT_EQ(Describe(CurrentLocalDateTime()), "2006-03-07 23:59:58");
  }
  const char* malformed[] = {"2006-03-07 23:59:58", "2006-02-30T00:00:00", "2006-03-07T24:00:00",
                             "2006-03-07T23:59:58Z", "2006-3-7T23:59:58", ""};
  for (const char* text : malformed) {
    ScopedEnv now("VADADERIVO_NOW", text);
    const DayDate d = CurrentLocalDateTime();
    EXPECT_EQ(d.status, DateStatus::Valid) << text;
    EXPECT_GE(d.Year(), 2024) << text;
  }
}

TEST(ParseDate, DayWordsKeepTheTimeOfDay) {
  ScopedEnv now("VADADERIVO_NOW", testing::kFixedNow);
  struct Row {
    const char* text;
    const char* date;
  };
  const Row rows[] = {
      {"now", "2024-03-15 10:20:30"},       {"Today", "2024-03-15 10:20:30"},
      {"n", "2024-03-15 10:20:30"},         {"СЕГОДНЯ", "2024-03-15 10:20:30"},
      {"С", "2024-03-15 10:20:30"},         {"tomorrow", "2024-03-16 10:20:30"},
      {"T", "2024-03-16 10:20:30"},         {"Завтра", "2024-03-16 10:20:30"},
      {"з", "2024-03-16 10:20:30"},         {"yesterday", "2024-03-14 10:20:30"},
      {"y", "2024-03-14 10:20:30"},         {"вчера", "2024-03-14 10:20:30"},
      {"В", "2024-03-14 10:20:30"},         {"nowx", "2024-03-15 00:00:00"},
      {"", "2024-03-15 00:00:00"},          {"now ", "2024-03-15 00:00:00"},
  };
  for (const Row& r : rows) EXPECT_EQ(Describe(ParseDate(r.text, 0)), r.date) << r.text;
}

TEST(ParseDate, DigitsOnlyAreCutByLength) {
  ScopedEnv now("VADADERIVO_NOW", testing::kFixedNow);
  struct Row {
    const char* text;
    const char* order0;
    const char* order1;
    const char* order2;
  };
  const Row rows[] = {
      {"7", "2024-03-07", "2024-03-07", "2024-03-07"},
      {"25", "2024-03-25", "2024-03-25", "2024-03-25"},
      {"703", "2024-03-07", "2024-12-03", "2024-12-03"},
      {"0307", "2024-07-03", "2024-03-07", "2024-03-07"},
      {"07032", "0101-03-07", "0703-02-01", "0101-07-03"},
      {"070306", "0101-03-07", "0101-03-06", "0101-07-03"},
      {"7032006", "2006-03-07", "7032-01-06", "2006-12-03"},
      {"07032006", "2006-03-07", "0703-12-06", "2006-07-03"},
      {"20060307", "0307-06-20", "2006-03-07", "0307-12-06"},
      {"0703200612", "2006-03-07", "0703-12-06", "-001--1--1"},
  };
  for (const Row& r : rows) {
    const char* expected[] = {r.order0, r.order1, r.order2};
    for (int order = 0; order < 3; ++order) {
      const DayDate d = ParseDate(r.text, order);
      EXPECT_EQ(Describe(d).substr(0, 10), expected[order]) << r.text << " order " << order;
      if (d.status == DateStatus::Valid) {
        EXPECT_EQ(d.Hour(), 0);
      }
    }
  }
}

TEST(ParseDate, DigitGroupsFollowTheOrder) {
  ScopedEnv now("VADADERIVO_NOW", testing::kFixedNow);
  struct Row {
    const char* text;
    const char* order0;
    const char* order1;
    const char* order2;
  };
  const Row rows[] = {
      {"7.3.2006", "2006-03-07", "0101-03-31", "2006-07-03"},
      {"2006.3.7", "0101-03-31", "2006-03-07", "0101-12-03"},
      {"7/3", "2024-03-07", "2024-07-03", "2024-07-03"},
      {"x7y", "2024-03-07", "2024-03-07", "2024-03-07"},
      {"1.2.3.4", "0101-02-01", "0101-02-03", "0101-01-02"},
      {"31.2.2023", "2023-02-28", "0101-02-28", "2023-12-02"},
      {"29.2.2024", "2024-02-29", "0101-02-28", "2024-12-02"},
      {"29.2.1900", "1900-02-28", "0101-02-28", "1900-12-02"},
      {"0.0.2000", "2000-01-01", "0101-01-31", "2000-01-01"},
      {"40.13.1900", "1900-12-31", "0101-12-31", "1900-12-13"},
      {"-5.-3.-1999", "1999-03-05", "0101-03-31", "1999-05-03"},
  };
  for (const Row& r : rows) {
    const char* expected[] = {r.order0, r.order1, r.order2};
    for (int order = 0; order < 3; ++order) {
      EXPECT_EQ(Describe(ParseDate(r.text, order)).substr(0, 10), expected[order])
          << r.text << " order " << order;
    }
  }
}

}  // namespace
}  // namespace vr
