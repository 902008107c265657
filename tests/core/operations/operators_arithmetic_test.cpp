#include <cmath>
#include <limits>

#include "operators_harness.h"

namespace vr::operators_test {
namespace {

constexpr ValueKind kInteger = ValueKind::Integer;
constexpr ValueKind kFraction = ValueKind::Fraction;
constexpr ValueKind kTime = ValueKind::Time;
constexpr ValueKind kComplex = ValueKind::Complex;
constexpr ValueKind kString = ValueKind::String;
constexpr ValueKind kDate = ValueKind::Date;

TEST_F(OperatorTest, AdditionAndSubtractionFollowTheCommonKind) {
  CheckAll({
      {"2 + 3", {R(2), R(3)}, kOpAdd, Real("5")},
      {"Integer sum reaching 2^31-1 turns Real", {I(2147483646), R(1)}, kOpAdd, Real("2147483647")},
      {"Integer sum below it stays", {I(5), I(-3)}, kOpAdd, Gives(kInteger, "2")},
      {"1\\2 + 1\\3", {F(0, 1, 2), F(0, 1, 3)}, kOpAdd, Gives(kFraction, "5\\6")},
      {"1\\2 + 1\\2 keeps 1\\1", {F(0, 1, 2), F(0, 1, 2)}, kOpAdd, Gives(kFraction, "1\\1")},
      {"whole Real takes the fraction's kind", {R(2), F(0, 1, 2)}, kOpAdd, Gives(kFraction, "2\\1\\2")},
      {"0.5 + 1\\2 is Real", {R(0.5), F(0, 1, 2)}, kOpAdd, Real("1")},
      {"1\\2 - 3\\4", {F(0, 1, 2), F(0, 3, 4)}, kOpSubtract, Gives(kFraction, "-1\\4")},
      {"1\\1\\2 - 3", {F(1, 1, 2), R(3)}, kOpSubtract, Gives(kFraction, "-1\\1\\2")},
      {"-1\\1\\2 + 1\\2", {F(-1, 1, 2), F(0, 1, 2)}, kOpAdd, Gives(kFraction, "-1\\1")},
      {"1\\2 - 1\\2 is zero", {F(0, 1, 2), F(0, 1, 2)}, kOpSubtract, Gives(kFraction, "0\\1")},
      {"1:0:0 + 30 seconds", {T(1, 0, 0), R(30)}, kOpAdd, Gives(kTime, "1:0:30")},
      {"0:30 - 1:0", {T(0, 0, 30), T(0, 1, 0)}, kOpSubtract, Gives(kTime, "0:-30")},
      // Between Time and Integer the right operand's kind wins for "+".
      {"Integer + Time is a Time", {I(90), T(0, 1, 0)}, kOpAdd, Gives(kTime, "2:30")},
      {"Time + Integer is an Integer", {T(0, 1, 0), I(90)}, kOpAdd, Gives(kInteger, "150")},
      {"complex sum", {C(1, 2), R(1)}, kOpAdd, Gives(kComplex, "2+i2")},
      {"imaginary parts cancel", {C(3, 4), C(1, -4)}, kOpAdd, Real("4")},
      {"texts join", {S("ab"), S("cd")}, kOpAdd, Gives(kString, "'abcd'")},
      {"a number joins as text", {S("ab"), R(1)}, kOpAdd, Gives(kString, "'ab1'")},
      {"text minus a number appends it negated", {S("ab"), R(1)}, kOpSubtract, Gives(kString, "'ab-1'")},
      {"number minus text", {R(1), S("ab")}, kOpSubtract, Fails(kInvalidStringOperation)},
      {"date + 30 days", {D(2024, 1, 1), R(30)}, kOpAdd, Gives(kDate, "#31.01.2024#")},
      {"date - 1 is the day before", {D(2024, 3, 1), R(1)}, kOpSubtract, Gives(kDate, "#29.02.2024#")},
      {"date - date is days", {D(2024, 3, 1), D(2024, 1, 1)}, kOpSubtract, Real("60")},
      {"variable operand", {Var("X"), R(1)}, kOpSubtract, Real("4")},
  });
}

TEST_F(OperatorTest, UnaryMinusNegatesEveryKindButText) {
  CheckAll({
      {"Real", {R(2.5)}, kOpUnaryMinus, Real("-2.5")},
      {"Integer", {I(5)}, kOpUnaryMinus, Gives(kInteger, "-5")},
      {"fraction with a whole part", {F(1, 1, 2)}, kOpUnaryMinus, Gives(kFraction, "-1\\1\\2")},
      {"proper fraction", {F(0, 1, 2)}, kOpUnaryMinus, Gives(kFraction, "-1\\2")},
      {"negative fraction", {F(-1, 1, 2)}, kOpUnaryMinus, Gives(kFraction, "1\\1\\2")},
      {"time", {T(1, 2, 3)}, kOpUnaryMinus, Gives(kTime, "-1:-2:-3")},
      {"complex", {C(1, -2)}, kOpUnaryMinus, Gives(kComplex, "-1+i2")},
      {"text", {S("a")}, kOpUnaryMinus, Fails(kInvalidStringOperation)},
  });
}

TEST_F(OperatorTest, MultiplicationAndDivision) {
  CheckAll({
      {"Real overflow", {R(1e200), R(1e200)}, kOpMultiply, Fails(kFloatingPointOverflow)},
      {"Integer product beyond 2^31 turns Real", {I(65536), I(65536)}, kOpMultiply, Real("4294967296")},
      {"large negative Integer product stays", {I(-65536), I(65536)}, kOpMultiply, Gives(kInteger, "-4294967296")},
      {"1\\2 * 3", {F(0, 1, 2), R(3)}, kOpMultiply, Gives(kFraction, "1\\1\\2")},
      {"2\\3 * 3\\4 reduces", {F(0, 2, 3), F(0, 3, 4)}, kOpMultiply, Gives(kFraction, "1\\2")},
      {"-1\\2 * 1\\3", {F(0, -1, 2), F(0, 1, 3)}, kOpMultiply, Gives(kFraction, "-1\\6")},
      {"time * 2", {T(0, 1, 0), R(2)}, kOpMultiply, Gives(kTime, "2:0")},
      {"complex product", {C(3, 4), C(1, -2)}, kOpMultiply, Gives(kComplex, "11-i2")},
      {"i * i is Real", {C(0, 1), C(0, 1)}, kOpMultiply, Real("-1")},
      {"text product", {S("ab"), R(2)}, kOpMultiply, Fails(kInvalidStringOperation)},
      {"date product", {D(2024, 1, 1), R(2)}, kOpMultiply, Fails(kInvalidDateOperation)},

      {"Real by zero", {R(1), R(0)}, kOpDivide, Fails(kDivisionByZero)},
      {"Real quotient", {R(1), R(4)}, kOpDivide, Real("0.25")},
      {"Real overflow", {R(1e300), R(1e-300)}, kOpDivide, Fails(kFloatingPointOverflow)},
      {"whole Integer quotient", {I(6), I(3)}, kOpDivide, Gives(kInteger, "2")},
      {"Integer quotient with a fraction", {I(7), I(2)}, kOpDivide, Real("3.5")},
      {"1\\2 / 1\\4", {F(0, 1, 2), F(0, 1, 4)}, kOpDivide, Gives(kFraction, "2\\0\\1")},
      {"1\\2 / -3", {F(0, 1, 2), F(-3, 0, 0)}, kOpDivide, Gives(kFraction, "-1\\6")},
      {"1\\2 / 1\\1\\2", {F(0, 1, 2), F(1, 1, 2)}, kOpDivide, Gives(kFraction, "1\\3")},
      {"whole fractions dividing evenly", {F(6, 0, 0), F(3, 0, 0)}, kOpDivide, Gives(kFraction, "2\\0\\0")},
      {"whole fractions not dividing", {F(7, 0, 0), F(2, 0, 0)}, kOpDivide, Real("3.5")},
      {"fraction by a zero whole", {F(0, 1, 2), F(0, 0, 0)}, kOpDivide, Fails(kDivisionByZero)},
      {"whole fraction by zero", {F(1, 0, 0), F(0, 0, 0)}, kOpDivide, Fails(kDivisionByZero)},
      {"time / time", {T(1, 0, 0), T(0, 30, 0)}, kOpDivide, Real("2")},
      {"time / whole number keeps seconds", {T(1, 0, 0), R(2)}, kOpDivide, Real("1800")},
      {"time by zero", {T(0, 1, 0), R(0)}, kOpDivide, Fails(kDivisionByZero)},
      {"complex quotient", {C(11, -2), C(1, -2)}, kOpDivide, Gives(kComplex, "3+i4")},
      {"complex by zero", {C(1, 1), C(0, 0)}, kOpDivide, Fails(kDivisionByZero)},
      {"complex by zero Real", {C(1, 1), R(0)}, kOpDivide, Fails(kDivisionByZero)},
      {"text quotient", {S("ab"), R(2)}, kOpDivide, Fails(kInvalidStringOperation)},
      {"date quotient", {D(2024, 1, 1), R(2)}, kOpDivide, Fails(kInvalidDateOperation)},
  });
}

TEST_F(OperatorTest, RemainderRoundsBothOperands) {
  CheckAll({
      {"7 % 3", {R(7), R(3)}, kOpRemainder, Real("1")},
      {"-7 % 3 has the dividend's sign", {R(-7), R(3)}, kOpRemainder, Real("-1")},
      {"7.5 rounds to 8", {R(7.5), R(2)}, kOpRemainder, Real("0")},
      {"-2.5 rounds away from zero", {R(-2.5), R(2)}, kOpRemainder, Real("-1")},
      {"Integer gives a Real", {I(9), I(4)}, kOpRemainder, Real("1")},
      {"time counts seconds", {T(0, 1, 5), R(7)}, kOpRemainder, Real("2")},
      {"fraction counts its value", {F(3, 1, 2), R(3)}, kOpRemainder, Real("1")},
      {"by zero", {R(7), R(0)}, kOpRemainder, Fails(kDivisionByZero)},
      {"by a number rounding to zero", {R(7), R(0.4)}, kOpRemainder, Fails(kDivisionByZero)},
      {"smallest 32-bit number by -1", {I(-2147483648.0), I(-1)}, kOpRemainder, Real("0")},
      {"complex with an imaginary part", {C(1, 1), R(2)}, kOpRemainder, Fails(kInvalidComplexTypecast)},
  });
}

TEST_F(OperatorTest, PowerGoesThroughTheLogarithm) {
  CheckAll({
      {"2 ** 0.5 (not sqrt(2) to the last digit)", {R(2), R(0.5)}, kOpPower, Real("1.41421356237309")},
      {"(-2) ** 3", {R(-2), R(3)}, kOpPower, Real("-8")},
      {"(-2) ** 2", {R(-2), R(2)}, kOpPower, Real("4")},
      {"(-2) ** -1", {R(-2), R(-1)}, kOpPower, Real("-0.5")},
      {"(-8) ** (1/3)", {R(-8), R(1.0 / 3)}, kOpPower, Fails(kNegativePowerBase)},
      {"Integer power is Real", {I(2), I(10)}, kOpPower, Real("1024")},
      {"0 ** 2", {R(0), R(2)}, kOpPower, Real("0")},
      {"overflow", {R(10), R(400)}, kOpPower, Fails(kFloatingPointOverflow)},
      {"0 ** -1", {R(0), R(-1)}, kOpPower, Fails(kFloatingPointOverflow)},
      {"fraction base", {F(0, 1, 2), R(2)}, kOpPower, Fails(kNotForFraction, "power")},
      {"time base", {T(0, 1, 0), R(2)}, kOpPower, Fails(kNotForTime, "power")},
      {"complex stays complex", {C(1, 0), R(2)}, kOpPower, Gives(kComplex, "1+i0")},
      {"complex zero base", {C(0, 0), R(2)}, kOpPower, Fails(kFloatingPointOverflow)},
      {"text", {S("2"), R(2)}, kOpPower, Fails(kInvalidStringOperation)},
      {"date", {D(2024, 1, 1), R(2)}, kOpPower, Fails(kInvalidDateOperation)},
  });
}

TEST_F(OperatorTest, ComplexPowerIsThePrincipalValue) {
  ASSERT_EQ(Run(kOpPower, {C(0, 1), C(0, 1)}), kOk);  // i ** i = e^(-pi/2)
  const Value& v = stack_.Peek();
  ASSERT_EQ(v.kind, ValueKind::Complex);
  EXPECT_NEAR(v.num.complex.re, std::exp(-std::acos(-1.0) / 2), 1e-15);
  EXPECT_EQ(v.num.complex.im, 0.0);
}

TEST_F(OperatorTest, FactorialOfWholeNumbers) {
  CheckAll({
      {"5!!", {R(5)}, kOpFactorial, Real("120")},
      {"kind kept", {I(5)}, kOpFactorial, Gives(kInteger, "120")},
      {"0!!", {R(0)}, kOpFactorial, Real("1")},
      {"1!!", {R(1)}, kOpFactorial, Real("1")},
      {"2!!", {R(2)}, kOpFactorial, Real("2")},
      {"20!!", {R(20)}, kOpFactorial, Real("2.43290200817664e+18")},
      {"169!! still fits", {R(169)}, kOpFactorial, Real("4.26906800900471e+304")},
      {"170!!", {R(170)}, kOpFactorial, Fails(kFloatingPointOverflow)},
      {"2.5!!", {R(2.5)}, kOpFactorial, Fails(kFactorialDomain)},
      {"negative", {R(-1)}, kOpFactorial, Fails(kFactorialDomain)},
      {"fraction", {F(0, 1, 2)}, kOpFactorial, Fails(kFactorialDomain)},
      {"time", {T(0, 0, 3)}, kOpFactorial, Fails(kFactorialDomain)},
      {"complex", {C(3, 0)}, kOpFactorial, Fails(kFactorialDomain)},
      {"text", {S("3")}, kOpFactorial, Fails(kInvalidStringOperation)},
      {"date", {D(2024, 1, 1)}, kOpFactorial, Fails(kInvalidDateOperation)},
      {"variable", {Var("x")}, kOpFactorial, Real("120")},
  });
}

}  // namespace
}  // namespace vr::operators_test
