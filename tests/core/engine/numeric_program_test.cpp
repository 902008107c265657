// The compiled numeric program against the general evaluator: whatever the
// line and whatever x holds, both ways must give the same outcome, down to
// the text of a NaN and the name in an error message.
#include "engine/numeric_program.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"
#include "values/value_text.h"

namespace vr {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

Value Named(Value v, std::string name) {
  v.name = std::move(name);
  return v;
}

// What x holds for one evaluation; nullopt: there is no x.
std::vector<std::optional<Value>> XValues() {
  std::vector<std::optional<Value>> xs;
  for (double d :
       {0.0,    -0.0, 1.0,          -1.0,          0.5,   -2.5,   2.0,  3.0,   7.0,  90.0, 170.0,
        1e-310, 1e15, 2147483647.0, -2147483648.0, 1e308, -1e308, kInf, -kInf, kNaN, -kNaN}) {
    xs.emplace_back(Value::MakeReal(d));
  }
  xs.emplace_back(Value::MakeInteger(5));
  xs.emplace_back(Value::MakeFraction(0, 1, 2));
  xs.emplace_back(Value::MakeComplex(1, 2));
  xs.emplace_back(Value::MakeString("7"));
  xs.emplace_back(Value::MakeTime(1, 2, 3));
  xs.emplace_back(Value::MakeDate(DayDate::FromYmd(2024, 3, 15)));
  xs.emplace_back(Named(Value::MakeReal(2.0), "y"));  // a Real that carries a name
  xs.emplace_back(std::nullopt);
  return xs;
}

// clang-format off
const std::vector<std::string> kLines = {
    // Operators, one at a time and in precedence.
    "x", "-x", "x+1", "1-x", "x-x", "0-x", "2*x", "x/3", "1/x", "x%3", "7%x", "x**2", "x**0.5",
    "2**x", "(0-x)**3", "x**x", "x!!", "x==1", "x!=0", "x<1", "x>=0", "x<=x", "x>x", "x<<2",
    "x>>1", "x&6", "x|1", "x^3", "~x", "!x", "!(x)", "!(x+0)", "!(min(x))", "x&&1", "x||0",
    "x*%50", "x/%200", "200/%x", "x+%10", "x-%10", "2+3*x**2-x/4%3",
    // Functions of one parameter, and the list functions.
    "sin(x)", "cos(x)", "tan(x)", "asin(x)", "acos(x/2)", "atan(x)", "sinh(x)", "cosh(x)",
    "tanh(x)", "asinh(x)", "acosh(x)", "atanh(x)", "round(x)", "ceil(x)", "floor(x)", "frac(x)",
    "sqrt(x)", "abs(x)", "ln(x)", "log(x)", "exp(x)", "odd(x)", "sqr(x)", "conj(x)", "sin(x;2)",
    "min(x;2)", "max(x;2;-1)", "min(x)", "max(x)+1", "iif(x;1;2)", "iif(x>0;x;0-x)", "avga(x;2)",
    // The benchmark's lines.
    "1+2*3-4/5+x", "x*x*x+2*x*x-3*x+1", "(x+1)**3-x**2", "((x+1)*(x-1))/((x+2)*(x-2)+10)",
    "sin(x)+cos(x)*tan(x/3)", "sqrt(x+1)*exp(x/10)", "ln(x+2)+log(x+3)",
    // Constants, worked out early or not; errors that must stay where they are.
    "pi*x", "x*gold-e_c", "sin(pi/6)+x", "2**0.5*x", "time", "x+date", "1/0+x", "x+1/0",
    "0/0", "x*(1e308*10)", "(1e308+1e308)-x", "x-(1e308+1e308)", "(1e308+1e308)-(1e308+1e308)+x",
    "x-(1e308+1e308-(1e308+1e308))", "sqrt(0-1)+x", "ln(0)*x", "x+0x10", "x+1\\2", "x+'a'",
    // One step over two variables, and a variable shifted by a constant.
    "x*k", "k+x", "x+k", "k-x", "x+6.2",
    // Halving is a product; other divisors, and those whose reciprocal is
    // not exact, stay quotients.
    "x/2", "x/-0.25", "x/0.5", "1/2/x", "x/2**-1030", "x/3", "(x+1)/4e-300", "x/8*k",
    // Lines the program leaves alone.
    "y=x*2", "x=x+1", "2x", "solve(1;x;1)", "f(x)", "eval('x+1')", "x+?", "root('x*x-2';0;2)",
};
// clang-format on

struct Outcome {
  ErrorCode code = kOk;
  std::string text;

