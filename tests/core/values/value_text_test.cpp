#include "values/value_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

#include "core/values/value_description.h"
#include "settings/options_record.h"

namespace vr {
namespace {

using testing::Describe;

void SetPattern(ScopedOptions& options, int format, int precision) {
  options->format = format;
  options->precision = precision;
  options->RebuildNumberFormat();
}

TEST(FormatNumber, FollowsFormatAndPrecision) {
  struct Case {
    int format, precision;
    double x;
    const char* text;
  };
  const Case cases[] = {
      {1, 15, 0.1, "0.1"},          {1, 15, 1.0 / 3, "0.333333333333333"},
      {1, 10, 1.0 / 3, "0.3333333333"}, {1, 10, 123456789012.0, "1.23456789e+11"},
      {1, 0, 2.0 / 3, "0.7"},       {1, 99, 1.0 / 3, "0.333333333333333"},
      {1, 15, -0.0, "-0"},          {0, 15, 1.0 / 3, "3.333333e-01"},
      {0, 2, -12345.678, "-1.234568e+04"},
  };
  for (const Case& c : cases) {
    ScopedOptions options;
    SetPattern(options, c.format, c.precision);
    EXPECT_EQ(FormatNumber(c.x), c.text) << c.format << "/" << c.precision << " " << c.x;
  }
}

TEST(FormatNumber, RefusesPatternsThatDoNotTakeOneDouble) {
  ScopedOptions options;
  for (const char* pattern : {"%s", "%d", "%g %g", "%n", "%*g", "", "%.15", "%.1234g"}) {
    options->numberFormat = pattern;
    EXPECT_EQ(FormatNumber(0.25), "0.25") << pattern;
  }
  options->numberFormat = "%.3f%%";
  EXPECT_EQ(FormatNumber(0.25), "0.250%");
  options->numberFormat = "%300.2f";
  EXPECT_EQ(FormatNumber(1.5).size(), 300u);
}

// The window's toolkit switches the process to the user's locale; numbers
// must still be written and read with a point.
TEST(FormatNumber, UsesAPointWhateverTheLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  bool switched = false;
  for (const char* name : {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8"}) {
    if ((switched = std::setlocale(LC_ALL, name) != nullptr)) break;
  }
  if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
  const std::string text = FormatNumber(0.5);
  const double read = Atof("0.25");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(text, "0.5");
  EXPECT_EQ(read, 0.25);
}

TEST(FormatValue, EveryKind) {
  ScopedOptions options;
  struct Case {
    Value v;
    int format, dateFormat;
    const char* text;
  };
  const Value march7 = Value::MakeDate(DayDate::FromYmdHms(2006, 3, 7, 18, 30, 0));
  const Case cases[] = {
      {Value::MakeInteger(4294967290.0), 1, 0, "4294967290"},
      {Value::MakeInteger(7), 0, 0, "7.000000e+00"},
      {Value::MakeFraction(1, 2, 4), 1, 0, "1\\2\\4"},
      {Value::MakeFraction(0, -1, 2), 1, 0, "-1\\2"},
      {Value::MakeTime(1, 2, 5), 1, 0, "1:2:5"},
      {Value::MakeTime(0, 0, 0), 1, 0, "0:0"},
      {Value::MakeComplex(-1.5, 0), 1, 0, "-1.5+i0"},
      {Value::MakeComplex(3, -4), 0, 0, "3.000000e+00-i4.000000e+00"},
      {Value::MakeString("abc"), 1, 0, "'abc'"},
      {Value::MakeString("it's"), 1, 0, "\"it's\""},
      {Value::MakeString("say \"hi\""), 1, 0, "'say \"hi\"'"},
      {march7, 1, 0, "#07.03.2006#"},
      {march7, 1, 1, "#2006.03.07#"},
      {march7, 1, 2, "#03.07.2006#"},
      {march7, 1, 5, "##"},
      {Value::MakeDate(DayDate::FromYmd(101, 1, 2)), 1, 0, "#02.01.0101#"},
      {Value::MakeVariableRef("x"), 1, 0, ""},
  };
  for (const Case& c : cases) {
    SetPattern(options, c.format, 15);
    options->dateFormat = c.dateFormat;
    EXPECT_EQ(FormatValue(c.v), c.text) << Describe(c.v);
  }
}

TEST(FormatInBase, LowBitsOfTheWholeNumber) {
  struct Case {
    double x;
    int radix;
    const char* text;
  };
  const Case cases[] = {
      {255.9, 16, "ff"},   {0, 2, "0"},   {5, 2, "101"},  {-1, 16, "ffffffff"},
      {-1, 8, "37777777777"}, {-255.9, 16, "ffffff01"}, {4294967290.0, 16, "fffffffa"},
      {std::numeric_limits<double>::quiet_NaN(), 16, "0"},
      {std::numeric_limits<double>::infinity(), 8, "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatInBase(c.x, c.radix), c.text) << c.x << " " << c.radix;
  }
}

TEST(LiteralToValue, EveryTokenClass) {
  testing::FixedNow now;
  ScopedOptions options;
  options->dateFormat = 0;
  struct Case {
    TokenClass cls;
    const char* text;
    const char* value;
  };
  const Case cases[] = {
      {TokenClass::Number, "2.5e3", "Real 2500"},
      {TokenClass::Number, "1e999", "Real inf"},
      {TokenClass::FractionLiteral, "1\\2\\4", "Fraction 1 2 4"},
      {TokenClass::FractionLiteral, "1.5\\2", "Fraction 0 1 2"},
      {TokenClass::ComplexLiteral, "1e-5+i2", "Complex 1.0000000000000001e-05 2"},
      {TokenClass::ComplexLiteral, "1e-5-i2e-3", "Complex 1.0000000000000001e-05 -0.002"},
      {TokenClass::ComplexLiteral, "-3-i4.5", "Complex -3 -4.5"},
      {TokenClass::HexLiteral, "0xff", "Integer 255"},
      {TokenClass::HexLiteral, "0xffffffff", "Integer 2147483647"},
      {TokenClass::TimeLiteral, "1:30", "Time 0 1 30"},
      {TokenClass::TimeLiteral, "1:2:3", "Time 1 2 3"},
      {TokenClass::StringLiteral, "A b", "String [A b]"},
      {TokenClass::DateLiteral, "7.3.2006", "Date 2006-03-07 00:00:00"},
      {TokenClass::DateLiteral, "now", "Date 2024-03-15 10:20:30"},
      {TokenClass::InvalidNumber, "12", "Real 0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(LiteralToValue(c.cls, c.text)), c.value) << c.text;
  }
}

// A result's text is lexed again for "?", so it must read back as the same
// value whatever the settings.
TEST(LiteralToValue, ReadsBackWhatFormatValueWrites) {
  struct Case {
    Value v;
    TokenClass cls;
  };
  const Case cases[] = {
      {Value::MakeComplex(-3, -4), TokenClass::ComplexLiteral},
      {Value::MakeComplex(1e300, -2.5e-300), TokenClass::ComplexLiteral},
      {Value::MakeFraction(7, 3, 8), TokenClass::FractionLiteral},
      {Value::MakeTime(0, 4, 5), TokenClass::TimeLiteral},
      {Value::MakeDate(DayDate::FromYmd(1987, 11, 23)), TokenClass::DateLiteral},
  };
  for (int dateFormat = 0; dateFormat <= 2; ++dateFormat) {
    ScopedOptions options;
    options->dateFormat = dateFormat;
    for (const Case& c : cases) {
      std::string text = FormatValue(c.v);
      if (c.cls == TokenClass::DateLiteral) text = text.substr(1, text.size() - 2);
      EXPECT_EQ(Describe(LiteralToValue(c.cls, text)), Describe(c.v)) << text;
    }
  }
}

TEST(CReaders, AtofAtoiStrtol32) {
  const std::string digits = "123456789";
  const std::string_view unterminated(digits.data(), 3);
  EXPECT_EQ(Atof(unterminated), 123.0);
  EXPECT_EQ(Atoi(unterminated), 123);
  EXPECT_EQ(Strtol32(unterminated, 10), 123);
  EXPECT_EQ(Atof("  -2.5e2x"), -250);
  EXPECT_EQ(Atof("1,5"), 1);
  EXPECT_EQ(Atof(std::string(300, '1') + "e-300"), Atof("0.111111111111111111"));

  struct Case {
    const char* text;
    int base;
    std::int32_t strtol, atoi;
  };
  const Case cases[] = {
      {"  +42x", 10, 42, 42},
      {"2147483648", 10, 2147483647, INT32_MIN},
      {"-2147483649", 10, INT32_MIN, 2147483647},
      {"4294967297", 10, 2147483647, 1},
      {"99999999999999999999", 10, 2147483647, -1},
      {"-99999999999999999999", 10, INT32_MIN, 0},
      {"-0x80000001", 16, INT32_MIN, 0},
      {"0xg", 16, 0, 0},
      {"1019", 2, 5, 1019},
      {"12", 1, 0, 12},
      {"-", 10, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Strtol32(c.text, c.base), c.strtol) << c.text << " base " << c.base;
    EXPECT_EQ(Atoi(c.text), c.atoi) << c.text;
  }
  EXPECT_EQ(Strtol32("0x1f", 0), 31);
  EXPECT_EQ(Strtol32("017", 0), 15);
}

}  // namespace
}  // namespace vr
