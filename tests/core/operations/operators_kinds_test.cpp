#include <cmath>
#include <cstdint>
#include <limits>

#include "operators_harness.h"

namespace vr::operators_test {
namespace {

constexpr ValueKind kReal = ValueKind::Real;
constexpr ValueKind kInteger = ValueKind::Integer;
constexpr ValueKind kFraction = ValueKind::Fraction;
constexpr ValueKind kTime = ValueKind::Time;

// Integers (hexadecimal literals, results of Integer operations) stay
// Integers while their results are whole and fit in 32 bits.
TEST_F(OperatorTest, IntegerOperandsKeepTheirKindWhileTheResultFits) {
  CheckAll({
      {"sum reaching 2^31-1 turns Real", {I(2147483646), R(1)}, kOpAdd, kReal, "2147483647"},
      {"sum below it stays", {I(5), I(-3)}, kOpAdd, kInteger, "2"},
      // Between Time and Integer the right operand's kind wins for "+".
      {"Integer + Time is a Time", {I(90), T(0, 1, 0)}, kOpAdd, kTime, "2:30"},
      {"Time + Integer is an Integer", {T(0, 1, 0), I(90)}, kOpAdd, kInteger, "150"},
      {"Integer - Time", {I(150), T(0, 1, 0)}, kOpSubtract, kTime, "1:30"},
      {"negation", {I(5)}, kOpUnaryMinus, kInteger, "-5"},
      {"product beyond 2^31 turns Real", {I(65536), I(65536)}, kOpMultiply, kReal, "4294967296"},
      {"product of 2^31-1 turns Real", {I(2147483647), I(1)}, kOpMultiply, kReal, "2147483647"},
      {"large negative product stays", {I(-65536), I(65536)}, kOpMultiply, kInteger, "-4294967296"},
      {"whole quotient", {I(6), I(3)}, kOpDivide, kInteger, "2"},
      {"quotient with a fraction", {I(7), I(2)}, kOpDivide, kReal, "3.5"},
      {"remainder is Real", {I(9), I(4)}, kOpRemainder, kReal, "1"},
      {"power is Real", {I(2), I(10)}, kOpPower, kReal, "1024"},
      {"factorial", {I(5)}, kOpFactorial, kInteger, "120"},
      {"shift", {I(5), R(1)}, kOpShiftLeft, kInteger, "10"},
      {"complement", {I(-1)}, kOpBitNot, kInteger, "0"},
      {"logical not", {I(0)}, kOpLogicalNot, kInteger, "1"},
      {"comparison is Real", {R(2), I(2)}, kOpEqual, kReal, "1"},
      {"Integer with a whole Real", {I(3), R(-7)}, kOpLess, kReal, "0"},
  });
}

TEST_F(OperatorTest, OperandsNoLineCanType) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  CheckAll({
      {"NaN is not less", {R(nan), R(1)}, kOpLess, kReal, "0"},
      {"NaN is not >=", {R(nan), R(1)}, kOpGreaterEqual, kReal, "0"},
      {"NaN differs from itself", {R(nan), R(nan)}, kOpNotEqual, kReal, "1"},
      {"NaN is not equal", {R(nan), R(nan)}, kOpEqual, kReal, "0"},
      {"whole fractions dividing evenly", {F(6, 0, 0), F(3, 0, 0)}, kOpDivide, kFraction, "2\\0\\0"},
      {"whole fractions not dividing", {F(7, 0, 0), F(2, 0, 0)}, kOpDivide, kReal, "3.5"},
      {"fraction by a zero whole", {F(0, 1, 2), F(0, 0, 0)}, kOpDivide, kReal, "Division by zero"},
      {"whole fraction by zero", {F(1, 0, 0), F(0, 0, 0)}, kOpDivide, kReal, "Division by zero"},
      {"whole fraction by a proper one", {F(1, 0, 0), F(0, 1, 3)}, kOpDivide, kFraction, "3\\0\\1"},
      {"negation saturates", {T(std::numeric_limits<std::int32_t>::min(), 0, 1)}, kOpUnaryMinus, kTime,
       "2147483647:0:-1"},
      {"a date negates its serial", {Value::MakeDate(DayDate{-1})}, kOpUnaryMinus, ValueKind::Date,
       "#31.12.1899#"},
  });
}

// Every operator checks the depth of the stack before it pops anything, and
// resolves its variable operands ("!" and "=" take them as they are).
TEST_F(OperatorTest, EveryOperatorChecksItsOperands) {
  for (int op = kOpUnaryMinus; op < kOperatorCodeCount; ++op) {
    SCOPED_TRACE(op);
    const bool unary = op == kOpUnaryMinus || op == kOpFactorial || op == kOpBitNot || op == kOpLogicalNot;
    EXPECT_EQ(Run(op, {}), kStackEmpty);
    if (!unary) {
      EXPECT_EQ(Run(op, {R(1)}), kStackEmpty);
      EXPECT_EQ(stack_.Count(), 1) << "the lone operand stays";
    }
    if (op == kOpLogicalNot) continue;
    ErrorName().clear();
    std::vector<Value> operands{Var("missing")};
    if (!unary) operands.push_back(R(1));
    if (op == kOpAssign) operands = {Var("v"), Var("missing")};
    EXPECT_EQ(Run(op, operands), kVariableNotFound);
    EXPECT_EQ(ErrorName(), "missing");
    if (!unary && op != kOpAssign) {
      EXPECT_EQ(Run(op, {R(1), Var("missing")}), kVariableNotFound);
    }
  }
}

// Extreme operands of every kind through every operator: each call ends with
// a code and at most one result, whatever the inputs (run it under the
// sanitizers to catch overflow in the 32-bit parts).
TEST_F(OperatorTest, ExtremeOperandsNeverBreakAnOperator) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<Value> samples = {
      R(0), R(-1), R(0.5), R(1e308), R(-1e308), R(inf), R(std::nan("")), I(kMax), I(kMin), I(-1e18),
      F(kMin, kMax, kMax), F(kMax, kMax, 1), F(0, kMin, 1), F(1, -1, kMin), F(0, 1, 0),
      T(kMin, kMin, kMin), T(kMax, 59, 59), C(1e308, -1e308), C(0, 0), C(inf, 1),
      S(""), S("-2147483648\\-1\\-1"), D(2024, 1, 1), Value::MakeDate(DayDate{-1e9}), Var("x"),
  };
  for (int op = kOpUnaryMinus; op < kOperatorCodeCount; ++op) {
    for (const Value& a : samples) {
      for (const Value& b : samples) {
        const ErrorCode code = Run(op, {a, b});
        EXPECT_TRUE(code >= kOk && code <= kLastErrorCode) << op;
        EXPECT_LE(stack_.Count(), 2) << op;
      }
    }
  }
}

