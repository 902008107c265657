#include "builtins_harness.h"

namespace vr::builtins_test {
namespace {

class ArithmeticFunctionTest : public BuiltinLineTest {};

TEST_F(ArithmeticFunctionTest, RoundingKeepsWholeKindsAndRoundsDatesToTheDay) {
  CheckAll({
      {"round(2.5)", "3"},
      {"round(-2.5)", "-3"},
      {"round(2.49)", "2"},
      {"ceil(2.1)", "3"},
      {"ceil(-2.9)", "-2"},
      {"floor(2.9)", "2"},
      {"floor(-2.1)", "-3"},
      {"round(2.5+i3.5)", "3+i4"},
      {"floor(2.5+i3.5)", "2+i3"},
      {"ceil(1\\2)", "1\\2"},
      {"floor(1:30)", "1:30"},
      {"round('2.5')", "'2.5'"},
      // The clock stands at 10:20: every rounding takes the date to the
      // nearest midnight, so even ceil stays on the same day.
      {"ceil(date)", "#15.03.2024#"},
      {"round(date)", "#15.03.2024#"},
  });
}

TEST_F(ArithmeticFunctionTest, FractionalPartAndAbsoluteValue) {
  CheckAll({
      {"frac(-2.75)", "-0.75"},
      {"frac(1\\1\\4)", "0.25"},
      {"frac(2.5+i3.25)", "0.5+i0.25"},
      {"frac(0x10)", "16"},
      {"frac('a')", "Invalid string operation"},
      {"frac(date)", "Invalid date operation"},
      {"abs(-5)", "5"},
      {"abs(3+i4)", "5"},
      {"abs(-1\\1\\2)", "1\\1\\2"},
      {"abs(-(1:2:3))", "1:2:3"},
      {"abs('-a')", "'-a'"},
      {"conj(3+i4)", "3-i4"},
      {"conj(5)", "5"},
  });
}

TEST_F(ArithmeticFunctionTest, LogarithmsAndRoots) {
  CheckAll({
      {"ln(1)", "0"},
      {"ln(exp(2))", "2"},
      {"log(1000)", "3"},
      {"ln(0)", "Can`t calculate logarithm of zero"},
      {"log(0)", "Can`t calculate logarithm of zero"},
      {"ln(-1)", "0+i3.14159265358979"},
      {"log(-1)", "Function \"log\" not implemented for COMPLEX"},
      {"ln('e')", "Invalid string operation"},
      {"exp(1)", "2.71828182845905"},
      {"exp(-1000)", "0"},
      {"exp(1000)", "Floating point overflow"},
      {"exp(0+i3.141592653589793)", "-1+i1.22464679914735e-16"},
      {"exp('1')", "Invalid string operation"},
      {"sqrt(16)", "4"},
      {"sqrt(-4)", "0+i2"},
      {"sqrt('9')", "3"},
      {"sqrt(3+i4)", "2+i1"},
      // 0 minus the literal 3+i4: the root of -3-i4.
      {"sqrt(0-3+i4)", "1-i2"},
      {"sqrt(0+i0)", "Division by zero"},
  });
}

TEST_F(ArithmeticFunctionTest, SquareFollowsMultiplication) {
  CheckAll({
      {"sqr(3)", "9"},
      {"sqr(-1\\1\\2)", "2\\1\\4"},
      {"sqr(1+i1)", "0+i2"},
      {"sqr(1e200)", "Floating point overflow"},
      {"sqr('a')", "Invalid string operation"},
      {"sqr(date)", "Invalid date operation"},
  });
}

TEST_F(ArithmeticFunctionTest, OddLooksAtTheLowestBit) {
  CheckAll({
      {"odd(7)", "1"},
      {"odd(6)", "0"},
      {"odd(-3)", "1"},
      {"odd(7.9)", "1"},
      {"odd(#15.03.2024#)", "1"},
      {"odd(#16.03.2024#)", "0"},
      {"odd(1+i1)", "Function \"odd\" not implemented for COMPLEX"},
      {"odd('7')", "Invalid string operation"},
  });
}

}  // namespace
}  // namespace vr::builtins_test
