#include "values/value_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale.h>
#include <limits>
#include <string>

#include "options/options_record.h"

namespace vr {
namespace {


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
  options->numberFormat = "%64.1f";  // one more than the buffer on the stack holds
  EXPECT_EQ(FormatNumber(1.5).size(), 64u);
  options->numberFormat = "%.100f";  // three digits of precision are allowed
  EXPECT_EQ(FormatNumber(0.25).size(), 102u);
  EXPECT_EQ(BuildNumberFormat(1, 16), "%.15g");
  EXPECT_EQ(BuildNumberFormat(1, -1), "%.15g");
  EXPECT_EQ(BuildNumberFormat(1, 0), "%.0g");
}

// The window's toolkit switches the process to the user's locale; numbers
// must still be written and read with a point.
TEST(FormatNumber, UsesAPointWhateverTheLocale) {
  const locale_t before = uselocale(nullptr);  // and gives the thread its own back
  (void)FormatNumber(0.5);
  EXPECT_EQ(uselocale(nullptr), before);
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

// The low 32 bits of the whole part, lower case and unpadded; a number that
// is no number shows as 0. Whole lines show the rest.
TEST(FormatInBase, LowThirtyTwoBitsOfTheWholePart) {
  struct Case {
    double x;
    int radix;
    const char* text;
  };
  const Case cases[] = {
      {std::numeric_limits<double>::quiet_NaN(), 16, "0"},
      {std::numeric_limits<double>::infinity(), 8, "0"},
      {5, 2, "101"},
      {0, 2, "0"},
      {-0.9, 16, "0"},
      {255, 16, "ff"},
      {8, 8, "10"},
      {-1, 16, "ffffffff"},
      {-1, 2, "11111111111111111111111111111111"},
      {-1, 10, "4294967295"},
      {-2.5, 16, "fffffffe"},
      {2147483648.0, 16, "80000000"},
      {4294967296.0 + 5, 8, "5"},
      {-3 * 4294967296.0 - 1, 16, "ffffffff"},
      {1e20, 16, "63100000"},
      {1, 1, ""},
      {1, 17, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatInBase(c.x, c.radix), c.text) << c.x << " in " << c.radix;
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
      {"\t\r +42x", 10, 42, 42},
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
      {"+-5", 10, 0, 0},
      {"\v\f-000000000000000000000000000042", 10, -42, -42},
      {"9223372036854775807", 10, 2147483647, -1},
      {"9223372036854775808", 10, 2147483647, -1},
      {"-9223372036854775808", 10, INT32_MIN, 0},
      {"-9223372036854775809", 10, INT32_MIN, 0},
      {"0x123456789abcdef0123", 16, 2147483647, 0},
      {"-0X123456789ABCDEF0123", 16, INT32_MIN, 0},
      {"7fffffff", 16, 2147483647, 7},
      {"-80000000", 16, INT32_MIN, -80000000},
      {"0x", 16, 0, 0},
      {"0x 1", 16, 0, 0},
      {"zZ!", 36, 1295, 0},
      {"12", 37, 0, 12},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Strtol32(c.text, c.base), c.strtol) << c.text << " base " << c.base;
    EXPECT_EQ(Atoi(c.text), c.atoi) << c.text;
  }
  EXPECT_EQ(Strtol32("0X1F", 0), 31);
  EXPECT_EQ(Strtol32("017", 0), 15);
}

}  // namespace
}  // namespace vr