  bool operator==(const Outcome&) const = default;
};

// Everything an evaluation can change that a caller can see.
Outcome Evaluate(ExpressionEngine& engine) {
  ErrorName() = "<unset>";
  engine.solveFlag = true;
  Value result = Value::MakeString("<unset>");
  const ErrorCode code = engine.EvaluatePostfix(result);
  std::string text = "kind " + std::to_string(static_cast<int>(result.kind)) + " " +
                     FormatValue(result) + " name '" + result.name + "' last " +
                     std::to_string(static_cast<int>(engine.lastResult.kind)) + " " +
                     FormatValue(engine.lastResult) + " '" + engine.lastResult.name +
                     "' solutions '" + engine.solutionsText + "' solve " +
                     std::to_string(engine.solveFlag) + " error '" + ErrorName() + "' vars";
  for (int i = 0; i < engine.Variables().Count(); ++i) {
    const VariableEntry* v = engine.Variables().At(i);
    text += " " + v->name + "=" + FormatValue(v->value);
  }
  return {code, text};
}

void SetX(ExpressionEngine& engine, const std::optional<Value>& x) {
  if (x) {
    engine.Variables().Set("x", *x);
  } else {
    engine.Variables().Remove("x");
  }
}

std::string Describe(const std::optional<Value>& x) {
  if (!x) return "no x";
  return "x kind " + std::to_string(static_cast<int>(x->kind)) + " " + FormatValue(*x);
}

class NumericProgramTest : public ::testing::Test {
 protected:
  NumericProgramTest() {
    general.useNumericProgram = false;
    for (ExpressionEngine* e : {&fast, &general}) {
      e->Variables().Set("x", Value::MakeReal(0));
      e->Variables().Set("k", Value::MakeReal(3));
    }
  }

  // Prepares the line in both engines and evaluates it for every x, twice
  // each, on the same prepared postfix list.
  void Compare(const std::string& line) {
    const ErrorCode prepared = fast.PrepareLine(line);
    ASSERT_EQ(prepared, general.PrepareLine(line)) << line;
    if (prepared != kOk) return;
    for (const std::optional<Value>& x : XValues()) {
      for (int round = 0; round < 2; ++round) {
        SetX(fast, x);
        SetX(general, x);
        fast.lastResult = Value::MakeReal(-7);
        general.lastResult = Value::MakeReal(-7);
        const Outcome want = Evaluate(general);
        const Outcome got = Evaluate(fast);
        EXPECT_EQ(got.code, want.code) << line << " with " << Describe(x);
        EXPECT_EQ(got.text, want.text) << line << " with " << Describe(x);
      }
    }
  }

