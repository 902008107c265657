#include <cmath>

#include "builtins_harness.h"

namespace vr::builtins_test {
namespace {

class ProcedureTest : public BuiltinLineTest {};

TEST_F(ProcedureTest, SolveLeavesEveryRootForTheSolutionList) {
  struct SolveRow {
    const char* line;
    const char* result;
    const char* solutions;  // nullptr: a single result
  };
  const SolveRow rows[] = {
      {"solve(1;-3;2)", "1", "x=1; x=2"},
      {"solve(2;-4)", "0", "x=0; x=2"},
      // b / -2a is a negative zero when b is 0.
      {"solve(1;0;1)", "-0-i1", "x=-0-i1; x=-0+i1"},
      {"solve(1;2;1)", "-1", nullptr},
      {"solve(1+i1;2;3)", "Function \"solve\" is not yet implemented for complex", nullptr},
      {"solve(#1.1.2024#;1;1)", "Invalid date operation", nullptr},
      {"solve3(1;2;3;4)", "Function \"solve3\" doesn`t exists", nullptr},
      {"solve3(1;2+i1)", "Function \"solve3\" is not yet implemented for complex", nullptr},
      {"angle(1)", "Function \"angle\" doesn`t exists", nullptr},
  };
  for (const SolveRow& row : rows) {
    SCOPED_TRACE(row.line);
    engine_.solutionsText = "untouched";
    EXPECT_EQ(Show(row.line), row.result);
    EXPECT_EQ(engine_.solutionsText, row.solutions ? row.solutions : "untouched");
  }
}

TEST_F(ProcedureTest, RatioFindsTheConvergentWithinTheTolerance) {
  CheckAll({
      {"ratio(0.75)", "3\\4"},
      {"ratio(-0.75)", "-3\\4"},
      {"ratio(2.5)", "2\\1\\2"},
      {"ratio(0.1)", "1\\10"},
      {"ratio(1/3)", "1\\3"},
      {"ratio(3.14159;0.01)", "3\\1\\7"},
      {"ratio(3.14159;5)", "3\\14159\\100000"},
      {"ratio(-3.14159;0.01;9)", "-3\\1\\7"},
      // pi has no 32-bit convergent that is exact: the last one that fits.
      {"ratio(pi)", "3\\11080585\\78256779"},
      {"ratio(2)", "2"},
      {"ratio(1\\2)", "1\\2"},
      {"ratio(0x10)", "16"},
      {"ratio(1e10+0.5)", "Integer overflow"},
      {"ratio(1+i1)", "Function \"rational\" not implemented for COMPLEX"},
      {"ratio('0.5')", "Invalid string operation"},
      {"ratio(date)", "Invalid date operation"},
  });
}

TEST_F(ProcedureTest, GcdAndLcmOfTwoWholeNumbers) {
  CheckAll({
      {"gcd(12;18)", "6"},
      {"gcd(12;18;30)", "6"},
      {"gcd(0;5)", "5"},
      {"gcd(12.9;18)", "6"},
      {"lcm(4;6)", "12"},
      {"lcm(-4;6)", "12"},
      {"lcm(65536;65537)", "4295032832"},
      {"gcd(5)", "Function \"gcd\": not enough parameters"},
      {"gcd(12;0)", "Division by zero"},
      {"lcm(0;5)", "Division by zero"},
      {"gcd(1+i1;2)", "Function \"GCD\" not implemented for COMPLEX"},
      {"lcm(2;1+i1)", "Function \"LCM\" not implemented for COMPLEX"},
      {"lcm('a';2)", "Invalid string operation"},
      {"gcd(date;2)", "Invalid date operation"},
  });
}

TEST_F(ProcedureTest, HmsSplitsSecondsAndTexts) {
  CheckAll({
      {"hms(3725)", "1:2:5"},
      {"hms(-3725)", "-1:-2:-5"},
      {"hms(59.9)", "0:59"},
      {"hms(3+i4)", "0:5"},
      {"hms(1\\2)", "0:0"},
      {"hms('1:2:3')", "1:2:3"},
      {"hms('2:30')", "2:30"},
      {"hms(1:2:3)", "1:2:3"},
      {"hms(date)", "10:20:30"},
  });
}

TEST_F(ProcedureTest, RepeatingDecimals) {
  CheckAll({
      {"periodlen(1;7)", "6"},
      {"periodlen(1;4)", "0"},
      {"periodlen(1\\6)", "1"},
      {"periodlen(5)", "0"},
      {"periodlen(1;0)", "Division by zero"},
      {"periodlen(1;2147483647)", "195225786"},
      {"period(1\\3)", "'0.(3)'"},
      {"period(1;6)", "'0.1(6)'"},
      {"period(22;7)", "'3.(142857)'"},
      {"period(-22;-7)", "'3.(142857)'"},
      {"period(1;4)", "'0.25'"},
      {"period(1\\1\\12)", "'1.08(3)'"},
      {"period(5.7)", "'5'"},
      {"period(1;2147483647)", "Integer overflow"},
  });
}

TEST_F(ProcedureTest, RomanNumerals) {
  CheckAll({
      {"a2r(1994)", "'MCMXCIV'"},
      {"a2r(3999)", "'MMMCMXCIX'"},
      {"a2r(-12.7)", "'XII'"},
      {"a2r(0)", "''"},
      {"a2r(4000)", "Integer overflow"},
      {"r2a('mcmxciv')", "1994"},
      {"r2a('XIZ')", "11"},
      {"r2a('')", "0"},
  });
}

}  // namespace
}  // namespace vr::builtins_test