TEST(CommonKind, DecidesWhichKindTwoOperandsMeetIn) {
  struct Case {
    const char* what;
    Value a;
    Value b;
    ValueKind expected;
  };
  const Case cases[] = {
      {"text beats date", D(2024, 1, 1), S("a"), ValueKind::String},
      {"date beats complex", C(1, 1), D(2024, 1, 1), ValueKind::Date},
      {"complex beats Real", R(0.5), C(1, 1), ValueKind::Complex},
      {"Real with a fraction beats Time", T(0, 0, 1), R(0.5), ValueKind::Real},
      {"whole Real takes Time", R(2), T(0, 0, 1), ValueKind::Time},
      {"whole Real takes Integer", I(3), R(-7), ValueKind::Integer},
      {"first of Fraction and Time", F(0, 1, 2), T(0, 0, 1), ValueKind::Fraction},
      {"first of Time and Fraction", T(0, 0, 1), F(0, 1, 2), ValueKind::Time},
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
      {"whole part split off", {0, 3, 4}, {0, 3, 4}, true, kOk, {1, 1, 2}},
      {"negative proper result", {0, 1, 4}, {0, -1, 2}, true, kOk, {0, -1, 4}},
      {"negative result with a whole part", {-1, 1, 2}, {-1, 0, 0}, true, kOk, {-2, 1, 2}},
      {"numerator without denominator is whole", {2, 1, 0}, {0, 1, 2}, true, kOk, {2, 1, 2}},
      {"negative denominator", {0, 1, -3}, {0, 1, 2}, true, kOk, {0, 1, 6}},
      {"large parts stay exact", {kMax, 0, 0}, {0, 1, kMax}, false, kOk, {0, 1, 1}},
      {"whole part of exactly 2^31-1", {kMax, 0, 0}, {0, 0, 0}, true, kOk, {kMax, 0, 1}},
      {"denominator of exactly 2^31-1", {0, 1, kMax}, {0, 0, 0}, true, kOk, {0, 1, kMax}},
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

}  // namespace
}  // namespace vr::operators_test
