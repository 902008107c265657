#include "values/value_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/values/value_description.h"
#include "settings/options_record.h"

namespace vr {
namespace {

using testing::Describe;
using testing::ScopedEnv;

Value DateAt(double serial) {
  DayDate d;
  d.serial = serial;
  return Value::MakeDate(d);
}

struct ConversionRow {
  Value from;
  ValueKind to;
  ErrorCode code;
  const char* expected;  // the value afterwards; on failure, the unchanged source
};

const double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr ValueKind R = ValueKind::Real, F = ValueKind::Fraction, T = ValueKind::Time,
                    C = ValueKind::Complex, I = ValueKind::Integer, S = ValueKind::String,
                    D = ValueKind::Date;

void RunRows(const std::vector<ConversionRow>& rows) {
  for (const ConversionRow& row : rows) {
    Value v = row.from;
    const std::string before = Describe(v);
    EXPECT_EQ(ConvertValue(v, row.to), row.code) << before << " to " << static_cast<int>(row.to);
    EXPECT_EQ(Describe(v), row.expected) << before << " to " << static_cast<int>(row.to);
  }
}

TEST(ConvertValue, FromRealAndInteger) {
  ScopedEnv now("VADADERIVO_NOW", testing::kFixedNow);
  RunRows({
      {Value::MakeReal(2.5), I, kOk, "Integer 3"},
      {Value::MakeReal(-2.5), I, kOk, "Integer -3"},
      {Value::MakeReal(7), I, kOk, "Integer 7"},
      {Value::MakeReal(2147483647.0), I, kOk, "Integer 2147483647"},
      {Value::MakeReal(2147483647.5), I, kIntegerOverflow, "Real 2147483647.5"},
      {Value::MakeReal(kNan), I, kIntegerOverflow, "Real nan"},
      {Value::MakeReal(-5e9), I, kOk, "Integer -5000000000"},
      {Value::MakeReal(3.9), F, kOk, "Fraction 3 0 0"},
      {Value::MakeReal(-3.9), F, kOk, "Fraction -3 0 0"},
      {Value::MakeReal(3e9), F, kIntegerOverflow, "Real 3000000000"},
      {Value::MakeReal(-1e300), F, kOk, "Fraction -2147483648 0 0"},
      {Value::MakeReal(3725), T, kOk, "Time 1 2 5"},
      {Value::MakeReal(3725.9), T, kOk, "Time 1 2 5"},
      {Value::MakeReal(-3725), T, kOk, "Time -2 57 55"},
      {Value::MakeReal(3e9), T, kIntegerOverflow, "Real 3000000000"},
      {Value::MakeReal(2.5), C, kOk, "Complex 2.5 0"},
      {Value::MakeReal(0.1), S, kOk, "String [0.1]"},
      {Value::MakeReal(2.7), D, kOk, "Date 1900-01-01 00:00:00"},
      {Value::MakeReal(-2.5), D, kOk, "Date 1899-12-27 00:00:00"},
      {Value::MakeReal(4), ValueKind::VariableRef, kOk, "Real 4"},
      {Value::MakeInteger(5), R, kOk, "Real 5"},
      {Value::MakeInteger(4294967290.0), F, kOk, "Fraction 2147483647 0 0"},
      {Value::MakeInteger(3725), T, kOk, "Time 1 2 5"},
      {Value::MakeInteger(3e9), T, kOk, "Time 833333 20 0"},
      {Value::MakeInteger(5), C, kOk, "Complex 5 0"},
      {Value::MakeInteger(-42), S, kOk, "String [-42]"},
      {Value::MakeInteger(45366), D, kOk, "Date 2024-03-15 00:00:00"},
  });
}

TEST(ConvertValue, FromFractionAndTime) {
  RunRows({
      {Value::MakeFraction(1, 2, 4), R, kOk, "Real 1.5"},
      {Value::MakeFraction(0, 0, 5), R, kOk, "Real 0"},
      {Value::MakeFraction(4, 3, 0), R, kOk, "Real 4"},
      {Value::MakeFraction(-1, 1, 2), R, kOk, "Real -1.5"},
      {Value::MakeFraction(0, -1, 2), R, kOk, "Real -0.5"},
      {Value::MakeFraction(1, 2, 4), C, kOk, "Complex 1.5 0"},
      {Value::MakeFraction(7, 1, 2), I, kOk, "Integer 7"},
      {Value::MakeFraction(-7, 1, 2), I, kOk, "Integer -7"},
      {Value::MakeFraction(3725, 1, 2), T, kOk, "Time 1 2 5"},
      {Value::MakeFraction(1, 2, 4), S, kOk, "String [1\\2\\4]"},
      {Value::MakeFraction(0, 3, 4), S, kOk, "String [3\\4]"},
      {Value::MakeFraction(-1, 1, 2), S, kOk, "String [-1\\1\\2]"},
      {Value::MakeFraction(5, 1, 2), D, kOk, "Date 1900-01-04 00:00:00"},
      {Value::MakeTime(1, 2, 5), R, kOk, "Real 3725"},
      {Value::MakeTime(1, 2, 5), I, kOk, "Integer 3725"},
      {Value::MakeTime(1, 2, 5), F, kOk, "Fraction 62 5 60"},
      {Value::MakeTime(-2, 57, 55), F, kOk, "Fraction -62 5 60"},
      {Value::MakeTime(0, 0, -30), F, kOk, "Fraction 0 -30 60"},
      {Value::MakeTime(1, 2, 5), C, kOk, "Complex 3725 0"},
      {Value::MakeTime(1, 2, 5), S, kOk, "String [1:2:5]"},
      {Value::MakeTime(0, 2, 5), S, kOk, "String [2:5]"},
      {Value::MakeTime(11, 0, 0), D, kOk, "Date 1899-12-30 00:00:00"},
      {Value::MakeTime(12, 0, 0), D, kOk, "Date 1899-12-31 00:00:00"},
      {Value::MakeTime(36, 0, 0), D, kOk, "Date 1900-01-01 00:00:00"},
  });
}

TEST(ConvertValue, FromComplex) {
  RunRows({
      {Value::MakeComplex(3, 4), S, kOk, "String [3+i4]"},
      {Value::MakeComplex(3, -4), S, kOk, "String [3-i4]"},
      {Value::MakeComplex(-0.5, 0), S, kOk, "String [-0.5+i0]"},
      {Value::MakeComplex(3, 4), D, kOk, "Date 1900-01-04 00:00:00"},
      {Value::MakeComplex(3, 0), R, kOk, "Real 3"},
      {Value::MakeComplex(3, -0.0), R, kOk, "Real 3"},
      {Value::MakeComplex(3, 1), R, kInvalidComplexTypecast, "Complex 3 1"},
      {Value::MakeComplex(3, 1), I, kInvalidComplexTypecast, "Complex 3 1"},
      {Value::MakeComplex(2.5, 0), I, kOk, "Integer 3"},
      {Value::MakeComplex(3e9, 0), I, kIntegerOverflow, "Complex 3000000000 0"},
      {Value::MakeComplex(3e9, 0), T, kIntegerOverflow, "Complex 3000000000 0"},
      {Value::MakeComplex(3725, 0), T, kOk, "Time 1 2 5"},
      {Value::MakeComplex(3725, 0), F, kOk, "Fraction 3725 0 0"},
  });
}

TEST(ConvertValue, FromStringAndDate) {
  ScopedEnv now("VADADERIVO_NOW", testing::kFixedNow);
  ScopedOptions options;
  options->dateFormat = 0;
  const double nowSerial = 45366.0 + 37230.0 / 86400.0;
  RunRows({
      {Value::MakeString("2.5e1xyz"), R, kOk, "Real 25"},
      {Value::MakeString("abc"), R, kOk, "Real 0"},
      {Value::MakeString("  -12abc"), I, kOk, "Integer -12"},
      {Value::MakeString("1\\2\\3"), F, kOk, "Fraction 1 2 3"},
      {Value::MakeString("3\\4"), F, kOk, "Fraction 0 3 4"},
      {Value::MakeString("1:2:3"), T, kOk, "Time 1 2 3"},
      {Value::MakeString("2:5"), T, kOk, "Time 0 2 5"},
      {Value::MakeString("-3+i4"), C, kOk, "Complex -3 4"},
      {Value::MakeString("1e-5-i2"), C, kOk, "Complex 1.0000000000000001e-05 -2"},
      {Value::MakeString("5"), C, kOk, "Complex 5 0"},
      {Value::MakeString("7.3.2006"), D, kOk, "Date 2006-03-07 00:00:00"},
      {Value::MakeString("today"), D, kOk, "Date 2024-03-15 10:20:30"},
      {DateAt(2.75), F, kOk, "Fraction 2 18 24"},
      {DateAt(-1.25), F, kOk, "Fraction -1 6 24"},
      {DateAt(-0.25), F, kOk, "Fraction 0 -6 24"},
      {DateAt(2.75), R, kOk, "Real 2.75"},
      {DateAt(2.75), I, kOk, "Real 2"},
      {DateAt(-1.25), I, kOk, "Real -2"},
      {DateAt(nowSerial), T, kOk, "Time 10 20 30"},
      {DateAt(2.75), C, kOk, "Complex 2.75 0"},
      {DateAt(nowSerial), S, kOk, "String [15.03.2024]"},
  });
}

TEST(ConvertValue, TextFollowsTheSettings) {
  ScopedOptions options;
  options->format = 0;
  options->dateFormat = 1;
  options->RebuildNumberFormat();
  RunRows({
      {Value::MakeReal(1.0 / 3), S, kOk, "String [3.333333e-01]"},
      {Value::MakeComplex(1, -2), S, kOk, "String [1.000000e+00-i2.000000e+00]"},
      {DateAt(38783), S, kOk, "String [2006.03.07]"},
      {Value::MakeString("2006.3.7"), D, kOk, "Date 2006-03-07 00:00:00"},
  });
}

TEST(ConvertValue, KeepsWhatTheTargetKindDoesNotUse) {
  Value v = Value::MakeReal(2.5);
  v.name = "x";
  v.text = "kept";
  ASSERT_EQ(ConvertValue(v, ValueKind::Time), kOk);
  EXPECT_EQ(v.name, "x");
  EXPECT_EQ(v.text, "kept");
}

TEST(NumericHelpers, IsIntegerRoundSignTrunc) {
  struct Row {
    double x;
    bool isInteger;
    double rounded;
    int sign;
    std::int32_t trunc;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Row rows[] = {
      {0.0, true, 0.0, 0, 0},
      {2.5, false, 3.0, 1, 2},
      {-2.5, false, -3.0, -1, -2},
      {2.4999999999999996, false, 2.0, 1, 2},
      {0.49999999999999994, false, 0.0, 1, 0},
      {-7.0, true, -7.0, -1, -7},
      {2147483646.0, true, 2147483646.0, 1, 2147483646},
      {2147483647.0, false, 2147483647.0, 1, 2147483647},
      {-1e12, true, -1e12, -1, INT32_MIN},
      {1e12, false, 1e12, 1, INT32_MAX},
      {-2147483648.9, false, -2147483649.0, -1, INT32_MIN},
      {inf, false, inf, 1, INT32_MAX},
      {-inf, true, -inf, -1, INT32_MIN},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(IsInteger(r.x), r.isInteger) << r.x;
    EXPECT_EQ(RoundHalfAway(r.x), r.rounded) << r.x;
    EXPECT_EQ(SignOf(r.x), r.sign) << r.x;
    EXPECT_EQ(Trunc32(r.x), r.trunc) << r.x;
  }
  EXPECT_FALSE(IsInteger(kNan));
  EXPECT_EQ(SignOf(kNan), 0);
  EXPECT_EQ(Trunc32(kNan), 0);
}

TEST(NumericHelpers, NegatingAFractionNegatesItsValue) {
  const FractionParts rows[] = {{1, 1, 2}, {0, 1, 2}, {3, 2, 7}, {0, 5, 3}, {2, 0, 0}, {4, 1, 0}};
  for (const FractionParts& f : rows) {
    FractionParts negated = f;
    if (f.whole != 0) {
      negated.whole = -f.whole;
    } else {
      negated.numerator = -f.numerator;
    }
    EXPECT_EQ(FractionToDouble(negated), -FractionToDouble(f))
        << f.whole << "\\" << f.numerator << "\\" << f.denominator;
  }
}

TEST(ValuesEqual, ComparesThePayloadOfTheKind) {
  DayDate morning = DayDate::FromYmdHms(2024, 3, 15, 1, 0, 0);
  DayDate evening = DayDate::FromYmdHms(2024, 3, 15, 23, 0, 0);
  DayDate nextDay = DayDate::FromYmd(2024, 3, 16);
  struct Row {
    Value a, b;
    bool equal;
  };
  const Row rows[] = {
      {Value::MakeReal(2), Value::MakeReal(2), true},
      {Value::MakeReal(2), Value::MakeInteger(2), false},
      {Value::MakeInteger(2), Value::MakeInteger(3), false},
      {Value::MakeFraction(1, 2, 4), Value::MakeFraction(1, 2, 4), true},
      {Value::MakeFraction(1, 2, 4), Value::MakeFraction(1, 1, 2), false},
      {Value::MakeTime(1, 2, 3), Value::MakeTime(1, 2, 4), false},
      {Value::MakeComplex(1, 2), Value::MakeComplex(1, 2), true},
      {Value::MakeComplex(1, 2), Value::MakeComplex(1, -2), false},
      {Value::MakeString("Ab"), Value::MakeString("Ab"), true},
      {Value::MakeString("Ab"), Value::MakeString("ab"), false},
      {Value::MakeDate(morning), Value::MakeDate(evening), true},
      {Value::MakeDate(evening), Value::MakeDate(nextDay), false},
      {Value::MakeVariableRef("x"), Value::MakeVariableRef("x"), false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(ValuesEqual(r.a, r.b), r.equal) << Describe(r.a) << " vs " << Describe(r.b);
  }
}

}  // namespace
}  // namespace vr
