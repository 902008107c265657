#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_test_support.h"

namespace vr {
namespace {

using testing::ScriptSession;

struct CallCase {
  const char* script;
  std::vector<const char*> lines;  // evaluated in order; the last one is checked
  const char* expected;
  std::vector<std::string> written = {};
};

void RunCases(const std::vector<CallCase>& cases) {
  for (const CallCase& c : cases) {
    ScriptSession session;
    session.Load(c.script);
    std::string shown;
    for (const char* line : c.lines) shown = session.Eval(line);
    EXPECT_EQ(shown, c.expected) << c.script << "\n-> " << c.lines.back();
    EXPECT_EQ(session.output.lines, c.written) << c.script;
  }
}

const char* const kPair = "func pair(a;b) ## two digits\na*10+b\nendfunc\n";
const char* const kSq = "Function SQ(x)\nx*x\nEndFunc\n";

TEST(UserFunction, ParametersAndVariables) {
  RunCases({
      {kSq, {"sq(3)"}, "9"},
      {kPair, {"pair(1)"}, "10"},      // a missing argument is 0
      {kPair, {"pair(1;2;3)"}, "12"},  // an extra one is dropped
      {"func pair(a,b)\na*10+b\nendfunc", {"pair(1;2)"}, "12"},
      {"func answer\nreturn 42\nendfunc", {"answer(7)"}, "42"},
      {kPair, {"a=1", "b=2", "pair(b;a)"}, "21"},  // variables go by value
      {kPair, {"pair(pair(1;2);3)"}, "123"},
      {"func scaled(v)\nv*k\nendfunc", {"k=3", "scaled(2)"}, "6"},
      {"func setx()\nx=1\nendfunc", {"x=5", "setx(0)", "x"}, "5"},
      {kSq, {"x=5", "sq(3)", "x"}, "5"},
      {"func f()\nreturn 1\nendfunc\nfunc F()\nreturn 2\nendfunc", {"f(0)"}, "1"},
      {"func f(a) ## uses (b; c)\na+1\nendfunc", {"f(1)"}, "2"},
      {kPair, {"pair(nothere)"}, "Variable \"nothere\" not found"},
      {"func f(a; b)\na\nendfunc", {"f(1;2)"}, "Invalid function declaration"},
      {"func f(a;2b)\na\nendfunc", {"f(1;2)"}, "Invalid function declaration"},
      {"func f(a;;b)\na\nendfunc", {"f(1)"}, "Invalid function declaration"},
  });
}

TEST(UserFunction, Branches) {
  const char* const sign =
      "func sign(v)\nif v > 0\n  return 1\nelif v < 0\n  return -1\nelse\n  return 0\n"
      "endif\nendfunc\n";
  const char* const truth = "func t(v)\nif v\n  return 'yes'\nelse\n  return 'no'\nendif\nendfunc";
  const char* const nested =
      "func both(a;b)\n"
      "if a\n"
      "  if b\n    r = 'a and b'\n  else\n    r = 'a only'\n  endif\n"
      "elif b\n"
      "  if a\n    r = 'never'\n  elif 1\n    r = 'never either'\n  endif\n"
      "  r = 'b only'\n"
      "else\n"
      "  if 1\n    r = 'inner'\n  endif\n"
      "  r = r + ' neither'\n"
      "endif\n"
      "r\nendfunc\n";
  RunCases({
      {sign, {"sign(5)"}, "1"},
      {sign, {"sign(-5)"}, "-1"},
      {sign, {"sign(0)"}, "0"},
      // Only a whole part of exactly 1 is true.
      {truth, {"t(1.9)"}, "'yes'"},
      {truth, {"t(2)"}, "'no'"},
      {truth, {"t(-1)"}, "'no'"},
      {truth, {"t('x')"}, "'yes'"},
      {truth, {"t('')"}, "'no'"},
      {truth, {"t(0+i1)"}, "'yes'"},  // a complex number by its modulus
      {truth, {"t(3+i4)"}, "'no'"},
      {nested, {"both(1;1)"}, "'a and b'"},
      {nested, {"both(1;0)"}, "'a only'"},
      {nested, {"both(0;1)"}, "'b only'"},
      {nested, {"both(0;0)"}, "'inner neither'"},
      // An If without text tests the value of the statement before it.
      {"func f(v)\nv\nif\n  return 'was 1'\nendif\nendfunc", {"f(1)"}, "'was 1'"},
      // An ElIf right after a taken If has seen no other statement, so it is
      // tested as a condition of its own.
      {"func f()\nr = 0\nif 1\nelif 1\n  r = 2\nendif\nr\nendfunc", {"f(0)"}, "2"},
      {"func f(v)\nif v\n  r = 1\nendfunc", {"f(1)"}, "1"},
      {"func f(v)\nif v\n  r = 1\nendfunc", {"f(0)"}, "EndIf is not found"},
      {"func f()\nif 1\n  r = 1\nelse\n  r = 2\nendfunc", {"f(0)"}, "EndIf is not found"},
      {"func f()\nif nothere\nendif\nendfunc", {"f(0)"}, "IF or ELIF calculation error"},
      {"func f()\nif 0\nelif 1+\nendif\nendfunc", {"f(0)"}, "IF or ELIF calculation error"},
  });
}

TEST(UserFunction, GotoReturnAndResults) {
  RunCases({
      {"func sum(n)\ns = 0\nloop:\nif n > 0\n  s = s + n\n  n = n - 1\n  goto LOOP\nendif\n"
       "s\nendfunc",
       {"sum(100)"},
       "5050"},
      {"func f()\nr = 1\ngoto done\nr = 2\ndone: r*10\nendfunc", {"f(0)"}, "10"},
      {"func f()\nr = 7\nhere:\nendfunc", {"f(0)"}, "7"},
      {"func f()\ngoto nowhere\nendfunc", {"f(0)"}, "Label not found"},
      {"func g()\nthere: 1\nendfunc\nfunc f()\ngoto there\nendfunc", {"f(0)"}, "Label not found"},
      {"func f(v)\nreturn v*2\nv*100\nendfunc", {"f(3)"}, "6"},
      {"func f(v)\nv\nreturn\nv*100\nendfunc", {"f(3)"}, "3"},
      {"func f()\nr = 7\nreturn nothere\nendfunc", {"f(0)"}, "7"},
      {"func fact(n)\nif n <= 1\n  return 1\nendif\nn*fact(n-1)\nendfunc", {"fact(10)"}, "3628800"},
      // Without a result nothing is pushed, so "+" lacks an operand.
      {"func none()\nendfunc", {"none(1)+1"}, "Stack is empty"},
      {"func f()\nr = 1\nnothere*2\nr = 3\nendfunc", {"f(0)"}, "Variable \"nothere\" not found"},
      {"func f()\nr = 1\nfunc g()\nendfunc", {"f(0)"}, "EndFunc is not found"},
      {"func f()\nr = 1", {"f(0)"}, "EndFunc is not found"},
      {"func f()\nr = 2\nr = ?*10\nendfunc", {"5", "f(0)"}, "20"},
  });
}

TEST(UserFunction, WriteOutput) {
  RunCases({
      {"func inner(v)\nwrite v\nv\nendfunc\n"
       "func outer()\nwrite 1\nwrite inner(2)+10\nwrite 3\nreturn 4\nendfunc\n",
       {"outer(0)"},
       "4",
       {"1", "2", "12", "3"}},
      {"func f()\nwrite nothere\nwrite 'ok'\nr = 5\nwrite 6\nendfunc",
       {"f(0)"},
       "5",
       {"Error while calculating WRITE", "'ok'", "6"}},
  });
  // An engine without an output window: Write does nothing.
  ScriptSession quiet;
  quiet.engine.outputWindow = nullptr;
  quiet.Load("func f()\nwrite 1\nreturn 2\nendfunc");
  EXPECT_EQ(quiet.Eval("f(0)"), "2");
  EXPECT_TRUE(quiet.output.lines.empty());
}

// As a graph uses it: one prepared postfix list, the variable changed and
// the list evaluated again, many times.
TEST(UserFunction, ReevaluatedPostfixList) {
  ScriptSession session;
  session.Load("func sq(v)\nwrite v\nv*v\nendfunc");
  ASSERT_EQ(session.engine.PrepareLine("sq(x)+1"), kOk);
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

TEST(UserFunction, RunawayFunctionsAreStopped) {
  const char* const script =
      "func depth(n)\nif n <= 1\n  return 1\nendif\ndepth(n-1)+1\nendfunc\n"
      "func forever()\nagain:\ngoto again\nendfunc\n"
      "func down(n)\ndown(n+1)\nendfunc\n"
      "func count(n)\ni = 0\nloop: i = i + 1\nif i < n\n  goto loop\nendif\ni\nendfunc\n";
  struct {
    ScriptRunLimits limits;
    const char* line;
    const char* expected;
  } cases[] = {
      {{}, "depth(500)", "500"},
      {{}, "depth(501)", "Stack overflow"},
      {{}, "down(1)", "Stack overflow"},
      {{}, "forever(0)", "EndFunc is not found"},
      // count(n) executes 3n + 2 statements.
      {{10, 1000}, "count(332)", "332"},
      {{10, 1000}, "count(333)", "EndFunc is not found"},
      // The allowance is per call from the line, not per line.
      {{10, 1000}, "count(300)+count(300)", "600"},
  };
  for (const auto& c : cases) {
    ScriptSession session(c.limits);
    session.Load(script);
    EXPECT_EQ(session.Eval(c.line), c.expected) << c.line;
    EXPECT_EQ(session.Eval("depth(3)"), "3") << "after " << c.line;
  }
}

}  // namespace
}  // namespace vr
