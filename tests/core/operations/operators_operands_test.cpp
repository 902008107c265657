#include <cstdint>
#include <limits>

#include "operators_harness.h"

namespace vr::operators_test {
namespace {

TEST(CommonKind, DecidesWhichKindTwoOperandsMeetIn) {
  struct Case {
    const char* what;
    Value a;
    Value b;
    ValueKind expected;
  };
  const Case cases[] = {
      {"same kind", F(0, 1, 2), F(0, 1, 3), ValueKind::Fraction},
      {"text beats date", D(2024, 1, 1), S("a"), ValueKind::String},
      {"date beats complex", C(1, 1), D(2024, 1, 1), ValueKind::Date},
      {"complex beats Real", R(0.5), C(1, 1), ValueKind::Complex},
      {"Real with a fraction beats Time", T(0, 0, 1), R(0.5), ValueKind::Real},
      {"whole Real takes Time", R(2), T(0, 0, 1), ValueKind::Time},
      {"whole Real takes Integer", I(3), R(-7), ValueKind::Integer},
      {"first of Fraction and Time", F(0, 1, 2), T(0, 0, 1), ValueKind::Fraction},
      {"first of Time and Fraction", T(0, 0, 1), F(0, 1, 2), ValueKind::Time},
      {"first of Integer and Fraction", I(1), F(0, 1, 2), ValueKind::Integer},
      {"2^31-1 is not a whole Real", R(2147483647), I(1), ValueKind::Real},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CommonKind(c.a, c.b), c.expected);
  }
}

TEST(FractionArithmetic, IsExactAndReducedOrOverflows) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  struct Case {
    const char* what;
    FractionParts a;
    FractionParts b;
    bool add;
    ErrorCode error;
    FractionParts expected;
  };
  const Case cases[] = {
      {"1/2 + 1/3", {0, 1, 2}, {0, 1, 3}, true, kOk, {0, 5, 6}},
      {"whole part split off", {0, 3, 4}, {0, 3, 4}, true, kOk, {1, 1, 2}},
      {"negative proper result", {0, 1, 4}, {0, -1, 2}, true, kOk, {0, -1, 4}},
      {"negative result with a whole part", {-1, 1, 2}, {-1, 0, 0}, true, kOk, {-2, 1, 2}},
      {"numerator without denominator is whole", {2, 1, 0}, {0, 1, 2}, true, kOk, {2, 1, 2}},
      {"large parts stay exact", {kMax, 0, 0}, {0, 1, kMax}, false, kOk, {0, 1, 1}},
      {"whole part too large", {kMax, 0, 0}, {kMax, 0, 0}, true, kIntegerOverflow, {}},
      {"denominator too large", {0, 1, kMax}, {0, 1, kMax - 1}, false, kIntegerOverflow, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FractionParts out{9, 9, 9};
    const ErrorCode e = c.add ? AddFractions(c.a, c.b, out) : MultiplyFractions(c.a, c.b, out);
    ASSERT_EQ(e, c.error);
    if (e != kOk) continue;
    EXPECT_EQ(out.whole, c.expected.whole);
    EXPECT_EQ(out.numerator, c.expected.numerator);
    EXPECT_EQ(out.denominator, c.expected.denominator);
  }
}

TEST(SecondsToTime, SplitsWithoutWrappingAndNegatesAllParts) {
  struct Case {
    double seconds;
    TimeParts expected;
  };
  const Case cases[] = {
      {3725, {1, 2, 5}},
      {90000, {25, 0, 0}},
      {59.9, {0, 0, 59}},
      {-30, {0, 0, -30}},
      {-3725, {-1, -2, -5}},
      {0, {0, 0, 0}},
      {1e30, {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max(),
              std::numeric_limits<std::int32_t>::max()}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seconds);
    const TimeParts t = SecondsToTime(c.seconds);
    EXPECT_EQ(t.hours, c.expected.hours);
    EXPECT_EQ(t.minutes, c.expected.minutes);
    EXPECT_EQ(t.seconds, c.expected.seconds);
  }
}

}  // namespace
}  // namespace vr::operators_test
