#include <cmath>
#include <limits>

#include "operators_harness.h"

namespace vr::operators_test {
namespace {

constexpr ValueKind kInteger = ValueKind::Integer;

TEST_F(OperatorTest, ComparisonsGiveTruthValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  CheckAll({
      {"Real == Integer", {R(2), I(2)}, kOpEqual, Real("1")},
      {"fraction == Real", {F(0, 1, 2), R(0.5)}, kOpEqual, Real("1")},
      {"fractions by value", {F(0, 1, 2), F(0, 2, 4)}, kOpEqual, Real("1")},
      {"negative fraction order", {F(0, -1, 2), F(0, 1, 4)}, kOpLess, Real("1")},
      {"-1\\1\\2 < -1", {F(-1, 1, 2), F(-1, 0, 0)}, kOpLess, Real("1")},
      {"time == seconds", {T(0, 1, 0), R(60)}, kOpEqual, Real("1")},
      {"time order", {T(0, 59, 59), T(1, 0, 0)}, kOpGreaterEqual, Real("0")},
      {"complex equality", {C(1, 2), C(1, 2)}, kOpEqual, Real("1")},
      {"complex inequality", {C(1, 2), C(1, -2)}, kOpNotEqual, Real("1")},
      {"complex ordered by modulus", {C(3, 4), C(0, 4.9)}, kOpGreater, Real("1")},
      {"equal moduli are not less", {C(3, 4), R(5)}, kOpLess, Real("0")},
      {"equal moduli are <=", {C(3, 4), R(5)}, kOpLessEqual, Real("1")},
      {"'abc' < 'abd'", {S("abc"), S("abd")}, kOpLess, Real("1")},
      {"case counts", {S("A"), S("a")}, kOpEqual, Real("0")},
      {"bytes order 'B' before 'a'", {S("B"), S("a")}, kOpLess, Real("1")},
      {"prefix is smaller", {S("ab"), S("abc")}, kOpGreater, Real("0")},
      {"number compared as text", {S("5"), R(5)}, kOpEqual, Real("1")},
      {"same day, other hour: equal", {D(2024, 1, 1, 10), D(2024, 1, 1)}, kOpEqual, Real("1")},
      {"same day, other hour: later", {D(2024, 1, 1, 10), D(2024, 1, 1)}, kOpGreater, Real("1")},
      {"!= of equal days", {D(2024, 1, 1, 10), D(2024, 1, 1)}, kOpNotEqual, Real("0")},
      {"NaN is not less", {R(nan), R(1)}, kOpLess, Real("0")},
      {"NaN is not >=", {R(nan), R(1)}, kOpGreaterEqual, Real("0")},
      {"NaN differs from itself", {R(nan), R(nan)}, kOpNotEqual, Real("1")},
      {"variables compare by value", {Var("x"), R(5)}, kOpEqual, Real("1")},
  });
}

TEST_F(OperatorTest, ShiftsBitwiseAndLogicalWorkOnWholeNumbers) {
  CheckAll({
      {"1 << 33 shifts by 1", {R(1), R(33)}, kOpShiftLeft, Real("2")},
      {"1 << 31 reads back signed", {R(1), R(31)}, kOpShiftLeft, Real("-2147483648")},
      {"negative count is taken mod 32", {R(1), R(-1)}, kOpShiftLeft, Real("-2147483648")},
      {">> keeps the sign", {R(-8), R(1)}, kOpShiftRight, Real("-4")},
      {"kind kept", {I(5), R(1)}, kOpShiftLeft, Gives(kInteger, "10")},
      {"2^31-1 is no whole operand", {R(2147483647), R(1)}, kOpShiftLeft, Fails(kNotForInteger, "shift")},
      {"fractional operand", {R(1.5), R(1)}, kOpShiftRight, Fails(kNotForInteger, "shift")},
      {"text shift", {S("1"), R(1)}, kOpShiftLeft, Fails(kInvalidStringOperation)},
      {"6 & 3", {R(6), R(3)}, kOpBitAnd, Real("2")},
      {"6 | 3", {R(6), R(3)}, kOpBitOr, Real("7")},
      {"6 ^ 3", {R(6), R(3)}, kOpBitXor, Real("5")},
      {"-1 & 255", {R(-1), R(255)}, kOpBitAnd, Real("255")},
      {"date &", {D(2024, 1, 1), R(1)}, kOpBitAnd, Fails(kInvalidDateOperation)},
      {"fraction &", {F(0, 1, 2), R(1)}, kOpBitAnd, Fails(kNotForInteger, "AND")},
      {"time |", {T(0, 0, 1), R(1)}, kOpBitOr, Fails(kNotForInteger, "OR")},
      {"complex ^", {C(1, 1), R(1)}, kOpBitXor, Fails(kNotForInteger, "XOR")},
      {"~0", {R(0)}, kOpBitNot, Real("4294967295")},
      {"~5", {R(5)}, kOpBitNot, Real("4294967290")},
      {"~-1 keeps Integer", {I(-1)}, kOpBitNot, Gives(kInteger, "0")},
      {"~0.5", {R(0.5)}, kOpBitNot, Fails(kNotForInteger, "NOT")},
      {"~text", {S("1")}, kOpBitNot, Fails(kInvalidStringOperation)},
      {"~date", {D(2024, 1, 1)}, kOpBitNot, Fails(kInvalidDateOperation)},
      {"~x", {Var("x")}, kOpBitNot, Real("4294967290")},
      {"2 && 3", {R(2), R(3)}, kOpLogicalAnd, Real("1")},
      {"2 && 0", {R(2), R(0)}, kOpLogicalAnd, Real("0")},
      {"0 || 0", {R(0), R(0)}, kOpLogicalOr, Real("0")},
      {"0 || -5", {R(0), R(-5)}, kOpLogicalOr, Real("1")},
      {"&& of a fraction of a number", {R(0.5), R(1)}, kOpLogicalAnd, Fails(kNotForInteger, "AND")},
      {"|| of a complex", {C(1, 1), R(1)}, kOpLogicalOr, Fails(kNotForInteger, "OR")},
      {"!0", {R(0)}, kOpLogicalNot, Real("1")},
      {"!5", {R(5)}, kOpLogicalNot, Real("0")},
      {"!Integer 0", {I(0)}, kOpLogicalNot, Gives(kInteger, "1")},
      {"!0.5", {R(0.5)}, kOpLogicalNot, Fails(kNotForInteger, "NOT")},
      {"! leaves a variable unresolved", {Var("x")}, kOpLogicalNot, Fails(kNotForInteger, "NOT")},
      {"!text", {S("")}, kOpLogicalNot, Fails(kInvalidStringOperation)},
  });
}

TEST_F(OperatorTest, PercentOperatorsGiveReals) {
  CheckAll({
      {"200 *% 15", {R(200), R(15)}, kOpPercentOf, Real("30")},
      {"200 /% 50", {R(200), R(50)}, kOpPercentRatio, Real("25")},
      {"200 +% 15", {R(200), R(15)}, kOpPercentAdd, Real("230")},
      {"200 -% 15", {R(200), R(15)}, kOpPercentSub, Real("170")},
      {"fraction *% Real", {F(0, 1, 2), R(50)}, kOpPercentOf, Real("0.25")},
      {"time *% 50 counts seconds", {T(0, 1, 40), R(50)}, kOpPercentOf, Real("50")},
      {"0 /% 5", {R(0), R(5)}, kOpPercentRatio, Fails(kDivisionByZero)},
      {"tiny base overflows", {R(1e-300), R(1e300)}, kOpPercentRatio, Fails(kFloatingPointOverflow)},
      {"complex *%", {C(1, 1), R(5)}, kOpPercentOf, Fails(kNotForComplex, "percent")},
      {"complex /%", {R(5), C(1, 1)}, kOpPercentRatio, Fails(kNotForComplex, "relate")},
      {"text *%", {S("200"), R(5)}, kOpPercentOf, Fails(kInvalidStringOperation)},
      {"text /%", {S("200"), R(5)}, kOpPercentRatio, Fails(kInvalidStringOperation, "relate")},
      {"date *%", {D(2024, 1, 1), R(5)}, kOpPercentOf, Fails(kInvalidDateOperation)},
      {"date /%", {D(2024, 1, 1), R(5)}, kOpPercentRatio, Fails(kInvalidDateOperation)},
      {"+% reads text as a number", {S("200"), R(10)}, kOpPercentAdd, Real("220")},
      {"+% reads a complex by its real part", {C(200, 5), R(10)}, kOpPercentAdd, Real("220")},
      {"-% of zero", {R(0), R(10)}, kOpPercentSub, Real("0")},
  });
}

TEST_F(OperatorTest, AssignmentStoresAndGivesTheValue) {
  struct Case {
    const char* name;
    Value value;
    Expect expect;
  };
  const std::vector<Case> cases = {
      {"y", R(7), Real("7")},
      {"z", Var("x"), Real("5")},
      {"e_c", R(1), Real("1")},
      {"PI", R(3), Fails(kCannotChangeConstant)},
      {"Gold", R(3), Fails(kCannotChangeConstant)},
      {"time", R(3), Fails(kCannotChangeConstant)},
      {"DATE", R(3), Fails(kCannotChangeConstant)},
      {"w", Var("nothing"), Fails(kVariableNotFound, "nothing")},
  };
  for (const Case& c : cases) {
    Check({c.name, {Var(c.name), c.value}, kOpAssign, c.expect}, c.name);
    const VariableEntry* stored = engine_.Variables().Find(c.name);
    if (c.expect.error != kOk) {
      EXPECT_EQ(stored, nullptr) << c.name;
    } else {
      ASSERT_NE(stored, nullptr) << c.name;
      EXPECT_EQ(FormatValue(stored->value), c.expect.text);
    }
  }
}

// Every operator checks the depth of the stack before it pops anything, and
// resolves its variable operands.
TEST_F(OperatorTest, EveryOperatorChecksItsOperands) {
  for (int op = kOpUnaryMinus; op < kOperatorCodeCount; ++op) {
    SCOPED_TRACE(op);
    const bool unary = op == kOpUnaryMinus || op == kOpFactorial || op == kOpBitNot || op == kOpLogicalNot;
    EXPECT_EQ(Run(op, {}), kStackEmpty);
    if (!unary) {
      EXPECT_EQ(Run(op, {R(1)}), kStackEmpty);
      EXPECT_EQ(stack_.Count(), 1) << "the lone operand stays";
    }
    if (op == kOpLogicalNot || op == kOpAssign) continue;
    ErrorName().clear();
    std::vector<Value> operands{Var("missing")};
    if (!unary) operands.push_back(R(1));
    EXPECT_EQ(Run(op, operands), kVariableNotFound);
    EXPECT_EQ(ErrorName(), "missing");
  }
}

TEST_F(OperatorTest, ApplyOperatorUsesTheTableEntry) {
  const std::string noText;
  const OperationCall call{engine_, stack_, 0, 0, noText};
  stack_.Clear();
  stack_.Push(R(3));
  stack_.Push(R(5));
  ASSERT_EQ(ApplyOperator(call, kOpGreaterEqual), kOk);  // extra: the operator code
  EXPECT_EQ(FormatValue(stack_.Peek()), "0");
  stack_.Clear();
  stack_.Push(R(200));
  stack_.Push(R(10));
  ASSERT_EQ(ApplyOperator(call, kOpPercentSub), kOk);
  EXPECT_EQ(FormatValue(stack_.Peek()), "180");
  EXPECT_EQ(ApplyOperator(call, kOpUnaryPlus), kErrorInExpression);
}

}  // namespace
}  // namespace vr::operators_test

namespace vr::operators_test {
namespace {

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
        const ErrorCode code = Run(op, {a, b}, "v");
        EXPECT_TRUE(code >= kOk && code <= kLastErrorCode) << op;
        EXPECT_LE(stack_.Count(), 2) << op;
      }
    }
  }
}

}  // namespace
}  // namespace vr::operators_test
