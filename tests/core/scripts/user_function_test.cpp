#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "script_test_support.h"

namespace vr {
namespace {

using testing::ScriptSession;

// A session with the functions of data/functions.usc loaded.
struct Session : ScriptSession {
  explicit Session(ScriptRunLimits limits = {}) : ScriptSession(limits) {
    Load(testing::ReadBytes(testing::SourceFolder(__FILE__) / "data/functions.usc"));
  }
};

TEST(UserFunction, CallsShowTheirResultsAndWrites) {
  std::istringstream calls(testing::ReadBytes(testing::SourceFolder(__FILE__) / "data/calls.txt"));
  auto session = std::make_unique<Session>();
  std::string where;
  std::vector<std::string> expected;
  const auto check = [&] {
    if (!where.empty()) EXPECT_EQ(session->output.lines, expected) << where;
    where.clear();
    expected.clear();
    session->output.lines.clear();
  };
  for (std::string line; std::getline(calls, line);) {
    if (line.starts_with("//")) continue;
    if (line.starts_with("> ")) {
      check();
      where = line;
      session->output.lines.push_back(session->Eval(line.substr(2)));
    } else if (line.empty() || line.starts_with("@limits ")) {
      check();
      ScriptRunLimits limits;
      if (!line.empty())
        std::istringstream(line.substr(8)) >> limits.maxCallDepth >> limits.maxStatements;
      session.reset();  // its guards go before the next one's begin
      session = std::make_unique<Session>(limits);
    } else {
      expected.push_back(line);
    }
  }
  check();
}

TEST(UserFunction, WithoutAnOutputWindowWriteDoesNothing) {
  // An engine without an output window: Write does nothing.
  Session quiet;
  quiet.engine.outputWindow = nullptr;
  EXPECT_EQ(quiet.Eval("outer(0)"), "4");
  EXPECT_TRUE(quiet.output.lines.empty());
}

// As a graph uses it: one prepared postfix list, the variable changed and
// the list evaluated again, many times.
TEST(UserFunction, ReevaluatedPostfixList) {
  Session session;
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
