#include <gtest/gtest.h>

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
  const struct {
    std::vector<const char*> lines;  // evaluated in order in one session
    const char* shown;               // what each showed, joined by " | "
    std::vector<std::string> written = {};
    ScriptRunLimits limits = {};
  } cases[] = {
      // Parameters: a missing argument is 0, an extra one is dropped.
      {{"sq(3)", "pair(1)", "pair(1;2;3)", "pair(pair(1;2);3)", "pairc(1;2)", "answer(7)"},
       "9 | 10 | 12 | 123 | 12 | 42"},
      {{"pair(nothere)"}, "Variable \"nothere\" not found"},
      // Variables go in by value, the caller's are seen, the function's stay inside.
      {{"a=1", "b=2", "pair(b;a)"}, "1 | 2 | 21"},
      {{"k=3", "scaled(2)", "x=5", "setx(0)", "sq(3)", "x"}, "3 | 6 | 5 | 1 | 9 | 5"},
      // The first function of a name counts; the description is no declaration.
      {{"first(0)", "desc(1)"}, "1 | 2"},
      {{"blank(1;2)", "digit(1;2)", "empty(1)", "digits(1;2;3)", "Площадь(2;3)", "wrongway(5)"},
       "Invalid function declaration | Invalid function declaration | "
       "Invalid function declaration | 123 | 6 | Variable \"a\" not found"},
      // Branches; only a whole part of exactly 1 is true, a complex number
      // by its modulus.
      {{"sign(5)", "sign(-5)", "sign(0)"}, "1 | -1 | 0"},
      {{"truth(1.9)", "truth(2)", "truth(0.5)", "truth(-1)", "truth('x')", "truth('')",
        "truth(0+i1)", "truth(3+i4)"},
       "'yes' | 'no' | 'no' | 'no' | 'yes' | 'no' | 'yes' | 'no'"},
      {{"both(1;1)", "both(1;0)", "both(0;1)", "both(0;0)"},
       "'a and b' | 'a only' | 'b only' | 'inner neither'"},
      {{"lastvalue(1)", "elifafter(0)"}, "'was 1' | 2"},
      {{"noendif(1)", "noendif(0)", "elsenoendif(0)"},
       "1 | EndIf is not found | EndIf is not found"},
      {{"ifbad(0)", "elifbad(0)"}, "IF or ELIF calculation error | IF or ELIF calculation error"},
      // Goto, Return and results.
      {{"sum(100)", "jump(0)", "labelend(0)"}, "5050 | 10 | 7"},
      {{"nolabel(0)", "otherlabel(0)", "jumpahead(0)"},
       "Label not found | Label not found | Label not found"},
      {{"ret(3)", "bareret(3)", "retbad(0)", "fact(10)"}, "6 | 3 | 7 | 3628800"},
      // Without a result nothing is pushed, so "+" lacks an operand.
      {{"none(1)+1", "stops(0)"}, "Stack is empty | Variable \"nothere\" not found"},
      {{"unclosed(0)", "atend(0)"}, "EndFunc is not found | EndFunc is not found"},
      {{"5", "usesq(0)"}, "5 | 20"},
      // Write shows its value at once, or a fixed text when it fails.
      {{"outer(0)"}, "4", {"1", "2", "12", "3"}},
      {{"writebad(0)"}, "5", {"Error while calculating WRITE", "'ok'", "6"}},
      // Runaway functions are stopped, and the next line runs as usual.
      {{"depth(500)", "depth(501)", "down(1)", "forever(0)", "depth(3)"},
       "500 | Stack overflow | Stack overflow | EndFunc is not found | 3"},
      // count(n) executes 3n + 2 statements; the allowance is per call from the line.
      {{"count(332)", "count(333)", "count(300)+count(300)", "depth(3)"},
       "332 | EndFunc is not found | 600 | 3",
       {},
       {10, 1000}},
  };
  for (const auto& c : cases) {
    Session session(c.limits);
    std::string shown;
    for (const char* line : c.lines) shown += (shown.empty() ? "" : " | ") + session.Eval(line);
    EXPECT_EQ(shown, c.shown) << c.lines[0];
    EXPECT_EQ(session.output.lines, c.written) << c.lines[0];
  }
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
