#include "values/value_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "core/values/value_description.h"
#include "settings/options_record.h"

namespace vr {
namespace {

using testing::Describe;
using testing::ScopedEnv;

void SetNumberPattern(ScopedOptions& options, int format, int precision) {
  options->format = format;
  options->precision = precision;
  options->RebuildNumberFormat();
}

TEST(FormatNumber, FollowsFormatAndPrecision) {
  struct Row {
    int format, precision;
    double x;
    const char* text;
  };
  const Row rows[] = {
      {1, 15, 0.1, "0.1"},
      {1, 15, 1.0 / 3, "0.333333333333333"},
      {1, 10, 1.0 / 3, "0.3333333333"},
      {1, 10, 123456789012.0, "1.23456789e+11"},
      {1, 0, 1.0 / 3, "0.3"},
      {1, 3, 2.0 / 3, "0.667"},
      {1, 99, 1.0 / 3, "0.333333333333333"},
      {1, -1, 1.0 / 3, "0.333333333333333"},
      {1, 15, 1e20, "1e+20"},
      {1, 15, -0.0, "-0"},
      {1, 15, 2147483648.0, "2147483648"},
      {0, 15, 1.0 / 3, "3.333333e-01"},
      {0, 2, 1.0 / 3, "3.333333e-01"},
      {0, 15, -12345.678, "-1.234568e+04"},
  };
  for (const Row& r : rows) {
    ScopedOptions options;
    SetNumberPattern(options, r.format, r.precision);
    EXPECT_EQ(FormatNumber(r.x), r.text) << r.format << "/" << r.precision << " " << r.x;
  }
}

TEST(FormatNumber, RefusesPatternsThatDoNotTakeOneDouble) {
  const char* patterns[] = {"%s", "%d", "%g %g", "%n", "%*g", "", "%.15", "%.1234g"};
  for (const char* pattern : patterns) {
    ScopedOptions options;
    options->numberFormat = pattern;
    EXPECT_EQ(FormatNumber(0.25), "0.25") << pattern;
  }
  ScopedOptions options;
  options->numberFormat = "%.3f%%";
  EXPECT_EQ(FormatNumber(0.25), "0.250%");
  options->numberFormat = "%300.2f";
  EXPECT_EQ(FormatNumber(1.5).size(), 300u);
}

TEST(FormatNumber, UsesAPointWhateverTheLocale) {
  const char* commaLocales[] = {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8", "de_DE", "ru_RU"};
  std::string saved = std::setlocale(LC_ALL, nullptr);
  bool switched = false;
  for (const char* name : commaLocales) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      switched = true;
      break;
    }
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
  struct Row {
    Value v;
    int format, dateFormat;
    const char* text;
  };
  const DayDate march7 = DayDate::FromYmdHms(2006, 3, 7, 18, 30, 0);
  const Row rows[] = {
      {Value::MakeReal(2.5), 1, 0, "2.5"},
      {Value::MakeInteger(4294967290.0), 1, 0, "4294967290"},
      {Value::MakeInteger(7), 0, 0, "7.000000e+00"},
      {Value::MakeFraction(1, 2, 4), 1, 0, "1\\2\\4"},
      {Value::MakeFraction(0, 3, 4), 1, 0, "3\\4"},
      {Value::MakeFraction(-1, 1, 2), 1, 0, "-1\\1\\2"},
      {Value::MakeFraction(0, -1, 2), 1, 0, "-1\\2"},
      {Value::MakeTime(1, 2, 5), 1, 0, "1:2:5"},
      {Value::MakeTime(0, 2, 5), 1, 0, "2:5"},
      {Value::MakeTime(0, 0, 0), 1, 0, "0:0"},
      {Value::MakeComplex(3, 4), 1, 0, "3+i4"},
      {Value::MakeComplex(3, -4), 1, 0, "3-i4"},
      {Value::MakeComplex(-1.5, 0), 1, 0, "-1.5+i0"},
      {Value::MakeComplex(3, 4), 0, 0, "3.000000e+00+i4.000000e+00"},
      {Value::MakeString("abc"), 1, 0, "'abc'"},
      {Value::MakeString("it's"), 1, 0, "\"it's\""},
      {Value::MakeString("say \"hi\""), 1, 0, "'say \"hi\"'"},
      {Value::MakeString(""), 1, 0, "''"},
      {Value::MakeDate(march7), 1, 0, "#07.03.2006#"},
      {Value::MakeDate(march7), 1, 1, "#2006.03.07#"},
      {Value::MakeDate(march7), 1, 2, "#03.07.2006#"},
      {Value::MakeDate(march7), 1, 5, "##"},
      {Value::MakeDate(DayDate::FromYmd(101, 1, 2)), 1, 0, "#02.01.0101#"},
      {Value::MakeVariableRef("x"), 1, 0, ""},
  };
  for (const Row& r : rows) {
    SetNumberPattern(options, r.format, 15);
    options->dateFormat = r.dateFormat;
    EXPECT_EQ(FormatValue(r.v), r.text) << Describe(r.v);
  }
}

TEST(FormatInBase, LowBitsOfTheWholeNumber) {
  struct Row {
    double x;
    int radix;
    const char* text;
  };
  const Row rows[] = {
      {255.9, 16, "ff"},       {0, 2, "0"},
      {0, 16, "0"},            {5, 2, "101"},
      {8, 8, "10"},            {-1, 16, "ffffffff"},
      {-1, 8, "37777777777"},  {-255.9, 16, "ffffff01"},
      {4294967290.0, 16, "fffffffa"}, {4294967296.0 + 17, 16, "11"},
      {2147483647, 2, "1111111111111111111111111111111"},
      {std::numeric_limits<double>::quiet_NaN(), 16, "0"},
      {std::numeric_limits<double>::infinity(), 16, "0"},
  };
  for (const Row& r : rows) EXPECT_EQ(FormatInBase(r.x, r.radix), r.text) << r.x << " " << r.radix;
}

TEST(LiteralToValue, EveryTokenClass) {
  ScopedEnv now("VADADERIVO_NOW", testing::kFixedNow);
  ScopedOptions options;
  options->dateFormat = 0;
  struct Row {
    TokenClass cls;
    const char* text;
    const char* value;
  };
  const Row rows[] = {
      {TokenClass::Number, "2.5e3", "Real 2500"},
      {TokenClass::Number, "0.5", "Real 0.5"},
      {TokenClass::Number, "1e999", "Real inf"},
      {TokenClass::FractionLiteral, "1\\2\\4", "Fraction 1 2 4"},
      {TokenClass::FractionLiteral, "3\\4", "Fraction 0 3 4"},
      {TokenClass::FractionLiteral, "1.5\\2", "Fraction 0 1 2"},
      {TokenClass::ComplexLiteral, "2+i3", "Complex 2 3"},
      {TokenClass::ComplexLiteral, "1e-5+i2", "Complex 1.0000000000000001e-05 2"},
      {TokenClass::ComplexLiteral, "1e-5-i2e-3", "Complex 1.0000000000000001e-05 -0.002"},
      {TokenClass::ComplexLiteral, "-3-i4.5", "Complex -3 -4.5"},
      {TokenClass::ComplexLiteral, "+3+i4", "Complex 3 4"},
      {TokenClass::HexLiteral, "0xff", "Integer 255"},
      {TokenClass::HexLiteral, "0x7fffffff", "Integer 2147483647"},
      {TokenClass::HexLiteral, "0xffffffff", "Integer 2147483647"},
      {TokenClass::HexLiteral, "0x", "Integer 0"},
      {TokenClass::TimeLiteral, "1:30", "Time 0 1 30"},
      {TokenClass::TimeLiteral, "1:2:3", "Time 1 2 3"},
      {TokenClass::StringLiteral, "A b", "String [A b]"},
      {TokenClass::StringLiteral, "", "String []"},
      {TokenClass::DateLiteral, "7.3.2006", "Date 2006-03-07 00:00:00"},
      {TokenClass::DateLiteral, "now", "Date 2024-03-15 10:20:30"},
      {TokenClass::InvalidNumber, "12", "Real 0"},
      {TokenClass::VariableName, "x", "Real 0"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(Describe(LiteralToValue(r.cls, r.text)), r.value) << r.text;
  }
}

// The text of a result is lexed again for "?", so it must read back as the
// same value in every pattern.
TEST(LiteralToValue, ReadsBackWhatFormatValueWrites) {
  struct Row {
    Value v;
    TokenClass cls;
  };
  const Row rows[] = {
      {Value::MakeComplex(-3, -4), TokenClass::ComplexLiteral},
      {Value::MakeComplex(-0.25, 1e-7), TokenClass::ComplexLiteral},
      {Value::MakeComplex(1e300, -2.5e-300), TokenClass::ComplexLiteral},
      {Value::MakeFraction(7, 3, 8), TokenClass::FractionLiteral},
      {Value::MakeFraction(0, 3, 8), TokenClass::FractionLiteral},
      {Value::MakeTime(12, 34, 56), TokenClass::TimeLiteral},
      {Value::MakeTime(0, 4, 5), TokenClass::TimeLiteral},
  };
  for (int format = 0; format <= 1; ++format) {
    for (int dateFormat = 0; dateFormat <= 2; ++dateFormat) {
      ScopedOptions options;
      SetNumberPattern(options, format, 15);
      options->dateFormat = dateFormat;
      for (const Row& r : rows) {
        const std::string text = FormatValue(r.v);
        const Value back = LiteralToValue(r.cls, text);
        if (format == 1) {
          EXPECT_EQ(Describe(back), Describe(r.v)) << text;
        } else {
          EXPECT_EQ(back.kind, r.v.kind) << text;
        }
      }
      const Value date = Value::MakeDate(DayDate::FromYmd(1987, 11, 23));
      std::string text = FormatValue(date);
      text = text.substr(1, text.size() - 2);
      EXPECT_EQ(Describe(LiteralToValue(TokenClass::DateLiteral, text)), Describe(date)) << text;
    }
  }
}

TEST(CReaders, AtofAtoiStrtol32) {
  const std::string digits = "123456789";
  const std::string_view unterminated(digits.data(), 3);
  EXPECT_EQ(Atof(unterminated), 123.0);
  EXPECT_EQ(Atoi(unterminated), 123);
  EXPECT_EQ(Strtol32(unterminated, 10), 123);

  struct AtofRow {
    const char* text;
    double value;
  };
  const AtofRow atofRows[] = {
      {"  -2.5e2x", -250}, {"+.5", 0.5}, {"1,5", 1}, {"abc", 0}, {"", 0}, {"0x10", 16},
      {"1e999", std::numeric_limits<double>::infinity()},
  };
  for (const AtofRow& r : atofRows) EXPECT_EQ(Atof(r.text), r.value) << r.text;
  EXPECT_EQ(Atof(std::string(300, '1') + "e-300"), Atof("0.111111111111111111"));

  struct IntRow {
    const char* text;
    int base;
    std::int32_t strtol;
    std::int32_t atoi;
  };
  const IntRow intRows[] = {
      {"  +42x", 10, 42, 42},
      {"-17", 10, -17, -17},
      {"2147483647", 10, 2147483647, 2147483647},
      {"2147483648", 10, 2147483647, INT32_MIN},
      {"-2147483649", 10, INT32_MIN, 2147483647},
      {"4294967297", 10, 2147483647, 1},
      {"99999999999999999999", 10, 2147483647, -1},
      {"-99999999999999999999", 10, INT32_MIN, 0},
      {"0x7fffffff", 16, 2147483647, 0},
      {"0xffffffff", 16, 2147483647, 0},
      {"-0x80000001", 16, INT32_MIN, 0},
      {"0xg", 16, 0, 0},
      {"777", 8, 511, 777},
      {"1019", 2, 5, 1019},
      {"zz", 36, 1295, 0},
      {"12", 1, 0, 12},
      {"", 10, 0, 0},
      {"-", 10, 0, 0},
  };
  for (const IntRow& r : intRows) {
    EXPECT_EQ(Strtol32(r.text, r.base), r.strtol) << r.text << " base " << r.base;
    EXPECT_EQ(Atoi(r.text), r.atoi) << r.text;
  }
  EXPECT_EQ(Strtol32("0x1f", 0), 31);
  EXPECT_EQ(Strtol32("017", 0), 15);
  EXPECT_EQ(Strtol32("17", 0), 17);
}

}  // namespace
}  // namespace vr
