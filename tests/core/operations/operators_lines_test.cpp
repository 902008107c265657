// Whole lines through the engine: the lexer, the postfix order and the
// operators meet here.

#include <gtest/gtest.h>

#include <string>

#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "settings/options_record.h"
#include "values/value_text.h"

namespace vr {
namespace {

struct Line {
  const char* text;
  const char* shown;  // the result's text, or the error message
};

class OperatorLines : public ::testing::Test {
 protected:
  std::string Evaluate(const char* line) {
    Value result;
    const ErrorCode code = engine_.EvaluateLine(line, result);
    return code == kOk ? FormatValue(result) : GetErrorText(code);
  }

  void CheckAll(std::initializer_list<Line> lines) {
    for (const Line& line : lines) EXPECT_EQ(Evaluate(line.text), line.shown) << line.text;
  }

  ScopedOptions options_;
  ExpressionEngine engine_{EngineServices{&StandardOperations(), nullptr}};
};

TEST_F(OperatorLines, MixedKinds) {
  CheckAll({
      {"1\\2+0.5", "1"},
      {"1\\2+1\\3", "5\\6"},
      {"1\\2-1", "-1\\2"},
      {"-1\\2*3", "-1\\1\\2"},
      {"-1\\1\\2+1\\2", "-1\\1"},
      {"1:30:00*2", "3:0:0"},
      {"0:30-1:0", "0:-30"},
      {"1:0:0+30", "1:0:30"},
      {"#01.01.2024#+30", "#31.01.2024#"},
      {"#15.03.2024#-#01.03.2024#", "14"},
      {"'ab'+'cd'", "'abcd'"},
      {"'ab'-1", "'ab-1'"},
      {"(3+i4)*(1-i2)", "11-i2"},
      {"(1+i1)+(1-i1)", "2"},
      {"0x7FFFFFFE+1", "2147483647"},
      {"2**3**2", "64"},
      {"-2**2", "4"},
      {"(-2)**3", "-8"},
  });
}

TEST_F(OperatorLines, PostfixPrefixAndPercentOperators) {
  CheckAll({
      {"5!!", "120"},
      {"3!!!!", "720"},
      {"5!!-1", "119"},
      {"!0", "1"},
      {"~0", "4294967295"},
      {"6^3", "5"},
      {"1<<33", "2"},
      {"7%3", "1"},
      {"-7%3", "-1"},
      {"200+%10", "220"},
      {"200-%15", "170"},
      {"200*%15", "30"},
      {"200/%50", "25"},
      {"1<2&&2<3", "1"},
      {"'abc'<'abd'", "1"},
      {"'A'=='a'", "0"},
  });
}

TEST_F(OperatorLines, ErrorsNameTheirOperation) {
  CheckAll({
      {"1-'ab'", "Invalid string operation"},
      {"'ab'*2", "Invalid string operation"},
      {"#01.01.2024#*2", "Invalid date operation"},
      {"(-8)**(1/3)", "Base of power can`t be negative"},
      {"170!!", "Floating point overflow"},
      {"2.5!!", "Factorial implemented only for positive Integers"},
      {"1\\2**2", "Function \"power\" not implemented for FRACTION"},
      {"1:0**2", "Function \"power\" not implemented for TIME"},
      {"(1+i1)*%5", "Function \"percent\" not implemented for COMPLEX"},
      {"'a'/%5", "Invalid string operation"},
      {"1.5<<1", "Function \"shift\" not implemented for Integers"},
      {"1.5|1", "Function \"OR\" not implemented for Integers"},
      {"~0.5", "Function \"NOT\" not implemented for Integers"},
      {"1/0", "Division by zero"},
      {"0/%5", "Division by zero"},
      {"7%0", "Division by zero"},
      {"y+1", "Variable \"y\" not found"},
  });
}

TEST_F(OperatorLines, AssignmentCreatesVariables) {
  CheckAll({
      {"x=5", "5"},
      {"x*2", "10"},
      {"X:=x+1", "6"},
      {"x", "6"},
      {"!x", "Function \"NOT\" not implemented for Integers"},
      {"pi=3", "Cannot change constant"},
      {"d=#01.03.2024#", "#01.03.2024#"},
      {"d-1", "#29.02.2024#"},
  });
  EXPECT_EQ(engine_.Variables().Count(), 2);
}

}  // namespace
}  // namespace vr
