#include "values/value_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/values/value_description.h"
#include "options/options_record.h"

namespace vr {
namespace {

using testing::Describe;

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
constexpr ValueKind R = ValueKind::Real, F = ValueKind::Fraction, T = ValueKind::Time,
                    C = ValueKind::Complex, I = ValueKind::Integer, S = ValueKind::String,
                    D = ValueKind::Date;

Value Re(double x) { return Value::MakeReal(x); }
Value In(double x) { return Value::MakeInteger(x); }
Value Fr(int w, int n, int d) { return Value::MakeFraction(w, n, d); }
Value Tm(int h, int m, int s) { return Value::MakeTime(h, m, s); }
Value Cx(double re, double im) { return Value::MakeComplex(re, im); }
Value St(const char* s) { return Value::MakeString(s); }
Value Dt(double serial) {
  DayDate d;
  d.serial = serial;
  return Value::MakeDate(d);
}

struct Row {
  Value from;
  ValueKind to;
  ErrorCode code;
  const char* expected;  // the value afterwards; on failure, the unchanged source
};

void Check(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    Value v = row.from;
    const std::string what = Describe(v) + " to " + std::to_string(static_cast<int>(row.to));
    EXPECT_EQ(ConvertValue(v, row.to), row.code) << what;
    EXPECT_EQ(Describe(v), row.expected) << what;
  }
}

TEST(ConvertValue, FromNumbers) {
  Check({
      {Re(2.5), I, kOk, "Integer 3"}, {Re(-2.5), I, kOk, "Integer -3"},
      {Re(2147483647), I, kOk, "Integer 2147483647"},
      {Re(2147483647.5), I, kIntegerOverflow, "Real 2147483647.5"},
      {Re(kNan), I, kIntegerOverflow, "Real nan"}, {Re(-5e9), I, kOk, "Integer -5000000000"},
      {Re(-3.9), F, kOk, "Fraction -3 0 0"}, {Re(3e9), F, kIntegerOverflow, "Real 3000000000"},
      {Re(-1e300), F, kOk, "Fraction -2147483648 0 0"}, {Re(3725.9), T, kOk, "Time 1 2 5"},
      {Re(-3725), T, kOk, "Time -2 57 55"}, {Re(3e9), T, kIntegerOverflow, "Real 3000000000"},
      {Re(2.5), C, kOk, "Complex 2.5 0"}, {Re(0.1), S, kOk, "String [0.1]"},
      {Re(-2.5), D, kOk, "Date 1899-12-27 00:00:00"},
      {Re(4), ValueKind::VariableRef, kOk, "Real 4"},
      {In(4294967290.0), F, kOk, "Fraction 2147483647 0 0"}, {In(3e9), T, kOk, "Time 833333 20 0"},
      {In(-42), S, kOk, "String [-42]"}, {In(45366), D, kOk, "Date 2024-03-15 00:00:00"},
      {In(5), R, kOk, "Real 5"}, {Fr(1, 2, 4), R, kOk, "Real 1.5"}, {Fr(0, 0, 5), R, kOk, "Real 0"},
      {Fr(4, 3, 0), R, kOk, "Real 4"}, {Fr(-1, 1, 2), R, kOk, "Real -1.5"},
      {Fr(0, -1, 2), C, kOk, "Complex -0.5 0"}, {Fr(-7, 1, 2), I, kOk, "Integer -7"},
      {Fr(3725, 1, 2), T, kOk, "Time 1 2 5"}, {Fr(-1, 1, 2), S, kOk, "String [-1\\1\\2]"},
      {Fr(0, 3, 4), S, kOk, "String [3\\4]"}, {Fr(5, 1, 2), D, kOk, "Date 1900-01-04 00:00:00"},
      {Tm(1, 2, 5), I, kOk, "Integer 3725"}, {Tm(1, 2, 5), F, kOk, "Fraction 62 5 60"},
      {Tm(-2, 57, 55), F, kOk, "Fraction -62 5 60"}, {Tm(0, 0, -30), F, kOk, "Fraction 0 -30 60"},
      {Tm(-1, 0, 1), F, kOk, "Fraction -59 59 60"},
      {Tm(0, 2, 5), S, kOk, "String [2:5]"}, {Tm(1, 2, 5), C, kOk, "Complex 3725 0"},
      {Tm(11, 0, 0), D, kOk, "Date 1899-12-30 00:00:00"},
      {Tm(12, 0, 0), D, kOk, "Date 1899-12-31 00:00:00"},
  });
}

TEST(ConvertValue, FromComplexStringAndDate) {
  testing::FixedNow now;
  ScopedOptions options;
  options->dateFormat = 0;
  Check({
      {Cx(3, 4), S, kOk, "String [3+i4]"}, {Cx(3, -4), S, kOk, "String [3-i4]"},
      {Cx(3, 4), D, kOk, "Date 1900-01-04 00:00:00"}, {Cx(3, -0.0), R, kOk, "Real 3"},
      {Cx(3, 1), R, kInvalidComplexTypecast, "Complex 3 1"},
      {Cx(3, 1), T, kInvalidComplexTypecast, "Complex 3 1"}, {Cx(2.5, 0), I, kOk, "Integer 3"},
      {Cx(3725, 0), T, kOk, "Time 1 2 5"},
      {Cx(3e9, 0), I, kIntegerOverflow, "Complex 3000000000 0"},
      {St("2.5e1xyz"), R, kOk, "Real 25"}, {St("  -12abc"), I, kOk, "Integer -12"},
      {St("1\\2\\3"), F, kOk, "Fraction 1 2 3"}, {St("3\\4"), F, kOk, "Fraction 0 3 4"},
      {St("2:5"), T, kOk, "Time 0 2 5"}, {St("-3+i4"), C, kOk, "Complex -3 4"},
      {St("5"), C, kOk, "Complex 5 0"}, {St("7.3.2006"), D, kOk, "Date 2006-03-07 00:00:00"},
      {St("today"), D, kOk, "Date 2024-03-15 10:20:30"}, {Dt(2.75), F, kOk, "Fraction 2 18 24"},
      {Dt(-1.25), F, kOk, "Fraction -1 6 24"}, {Dt(-0.25), F, kOk, "Fraction 0 -6 24"},
      {Dt(2.75), I, kOk, "Real 2"}, {Dt(-1.25), I, kOk, "Real -2"},
      {Dt(-1.25), R, kOk, "Real -1.25"}, {Dt(45366.43090277778), T, kOk, "Time 10 20 30"},
      {Dt(45366.43090277778), S, kOk, "String [15.03.2024]"},
  });
}

TEST(NumericHelpers, IsIntegerRoundSignTrunc) {
  struct Case {
    double x;
    bool isInteger;
    double rounded;
    int sign;
    std::int32_t trunc;
  };
  const Case cases[] = {
      {0.0, true, 0.0, 0, 0},
      {-2.5, false, -3.0, -1, -2},
      {0.49999999999999994, false, 0.0, 1, 0},
      {2147483646.0, true, 2147483646.0, 1, 2147483646},
      {2147483647.0, false, 2147483647.0, 1, 2147483647},
      {-1e12, true, -1e12, -1, INT32_MIN},
      {-2147483648.9, false, -2147483649.0, -1, INT32_MIN},
      {kInf, false, kInf, 1, INT32_MAX},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsInteger(c.x), c.isInteger) << c.x;
    EXPECT_EQ(RoundHalfAway(c.x), c.rounded) << c.x;
    EXPECT_EQ(SignOf(c.x), c.sign) << c.x;
    EXPECT_EQ(Trunc32(c.x), c.trunc) << c.x;
  }
  EXPECT_FALSE(IsInteger(kNan));
  EXPECT_EQ(Trunc32(kNan), 0);
}

TEST(ValuesEqual, ComparesThePayloadOfTheKind) {
  const Value morning = Value::MakeDate(DayDate::FromYmdHms(2024, 3, 15, 1, 0, 0));
  const Value evening = Value::MakeDate(DayDate::FromYmdHms(2024, 3, 15, 23, 0, 0));
  const Value nextDay = Value::MakeDate(DayDate::FromYmd(2024, 3, 16));
  struct Case {
    Value a, b;
    bool equal;
  };
  const Case cases[] = {
      {Re(2), Re(2), true},          {Re(2), In(2), false},
      {Fr(1, 2, 4), Fr(1, 1, 2), false}, {Tm(1, 2, 3), Tm(1, 2, 3), true},
      {Cx(1, 2), Cx(1, -2), false},  {St("Ab"), St("ab"), false},
      {morning, evening, true},      {evening, nextDay, false},
      {Value::MakeVariableRef("x"), Value::MakeVariableRef("x"), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ValuesEqual(c.a, c.b), c.equal) << Describe(c.a) << " vs " << Describe(c.b);
  }
}

}  // namespace
}  // namespace vr
