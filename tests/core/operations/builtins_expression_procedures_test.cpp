#include <chrono>
#include <cmath>

#include "builtins_harness.h"

namespace vr::builtins_test {
namespace {

class ExpressionProcedureTest : public BuiltinLineTest {
 protected:
  ExpressionProcedureTest() { SetPrecision(10); }
};

TEST_F(ExpressionProcedureTest, RootIntegralAndExtremaOfATextInX) {
  CheckAll({
      {"root('x**2-2';0;2;1e-6)", "1.414213563"},
      {"root('x**2-2';2;0;1e-6)", "1.414213563"},
      // |a| = |b|: the start is moved to 1.1 so that the secant has a slope.
      {"root('x';-1;1)", "0"},
      {"root('cos(x)';1;2;1e-9)", "1.570796327"},
      {"integral('x**2';0;3;1e-4)", "9"},
      {"integral('x**2';3;0;1e-4)", "9"},
      {"integral('x**2';0;3)", "9"},
      {"integral('1/x';1;2;1e-9)", "0.6931471806"},
      {"integral('exp(x)';0;1;1e-9;99)", "1.718281828"},
      {"maximum('0-(x-1)**2';0;3;1e-4)", "1.000004822"},
      {"minimum('(x-2)**2';0;3;1e-4)", "1.999995178"},
      // The minimum of a downward parabola is at the far end.
      {"minimum('0-(x-1)**2';0;3;1e-6)", "2.99999981"},
      {"maximum('sin(x)';0;3;1e-8)", "1.570796336"},
  });
}

TEST_F(ExpressionProcedureTest, FailuresOfTheTextAndOfTheCall) {
  CheckAll({
      {"root('x**2+1';0;1)", "Root is not found in given interval"},
      {"root('5';0;1)", "Root is not found in given interval"},
      {"root('y';0;1)", "Variable \"y\" not found"},
      {"integral('y*x';0;1)", "Variable \"y\" not found"},
      {"integral('(x';0;1)", "Too many '('"},
      {"root('x';1)", "Stack is empty"},
      {"1+root('x';1)", "Function \"root\": not enough parameters"},
      {"maximum('x')", "Stack is empty"},
      // A complex value counts by its real part.
      {"integral('sqrt(x)';0-1;0;1e-6)", "0"},
  });
}

TEST_F(ExpressionProcedureTest, TheTextSeesTheCallersVariablesButCannotChangeThem) {
  CheckAll({
      {"x=5", "5"},
      {"a=3", "3"},
      {"root('x**2-a';0;2;1e-9)", "1.732050808"},
      {"integral('x*a';0;1;1e-6)", "1.5"},
      {"f='x*x'", "'x*x'"},
      {"maximum(f;-1;2;1e-6)", "1.99999981"},
      {"x", "5"},
      {"eval('x=7')", "7"},
      {"x", "5"},
      {"eval('a*2')", "6"},
      {"eval(f)", "25"},
      {"eval(1+2)", "3"},
      {"eval('')", "0"},
      {"eval('nope*2')", "Variable \"nope\" not found"},
  });
}

// Texts that have no root or no number must end with their message, and
// quickly, whatever the tolerance asks for.
TEST_F(ExpressionProcedureTest, HopelessTextsEndInBoundedTime) {
  const auto started = std::chrono::steady_clock::now();
  CheckAll({
      {"root('(1e308+1e308)-(1e308+1e308)';0;1)", "Root is not found in given interval"},
      {"root('1/(x-x+1e-300)/1e300';0;1;0)", "Root is not found in given interval"},
      {"maximum('(1e308+1e308)-(1e308+1e308)';0;1)", "1"},
      {"integral('x';0;1;0)", "0.5"},
      {"s='eval(s)'", "'eval(s)'"},
      {"eval(s)", "Stack overflow"},
  });
  Show("integral('(1e308+1e308)-(1e308+1e308)';0;1)");
  EXPECT_EQ(lastCode_, kOk);
  EXPECT_TRUE(std::isnan(lastValue_.num.real));
  Show("integral('integral(\"x*x\";0;x)';0;1)");
  EXPECT_EQ(lastCode_, kOk);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

}  // namespace
}  // namespace vr::builtins_test
