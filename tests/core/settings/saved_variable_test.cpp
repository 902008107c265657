#include "settings/saved_variable.h"

#include <gtest/gtest.h>

#include "core/values/value_description.h"
#include "settings/expressions_text.h"
#include "settings/options_record.h"

namespace vr {
namespace {

using testing::Describe;

TEST(SavedVariable, EachKindHasItsTypeCodeAndText) {
  ScopedOptions live;
  live->format = 1;
  live->precision = 15;
  live->RebuildNumberFormat();
  struct Row {
    Value value;
    const char* varType;
    const char* text;
  };
  const Row rows[] = {
      {Value::MakeReal(2.5), "0", "2.5"},
      {Value::MakeReal(1.0 / 3), "0", "0.333333333333333"},
      {Value::MakeInteger(255), "1", "255"},
      {Value::MakeInteger(123456789012345678.0), "1", "1.2345678901234568e+17"},
      {Value::MakeFraction(1, 2, 3), "2", "1\\2\\3"},
      {Value::MakeFraction(0, 2, 3), "2", "2\\3"},
      {Value::MakeTime(1, 2, 3), "3", "1:2:3"},
      {Value::MakeTime(0, 2, 3), "3", "2:3"},
      {Value::MakeComplex(1, -2), "4", "1-i2"},
      {Value::MakeComplex(0, 0.5), "4", "0+i0.5"},
      {Value::MakeString("it's \"so\""), "8", "it's \"so\""},
      {Value::MakeDate(DayDate::FromYmdHms(2024, 3, 15, 12, 0, 0)), "9", "45366.5"},
  };
  for (const Row& r : rows) {
    SavedVariable saved;
    ASSERT_TRUE(SaveVariable({"v", r.value}, saved)) << Describe(r.value);
    EXPECT_EQ(saved.name, "v");
    EXPECT_EQ(saved.varType, r.varType) << Describe(r.value);
    EXPECT_EQ(saved.value, r.text) << Describe(r.value);
  }
  SavedVariable saved;
  EXPECT_FALSE(SaveVariable({"", Value::MakeReal(1)}, saved));
  EXPECT_FALSE(SaveVariable({"ref", Value::MakeVariableRef("x")}, saved));
}

TEST(SavedVariable, StoredTextIsReadByItsTypeCode) {
  ScopedOptions live;
  live->dateFormat = 0;
  struct Row {
    const char* varType;
    const char* text;
    const char* value;
  };
  const Row rows[] = {
      {"0", "2.5", "Real 2.5"},
      {"0", "1e-5", "Real 1.0000000000000001e-05"},
      {"1", "255", "Integer 255"},
      {"1", "0x1F", "Integer 31"},
      {"1", "0xFFFFFFFF", "Integer 2147483647"},
      {"1", "-40", "Integer -40"},
      {"2", "1\\2\\3", "Fraction 1 2 3"},
      {"2", "-2\\3", "Fraction 0 -2 3"},
      {"3", "1:2:3", "Time 1 2 3"},
      {"3", "5:7", "Time 0 5 7"},
      {"4", "1e-5+i2", "Complex 1.0000000000000001e-05 2"},
      {"4", "-1-i2", "Complex -1 -2"},
      {"8", "a \"b\" 'c'", "String [a \"b\" 'c']"},
      {"8", "", "String []"},
      {"9", "45366.5", "Date 2024-03-15 12:00:00"},
      {"9", "#07.03.2006#", "Date 2006-03-07 00:00:00"},
      {"", "3", "Real 3"},
      {"5", "3", "Real 3"},
      {"01", "3", "Real 3"},
      {"0", "garbage", "Real 0"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(Describe(RestoreVariableValue(r.varType, r.text)), r.value)
        << r.varType << " " << r.text;
  }
}

TEST(ExpressionsText, LinesAreJoinedWithBars) {
  using Lines = std::vector<std::string>;
  struct Row {
    Lines lines;
    const char* stored;
  };
  const Row rows[] = {
      {{"1+1", "2", ""}, "1+1|2|"},
      {{"1+1", "2"}, "1+1|2"},
      {{"a  \r\n", "", "  ", "b\r"}, "a|b"},
      {{"", "x"}, "x"},
      {{"  x"}, "  x"},
      {{"x\t"}, "x\t"},
      {{}, ""},
      {{"", ""}, ""},
  };
  for (const Row& r : rows) EXPECT_EQ(JoinExpressionLines(r.lines), r.stored);
}

TEST(ExpressionsText, EveryBarIsALineBreak) {
  using Lines = std::vector<std::string>;
  struct Row {
    const char* stored;
    Lines lines;
  };
  const Row rows[] = {
      {"1+1|2|", {"1+1", "2", ""}},
      {"a|b", {"a", "b"}},
      {"", {""}},
      {"|", {"", ""}},
      {"Привет||мир", {"Привет", "", "мир"}},
  };
  for (const Row& r : rows) EXPECT_EQ(SplitExpressionLines(r.stored), r.lines) << r.stored;
}

}  // namespace
}  // namespace vr
