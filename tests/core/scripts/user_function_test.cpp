#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_test_support.h"

namespace vr {
namespace {

using testing::ScriptSession;

struct CallCase {
  const char* name;
  const char* script;
  std::vector<const char*> lines;  // evaluated in order; the last one is checked
  const char* expected;
  std::vector<std::string> written = {};
};

void RunCases(const std::vector<CallCase>& cases) {
  for (const CallCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptSession session;
    session.Load(c.script);
    std::string shown;
    for (const char* line : c.lines) shown = session.Eval(line);
    EXPECT_EQ(shown, c.expected);
    EXPECT_EQ(session.output.lines, c.written);
  }
}

TEST(UserFunction, ParametersAndVariables) {
  const char* const pair = "func pair(a;b) ## two digits\na*10+b\nendfunc\n";
  RunCases({
      {"last expression is the result", "func sq(x)\nx*x\nendfunc", {"sq(3)"}, "9"},
      {"name in any case", "Function SQ(x)\nx*x\nEndFunc", {"Sq(4)"}, "16"},
      {"missing argument is 0", pair, {"pair(1)"}, "10"},
      {"extra argument dropped", pair, {"pair(1;2;3)"}, "12"},
      {"comma separates too", "func pair(a,b)\na*10+b\nendfunc", {"pair(1;2)"}, "12"},
      {"no parameters", "func answer\nreturn 42\nendfunc", {"answer(7)"}, "42"},
      {"variables passed by value", pair, {"a=1", "b=2", "pair(b;a)"}, "21"},
      {"nested call in an argument", pair, {"pair(pair(1;2);3)"}, "123"},
      {"reads the caller's variables", "func scaled(v)\nv*k\nendfunc", {"k=3", "scaled(2)"}, "6"},
      {"own assignments stay inside", "func setx()\nx=1\nendfunc", {"x=5", "setx(0)", "x"}, "5"},
      {"parameter hides a caller variable", "func sq(x)\nx*x\nendfunc",
       {"x=5", "sq(3)", "x"}, "5"},
      {"argument evaluated before the call", "func sq(x)\nx*x\nendfunc", {"x=5", "sq(x+1)"}, "36"},
      {"first of two same-named functions", "func f()\nreturn 1\nendfunc\nfunc F()\nreturn 2\nendfunc",
       {"f(0)"}, "1"},
      {"description after the declaration", "func f(a) ## uses (b; c)\na+1\nendfunc", {"f(1)"}, "2"},
      {"undefined variable as argument", pair, {"pair(nothere)"}, "Variable \"nothere\" not found"},
      {"blank before a parameter name", "func f(a; b)\na\nendfunc", {"f(1;2)"},
       "Invalid function declaration"},
      {"parameter starting with a digit", "func f(a;2b)\na\nendfunc", {"f(1;2)"},
       "Invalid function declaration"},
      {"empty parameter name", "func f(a;;b)\na\nendfunc", {"f(1)"},
       "Invalid function declaration"},
  });
}

TEST(UserFunction, Branches) {
  const char* const sign =
      "func sign(v)\n"
      "if v > 0\n  return 1\n"
      "elif v < 0\n  return -1\n"
      "else\n  return 0\n"
      "endif\n"
      "endfunc\n";
  const char* const truth =
      "func truth(v)\n"
      "if v\n  return 'yes'\nelse\n  return 'no'\nendif\n"
      "endfunc\n";
  const char* const nested =
      "func both(a;b)\n"
      "r = 'none'\n"
      "if a\n"
      "  if b\n    r = 'a and b'\n  else\n    r = 'a only'\n  endif\n"
      "elif b\n"
      "  if a\n    r = 'never'\n  elif 1\n    r = 'never either'\n  endif\n"
      "  r = 'b only'\n"
      "else\n"
      "  if 1\n    r = 'inner'\n  endif\n"
      "  r = r + ' neither'\n"
      "endif\n"
      "r\n"
      "endfunc\n";
  RunCases({
      {"if taken", sign, {"sign(5)"}, "1"},
      {"elif taken", sign, {"sign(-5)"}, "-1"},
      {"else taken", sign, {"sign(0)"}, "0"},
      {"condition 1", truth, {"truth(1)"}, "'yes'"},
      {"condition 1.9 truncates to 1", truth, {"truth(1.9)"}, "'yes'"},
      {"condition 2 is false", truth, {"truth(2)"}, "'no'"},
      {"condition -1 is false", truth, {"truth(-1)"}, "'no'"},
      {"non-empty string is true", truth, {"truth('x')"}, "'yes'"},
      {"empty string is false", truth, {"truth('')"}, "'no'"},
      {"complex of modulus 1 is true", truth, {"truth(0+i1)"}, "'yes'"},
      {"complex of modulus 5 is false", truth, {"truth(3+i4)"}, "'no'"},
      {"nested, both", nested, {"both(1;1)"}, "'a and b'"},
      {"nested, first only", nested, {"both(1;0)"}, "'a only'"},
      {"nested block skipped to elif", nested, {"both(0;1)"}, "'b only'"},
      {"nested block skipped to else", nested, {"both(0;0)"}, "'inner neither'"},
      {"if without text tests the last value",
       "func f(v)\nv\nif\n  return 'last was 1'\nendif\nendfunc", {"f(1)"}, "'last was 1'"},
      // An ElIf right after a taken If has seen no other statement, so it is
      // tested as a condition of its own.
      {"elif straight after a taken if",
       "func f()\nr = 0\nif 1\nelif 1\n  r = 2\nendif\nr\nendfunc", {"f(0)"}, "2"},
      {"false if without endif", "func f(v)\nif v\n  r = 1\nendfunc", {"f(0)"},
       "EndIf is not found"},
      {"true if without endif reaches endfunc", "func f(v)\nif v\n  r = 1\nendfunc", {"f(1)"}, "1"},
      {"condition that cannot be evaluated", "func f()\nif nothere\n  r = 1\nendif\nendfunc", {"f(0)"},
       "IF or ELIF calculation error"},
      {"elif that cannot be evaluated", "func f()\nif 0\nelif 1+\nendif\nendfunc", {"f(0)"},
       "IF or ELIF calculation error"},
  });
}

TEST(UserFunction, GotoReturnAndResults) {
  const char* const sum =
      "func sum(n) ## 1 + 2 + ... + n\n"
      "s = 0\n"
      "loop:\n"
      "if n > 0\n  s = s + n\n  n = n - 1\n  goto loop\nendif\n"
      "s\n"
      "endfunc\n";
  RunCases({
      {"backward goto loops", sum, {"sum(100)"}, "5050"},
      {"forward goto skips", "func f()\nr = 1\ngoto Done\nr = 2\ndone: r*10\nendfunc", {"f(0)"},
       "10"},
      {"label text is the result", "func f()\nr = 1\nhere: 2+3\nendfunc", {"f(0)"}, "5"},
      {"empty label keeps the result", "func f()\nr = 7\nhere:\nendfunc", {"f(0)"}, "7"},
      {"missing label", "func f()\ngoto nowhere\nendfunc", {"f(0)"}, "Label not found"},
      {"label of another function", "func g()\nthere: 1\nendfunc\nfunc f()\ngoto there\nendfunc",
       {"f(0)"}, "Label not found"},
      {"return with a value", "func f(v)\nreturn v*2\nv*100\nendfunc", {"f(3)"}, "6"},
      {"return alone keeps the last result", "func f(v)\nv\nreturn\nv*100\nendfunc", {"f(3)"}, "3"},
      {"failing return keeps the last result", "func f()\nr = 7\nreturn nothere\nendfunc", {"f(0)"},
       "7"},
      {"recursion", "func fact(n)\nif n <= 1\n  return 1\nendif\nn*fact(n-1)\nendfunc",
       {"fact(10)"}, "3628800"},
      {"no result, nothing pushed", "func none()\nendfunc", {"none(1)", "none(1)+1"},
       "Stack is empty"},
      {"error inside the function", "func f()\nr = 1\nnothere*2\nr = 3\nendfunc", {"f(0)"},
       "Variable \"nothere\" not found"},
      {"runs into the next function", "func f()\nr = 1\nfunc g()\nendfunc", {"f(0)"},
       "EndFunc is not found"},
      {"runs off the end of the list", "func f()\nr = 1", {"f(0)"}, "EndFunc is not found"},
      {"else whose endif is missing", "func f()\nif 1\n  r = 1\nelse\n  r = 2\nendfunc", {"f(0)"},
       "EndIf is not found"},
      {"last result inside is its own", "func f()\nr = 2\nr = ?*10\nendfunc", {"5", "f(0)"}, "20"},
  });
}

TEST(UserFunction, WriteOutput) {
  RunCases({
      {"values in order, nested calls first",
       "func inner(v)\nwrite v\nv\nendfunc\n"
       "func outer()\nwrite 1\nwrite inner(2)+10\nwrite 3\nreturn 4\nendfunc\n",
       {"outer(0)"}, "4", {"1", "2", "12", "3"}},
      {"a failing write goes on", "func f()\nwrite nothere\nwrite 'ok'\nreturn 1\nendfunc", {"f(0)"}, "1",
       {"Error while calculating WRITE", "'ok'"}},
      {"write does not set the result", "func f()\nr = 5\nwrite 6\nendfunc", {"f(0)"}, "5", {"6"}},
      {"every call writes", "func f(v)\nwrite v\nv\nendfunc", {"f(1)+f(2)"}, "3", {"1", "2"}},
  });

  ScriptSession quiet;
  quiet.engine.outputWindow = nullptr;
  quiet.Load("func f()\nwrite 1\nwrite nothere\nreturn 2\nendfunc");
  EXPECT_EQ(quiet.Eval("f(0)"), "2");
  EXPECT_TRUE(quiet.output.lines.empty());
}

TEST(UserFunction, ErrorTextsInRussian) {
  ScriptSession session;
  session.Load("func f()\ngoto nowhere\nendfunc\nfunc g(a;1)\nendfunc");
  Options().english = 0;
  EXPECT_EQ(session.Eval("f(0)"), "Метка не определена");
  EXPECT_EQ(session.Eval("g(0)"), "Ошибка в описании функции");
}

// A user function inside an expression that a graph evaluates many times:
// one prepared postfix list, the variable changed in between.
TEST(UserFunction, ReevaluatedPostfixList) {
  ScriptSession session;
  session.Load("func sq(v)\nwrite v\nv*v\nendfunc");
  ASSERT_EQ(session.engine.PrepareLine("sq(x)+1"), kOk);
  VariableEntry& x = session.engine.Variables().Set("x", Value::MakeReal(0));
  for (int i = 0; i < 1000; ++i) {
    x.value = Value::MakeReal(i);
    Value result;
    ASSERT_EQ(session.engine.EvaluatePostfix(result), kOk) << i;
    ASSERT_EQ(result.kind, ValueKind::Real);
    ASSERT_EQ(result.num.real, static_cast<double>(i) * i + 1) << i;
  }
  ASSERT_EQ(session.output.lines.size(), 1000u);
  EXPECT_EQ(session.output.lines[999], "999");
}

// Called directly, as the evaluator calls it: arguments are popped, the
// result pushed, and a call without a result leaves the stack without it.
TEST(UserFunction, StackContract) {
  ScriptSession session;
  session.Load("func pair(a;b)\na*10+b\nendfunc\nfunc none(a)\nendfunc");
  struct {
    const char* name;
    int argCount;
    int countAfter;
  } cases[] = {
      {"pair", 2, 2},     // the 100 below, then the result
      {"pair", 3, 1},     // all three were arguments; the third is dropped
      {"none", 2, 1},     // nothing pushed
      {"unknown", 2, 3},  // not a function: nothing happens
  };
  for (const auto& c : cases) {
    ValueStack stack(50);
    stack.Push(Value::MakeReal(100));
    stack.Push(Value::MakeReal(1));
    stack.Push(Value::MakeReal(2));
    EXPECT_EQ(session.runner.RunUserFunction(session.engine, c.name, stack, c.argCount), kOk);
    EXPECT_EQ(stack.Count(), c.countAfter) << c.name << ' ' << c.argCount;
  }
  ValueStack stack(50);
  stack.Push(Value::MakeReal(1));
  stack.Push(Value::MakeReal(2));
  ASSERT_EQ(session.runner.RunUserFunction(session.engine, "PAIR", stack, 2), kOk);
  Value top;
  stack.Pop(top);
  EXPECT_EQ(top.num.real, 12);
}

TEST(UserFunction, RunawayFunctionsAreStopped) {
  const char* const depth =
      "func depth(n)\nif n <= 1\n  return 1\nendif\ndepth(n-1)+1\nendfunc\n"
      "func forever()\nagain:\ngoto again\nendfunc\n"
      "func down(n)\ndown(n+1)\nendfunc\n"
      "func count(n)\ni = 0\nloop: i = i + 1\nif i < n\n  goto loop\nendif\ni\nendfunc\n";
  struct {
    int maxDepth;
    std::int64_t maxStatements;
    const char* line;
    const char* expected;
  } cases[] = {
      {500, 1'000'000, "depth(500)", "500"},
      {500, 1'000'000, "depth(501)", "Stack overflow"},
      {500, 1'000'000, "down(1)", "Stack overflow"},
      {500, 1'000'000, "forever(0)", "EndFunc is not found"},
      {10, 1'000, "depth(10)", "10"},
      {10, 1'000, "depth(11)", "Stack overflow"},
      // count(n) executes 3n + 2 statements.
      {10, 1'000, "count(332)", "332"},
      {10, 1'000, "count(333)", "EndFunc is not found"},
      // The allowance is per call from the line, not per line.
      {10, 1'000, "count(300)+count(300)", "600"},
  };
  for (const auto& c : cases) {
    ScriptSession session({c.maxDepth, c.maxStatements});
    session.Load(depth);
    EXPECT_EQ(session.Eval(c.line), c.expected) << c.line << " depth " << c.maxDepth;
    // The runner is usable again after stopping a function.
    EXPECT_EQ(session.Eval("depth(3)"), "3") << c.line;
  }
}

}  // namespace
}  // namespace vr
