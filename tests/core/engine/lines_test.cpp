// Whole lines through the real operations: what the ordering of operators,
// the variables, the constants and "?" give together.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "settings/options_record.h"
#include "values/value_text.h"

namespace vr {
namespace {

struct Row {
  std::string line;
  std::string shown;  // the result's text, or the error message
};

class LinesTest : public ::testing::Test {
 protected:
  std::string Eval(const std::string& line) {
    Value v;
    const ErrorCode code = engine.EvaluateLine(line, v);
    return code == kOk ? FormatValue(v) : GetErrorText(code);
  }
  void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) EXPECT_EQ(Eval(row.line), row.shown) << row.line;
  }

  ScopedOptions options;
  ExpressionEngine engine{EngineServices{&StandardOperations(), nullptr}};
};

TEST_F(LinesTest, PrecedenceAndGrouping) {
  ExpectRows({
      {"2+3*4", "14"},
      {"(2+3)*4", "20"},
      {"10-4-3", "3"},
      {"100/10/5", "2"},
      {"2**3**2", "64"},  // "**" groups from the left too
      {"2**3*2", "16"},
      {"2*3**2", "18"},
      {"7%4*2", "6"},
      {"1+2==3", "1"},
      {"1<2==1", "1"},  // (1<2)==1
      {"1<<2+1", "8"},
      {"6&3|8", "10"},
      {"1||0&&0", "1"},
      {"2*200+%10", "440"},
      {"5!!-1", "119"},
      {"sin((1)+2)", FormatValue(Value::MakeReal(std::sin(3.0)))},
      {"max(1;2+3;4)", "5"},
  });
}

TEST_F(LinesTest, UnaryMinus) {
  ExpectRows({
      {"-3", "-3"},
      {"(-3)", "-3"},
      {"2*-3", "-6"},
      {"2--3", "5"},
      {"-2**2", "4"},
      {"2**-1", "0.5"},
      {"-(2+3)", "-5"},
      {"max(1;-3)", "1"},
      {"-2+i3", "-2+i3"},
      {"-(2+i3)", "-2-i3"},
      {"--3", "Invalid expression"},
  });
}

TEST_F(LinesTest, VariablesPersistAndIgnoreCase) {
  ExpectRows({
      {"x", "Variable \"x\" not found"},
      {"x=5", "5"},
      {"X", "5"},
      {"x*2", "10"},
      {"X:=x+1", "6"},
      {"x", "6"},
      {"-x", "-6"},
      {"y=x", "6"},
      {"x=y+z", "Variable \"z\" not found"},
      {"x", "6"},
  });
  ASSERT_EQ(engine.Variables().Count(), 2);
  EXPECT_EQ(engine.Variables().At(0)->name, "x");
}

TEST_F(LinesTest, NamedConstants) {
  // VADADERIVO_NOW is 2024-03-15T10:20:30 in the tests.
  ExpectRows({
      {"time", "10:20:30"},
      {"date", "#15.03.2024#"},
      {"pi=3", "Cannot change constant"},
      {"Gold=1", "Cannot change constant"},
      {"e_c", "1.6021892e-19"},
      {"h_c", "6.6261764e-34"},
      {"r_c", "8.314413"},
  });
  Value v;
  ASSERT_EQ(engine.EvaluateLine("pi*2", v), kOk);
  EXPECT_EQ(v.num.real, 6.283185307179586);
  ASSERT_EQ(engine.EvaluateLine("gold", v), kOk);
  EXPECT_EQ(v.num.real, 1.618033988749895);
}

TEST_F(LinesTest, QuestionMarkIsTheLastResult) {
  ExpectRows({
      {"2+3", "5"},
      {"?*2", "10"},
      {"y", "Variable \"y\" not found"},
      {"?", "10"},  // a failed line does not change it
      {"1\\2", "1\\2"},
      {"?", "1\\2"},
      {"'ab'", "'ab'"},
      {"?+'c'", "'abc'"},
      {"1:30", "1:30"},
      {"?", "1:30"},
  });
}

}  // namespace
}  // namespace vr
