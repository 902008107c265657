#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "script_test_support.h"

namespace vr {
namespace {

using testing::ScriptSession;

// The functions of data/functions.usc, loaded into a session.
void LoadFunctions(ScriptSession& session) {
  session.Load(testing::ReadBytes(testing::SourceFolder("tests/core/scripts") / "data/functions.usc"));
}

TEST(UserFunction, CallsShowTheirResultsAndWrites) {
  testing::ExpectCalls(testing::SourceFolder("tests/core/scripts") / "data/calls.txt", LoadFunctions);
}

TEST(UserFunction, WithoutAnOutputWindowWriteDoesNothing) {
  // An engine without an output window: Write does nothing.
  ScriptSession quiet;
  LoadFunctions(quiet);
  quiet.engine.outputWindow = nullptr;
  EXPECT_EQ(quiet.Eval("outer(0)"), "4");
  EXPECT_TRUE(quiet.output.lines.empty());
}

// A function's statements are read once and kept; what they mean must still
// follow the number base, the caller's variables and the scripts loaded.
TEST(UserFunction, KeptStatementsFollowWhatTheirMeaningDependsOn) {
  ScriptSession session;
  session.Load("func plus10(v)\nv+10\nendfunc\nfunc twice(v)\nv*helper\nendfunc\n");
  VariableTable& variables = session.engine.Variables();
  const struct {
    std::function<void()> change;
    const char* line;
    const char* shown;
  } steps[] = {
      {[] {}, "plus10(1)", "11"},
      {[] { Options().numberBase = 1; }, "plus10(1)", "17"},  // "10" reads as hexadecimal
      {[] { Options().numberBase = 0; }, "plus10(1)", "11"},
      {[&] { variables.Set("helper", Value::MakeReal(3)); }, "twice(2)", "6"},
      {[&] { variables.Set("helper", Value::MakeString("ab")); }, "twice(2)",
       "Invalid string operation"},
      {[&] { variables.Set("helper", Value::MakeReal(4)); }, "twice(2)", "8"},
      {[&] { variables.Remove("helper"); }, "twice(2)", "Variable \"helper\" not found"},
      {[&] { variables.Set("helper", Value::MakeReal(5)); }, "twice(2)", "10"},
      // Now the name of a function, which must be called with "(".
      {[&] { session.Load("func helper()\nreturn 100\nendfunc\n"); }, "twice(2)", "'(' expected"},
  };
  for (const auto& step : steps) {
    step.change();
    EXPECT_EQ(session.Eval(step.line), step.shown) << step.line;
  }
}

// As a graph uses it: one prepared postfix list, the variable changed and
// the list evaluated again, many times.
TEST(UserFunction, ReevaluatedPostfixList) {
  ScriptSession session;
  LoadFunctions(session);
  ASSERT_EQ(session.engine.PrepareLine("inner(x)*x+1"), kOk);
  VariableEntry& x = session.engine.Variables().Set("x", Value::MakeReal(0));
  for (int i = 0; i < 1000; ++i) {
    x.value = Value::MakeReal(i);
    Value result;
    ASSERT_EQ(session.engine.EvaluatePostfix(result), kOk) << i;
    ASSERT_EQ(result.num.real, static_cast<double>(i) * i + 1) << i;
  }
  ASSERT_EQ(session.output.lines.size(), 1000u);
  EXPECT_EQ(session.output.lines[999], "999");

  // A limit reached at one point is that point's error, however deep it
  // was reached, and concerns that point only.
  Value result;
  ASSERT_EQ(session.engine.PrepareLine("iif(x;depth(x);evaldeep(0))"), kOk);
  for (const double point : {501.0, 0.0}) {
    x.value = Value::MakeReal(point);
    EXPECT_EQ(session.engine.EvaluatePostfix(result), kStackOverflow) << point;
  }
  ASSERT_EQ(session.engine.PrepareLine("depth(x)"), kOk);
  x.value = Value::MakeReal(3);
  ASSERT_EQ(session.engine.EvaluatePostfix(result), kOk);
  EXPECT_EQ(result.num.real, 3);
}

}  // namespace
}  // namespace vr