  ScopedOptions options;
  ExpressionEngine fast{EngineServices{&StandardOperations(), nullptr}};
  ExpressionEngine general{EngineServices{&StandardOperations(), nullptr}};
};

TEST_F(NumericProgramTest, SameOutcomeAsTheGeneralEvaluator) {
  for (int radian : {1, 0}) {
    options->radian = radian;
    for (const std::string& line : kLines) Compare(line);
  }
}

// The general stack holds 49 Values; a line that needs a 50th fails there
// with a stack overflow, however little the program itself would need.
TEST_F(NumericProgramTest, StackDepthOfTheGeneralEvaluatorIsKept) {
  for (int depth : {49, 50}) {
    std::string open;
    for (int i = 1; i < depth; ++i) open += "1+(";
    const std::string close(static_cast<std::size_t>(depth - 1), ')');
    Compare(open + "x" + close);
    Compare(open + "sqr(x)" + close);  // sqr holds its parameter twice for a moment
  }
}

// Which lines the program itself answers, so that the comparisons above do
// not pass merely because everything went the general way. A table that
// does not vouch for its operations' Real rules gets no program at all.
TEST_F(NumericProgramTest, AnswersRealLinesAndLeavesTheRest) {
  OperationTable noRealAdd = StandardOperations();
  noRealAdd.operators[kOpAdd].realRule = false;
  struct Row {
    std::string line;
    double x;
    bool answered;
    const OperationTable* table = &StandardOperations();
  };
  std::string deepest;  // 49 Values at once, all the general stack holds
  for (int i = 1; i < 49; ++i) deepest += "1+(";
  deepest += "x" + std::string(48, ')');
  const std::vector<Row> rows = {
      {deepest, 1, true},
      {"sin(x)+cos(x)*tan(x/3)", 2, true},
      {"min(x;k;2)+iif(x>k;1;0)+max(x)", 2, true},
      {"pi*x-e_c", 2, true},
      {"1/x", 0, true},        // division by zero names nothing
      {"ln(x)", 0, true},      // nor does the logarithm of zero
      {"sqrt(x)", -4, false},  // Complex
      {"x<<0.5", 1, false},    // the message names "shift"
      {"!x", 1, false},        // "!" does not look x up
      {"x-x", kInf, false},    // a NaN result
      {"x+y", 1, false},       // no y
      {"time+x", 1, false},
      {"x=2", 1, false},
      {"x+0x1", 1, false},  // an Integer literal
      {"x+1", 1, false, &noRealAdd},
      {"x+1", 1, false, nullptr},
  };
  for (const Row& row : rows) {
    ExpressionEngine engine{EngineServices{&StandardOperations(), nullptr}};
    engine.Variables().Set("x", Value::MakeReal(row.x));
    engine.Variables().Set("k", Value::MakeReal(3));
    ASSERT_EQ(engine.PrepareLine(row.line), kOk) << row.line;
    NumericProgram program;
    Value result, last;
    const ErrorCode code =
        program.Run(engine.PostfixList(), row.table, engine.Variables(), result, last);
    EXPECT_EQ(code != kNotReal, row.answered) << row.line;
  }
}

// Graphs bind x once and overwrite its value; the table may also change
// under a prepared line. The program must follow every change.
TEST_F(NumericProgramTest, FollowsTheVariablesAndSettingsBetweenRuns) {
  Value r;
  ASSERT_EQ(fast.PrepareLine("x*k+sin(x)"), kOk);
  VariableEntry* x = &fast.Variables().Set("x", Value::MakeReal(2));
  options->radian = 1;
  ASSERT_EQ(fast.EvaluatePostfix(r), kOk);
  EXPECT_EQ(r.num.real, 2 * 3 + std::sin(2.0));
  x->value.num.real = 4;  // written in place, as the graphs do
  options->radian = 0;    // read at every run, not when compiling
  ASSERT_EQ(fast.EvaluatePostfix(r), kOk);
  EXPECT_EQ(r.num.real, 4 * 3 + std::sin(4.0 * (3.141592653589793 / 180)));
  fast.Variables().Remove("k");
  EXPECT_EQ(fast.EvaluatePostfix(r), kVariableNotFound);
  EXPECT_EQ(ErrorName(), "k");
  // New entries, at new addresses: the old binding must not be used.
  fast.Variables().Clear();
  fast.Variables().Set("K", Value::MakeReal(10));
  fast.Variables().Set("X", Value::MakeReal(1));
  ASSERT_EQ(fast.EvaluatePostfix(r), kOk);
  EXPECT_EQ(r.num.real, 10 + std::sin(1.0 * (3.141592653589793 / 180)));
  // A new line replaces the program.
  ASSERT_EQ(fast.PrepareLine("k-1"), kOk);
  ASSERT_EQ(fast.EvaluatePostfix(r), kOk);
  EXPECT_EQ(r.num.real, 9);
}

// The numeric procedures evaluate their text many times in an engine of
// their own; their answers do not depend on the way taken.
TEST_F(NumericProgramTest, NumericProceduresAgree) {
  for (const char* line : {"root('x**2-2';0;2;1e-9)", "integral('sin(x)*x';0;3;1e-6)",
                           "minimum('x*x+k*x';-5;5;1e-6)", "root('1/(x-1)';0;2)"}) {
    Value a, b;
    EXPECT_EQ(fast.EvaluateLine(line, a), general.EvaluateLine(line, b)) << line;
    EXPECT_EQ(FormatValue(a), FormatValue(b)) << line;
  }
}

}  // namespace
}  // namespace vr
