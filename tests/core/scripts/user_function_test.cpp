#include <gtest/gtest.h>

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
}

}  // namespace
}  // namespace vr
