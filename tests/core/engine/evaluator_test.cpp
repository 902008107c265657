#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "engine/variable_table.h"
#include "options/options_record.h"
#include "values/text_limit.h"
#include "values/value_text.h"

namespace vr {
namespace {

// ---- A small table of fake operations, so that the evaluator's dispatch is
// checked apart from what the real operations compute.

struct LastCall {
  int argCount = -1, extra = -1;
  std::string tokenText;
  int calls = 0;
};
LastCall g_last;
ErrorCode g_forcedCode = kOk;

// Pops two numbers and pushes their sum.
ErrorCode FakeAdd(const OperationCall& call) {
  Value a, b;
  if (call.stack.Count() < 2) return kStackEmpty;
  call.stack.Pop(b);
  call.stack.Pop(a);
  ErrorCode code = call.engine.ResolveOperand(b);
  if (code == kOk) code = call.engine.ResolveOperand(a);
  if (code == kOk) call.stack.Push(Value::MakeReal(a.num.real + b.num.real));
  return code;
}

// Records what it was handed, pops its arguments and pushes the extra.
ErrorCode FakeRecorder(const OperationCall& call) {
  g_last = {call.argCount, call.extra, call.tokenText, g_last.calls + 1};
  Value v;
  for (int i = 0; i < call.argCount; ++i) call.stack.Pop(v);
  if (g_forcedCode != kOk) return g_forcedCode;
  call.stack.Push(Value::MakeReal(call.extra));
  return kOk;
}

// Leaves two roots, as a quadratic equation does.
ErrorCode FakeTwoRoots(const OperationCall& call) {
  Value v;
  for (int i = 0; i < call.argCount; ++i) call.stack.Pop(v);
  call.stack.Push(Value::MakeReal(1));
  call.stack.Push(Value::MakeReal(2));
  return kOk;
}

ErrorCode FakeAssign(const OperationCall& call) {
  Value target, value;
  call.stack.Pop(value);
  call.stack.Pop(target);
  if (ErrorCode code = call.engine.ResolveOperand(value); code != kOk) return code;
  call.engine.Variables().Set(call.tokenText, value);
  call.stack.Push(value);
  return kOk;
}

OperationTable FakeTable() {
  OperationTable t;
  t.operators[kOpAdd] = {FakeAdd, 0};
  t.operators[kOpAssign] = {FakeAssign, 0};
  t.operators[kOpMultiply] = {FakeRecorder, 55};
  const BuiltinFunction rows[] = {
      {.name = "max", .run = FakeRecorder, .variant = 7},
      {.name = "sqrt", .run = FakeRecorder},
      {.name = "sin"},  // known names without an operation
      {.name = "angle"},
      {.name = "solve", .run = FakeTwoRoots, .severalResults = true},
      {.name = "solve3", .run = FakeTwoRoots, .severalResults = true},
      {.name = "iif", .run = FakeTwoRoots},  // not an equation: no list allowed
      {.name = "gcd", .run = FakeRecorder, .minParameters = 2},
      {.name = "root", .run = FakeRecorder, .minParameters = 3, .stackBeforeCount = true},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    t.builtins[i] = rows[i];
    t.builtins[i].index = static_cast<int>(i);
  }
  return t;
}

class FakeRunner : public UserFunctionRunner {
 public:
  bool IsUserFunction(std::string_view name) const override {
    return name == "twice" || name == "broken" || name == "hungry";
  }
  ErrorCode RunUserFunction(ExpressionEngine& caller, const std::string& name, ValueStack& stack,
                            int argCount) override {
    lastArgCount = argCount;
    if (name == "broken") return kDivisionByZero;
    if (name == "hungry") throw std::bad_alloc();
    Value v;
    stack.Pop(v);
    if (ErrorCode code = caller.ResolveOperand(v); code != kOk) return code;
    stack.Push(Value::MakeReal(2 * v.num.real));
    return kOk;
  }
  int lastArgCount = -1;
};

class EvaluatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_last = {};
    g_forcedCode = kOk;
    ErrorName() = "untouched";
  }
  ErrorCode Run(std::string_view line) { return engine.EvaluateLine(line, result); }

  OperationTable table = FakeTable();
  FakeRunner runner;
  ExpressionEngine engine{EngineServices{&table, &runner}};
  Value result;
};

std::string Repeat(std::string_view piece, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += piece;
  return s;
}

// max(a;a;...;a) with n arguments: all of them lie on the stack at once.
std::string CallWithArguments(std::string_view function, const std::string& argument, int n) {
  return std::string(function) + "(" + Repeat(argument + ";", n - 1) + argument + ")";
}

TEST_F(EvaluatorTest, MissingOperationsGiveErrorsNeverNumbers) {
  struct Row {
    std::string line;
    ErrorCode code;
    std::string name;  // expected error name after the line
  };
  const std::vector<Row> rows = {
      {"1-2", kErrorInExpression, "untouched"},  // no "-" in the table
      {"sin(1)", kFunctionDoesNotExist, "sin"},  // no sine in the table
      {"angle(1)", kFunctionDoesNotExist, "angle"},
      {"1+angle(2)", kFunctionDoesNotExist, "angle"},
      // Counts the rows ask for, checked before the operation runs.
      {"gcd(1)", kNotEnoughParameters, "gcd"},
      {"root(1;2)", kStackEmpty, "untouched"},  // a short stack is found first
      {"1+root(1;2)", kNotEnoughParameters, "root"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    ErrorName() = "untouched";
    EXPECT_EQ(Run(row.line), row.code);
    EXPECT_EQ(ErrorName(), row.name);
  }
  EXPECT_EQ(g_last.calls, 0) << "an operation ran with too few parameters";
  ASSERT_EQ(Run("gcd(1;2)+root(1;2;3)"), kOk);
  EXPECT_EQ(g_last.calls, 2);
  // An engine without a table knows no operator and no built-in name.
  EXPECT_EQ(ExpressionEngine().EvaluateLine("1+2", result), kErrorInExpression);
  EXPECT_EQ(ExpressionEngine().EvaluateLine("sqrt(1)", result), kFunctionDoesNotExist);
}

TEST_F(EvaluatorTest, OperationsReceiveArgumentCountExtraAndTokenText) {
  ASSERT_EQ(Run("max(1;2;3)"), kOk);
  EXPECT_EQ(g_last.argCount, 3);
  EXPECT_EQ(g_last.extra, 7);
  EXPECT_EQ(g_last.tokenText, "max");
  EXPECT_EQ(result.num.real, 7.0);

  ASSERT_EQ(Run("max((1+2);max(4;5))"), kOk);
  EXPECT_EQ(g_last.argCount, 2);

  ASSERT_EQ(Run("2*3"), kOk);
  EXPECT_EQ(g_last.argCount, 2);  // binary operators pop two
  EXPECT_EQ(g_last.extra, 55);
}

TEST_F(EvaluatorTest, ParameterErrorsOfBuiltinsNameTheFunction) {
  struct Row {
    ErrorCode forced;
    std::string name;
  };
  const std::vector<Row> rows = {
      {kNotEnoughParameters, "sqrt"},
      {kFunctionDoesNotExist, "sqrt"},
      {kNotYetForComplex, "sqrt"},
      {kDivisionByZero, "untouched"},  // its message has no name
      {kNotForComplex, "untouched"},   // the operation names itself
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.forced);
    ErrorName() = "untouched";
    g_forcedCode = row.forced;
    EXPECT_EQ(Run("sqrt(4)"), row.forced);
    EXPECT_EQ(ErrorName(), row.name);
  }
}

TEST_F(EvaluatorTest, UserFunctionsRunThroughTheRunner) {
  ASSERT_EQ(Run("twice(1+2)"), kOk);
  EXPECT_EQ(result.num.real, 6.0);
  EXPECT_EQ(runner.lastArgCount, 1);

  engine.solutionsText = "before";
  EXPECT_EQ(Run("1+broken(1;2)"), kDivisionByZero);
  EXPECT_EQ(runner.lastArgCount, 2);
  EXPECT_EQ(engine.solutionsText, "broken");

  // Memory running out anywhere in a line is a code like any other, and the
  // engine goes on working.
  EXPECT_EQ(Run("1+hungry(1)"), kOutOfMemory);
  ASSERT_EQ(Run("twice(4)"), kOk);
  EXPECT_EQ(result.num.real, 8.0);
}

TEST_F(EvaluatorTest, FinalValueAndLastResult) {
  EXPECT_EQ(Run("x"), kVariableNotFound);  // an undefined variable left as the result
  EXPECT_EQ(ErrorName(), "x");
  ASSERT_EQ(Run("x=5"), kOk);
  result = Value::MakeReal(-1);
  ASSERT_EQ(Run("(X)"), kOk);
  EXPECT_EQ(result.kind, ValueKind::Real);
  EXPECT_EQ(result.num.real, 5.0);
  EXPECT_EQ(engine.lastResult.num.real, 5.0);
  EXPECT_EQ(Run("y+1"), kVariableNotFound);
  EXPECT_EQ(engine.lastResult.num.real, 5.0);  // only successful lines count
  // A line that fails before evaluation leaves the caller's result alone.
  result = Value::MakeString("kept");
  EXPECT_EQ(Run("(1+2"), kTooManyOpenParens);
  EXPECT_EQ(result.text, "kept");
}

TEST_F(EvaluatorTest, TextsOfALineAreHeldToTheSizeOfOneValue) {
  // Half the cap, less room for the other tokens' texts.
  const Value text = Value::MakeString(std::string(kMaxTextBytes / 2 - 16, 'a'));
  engine.lastResult = text;
  ASSERT_EQ(Run("?"), kOk);
  EXPECT_EQ(result.text, text.text);
  // Each "?" copies the text into the line before anything is evaluated.
  EXPECT_EQ(Run("max(?;?)"), kOk);
  engine.lastResult = text;
  EXPECT_EQ(Run("max(?;?;?)"), kStringTooLong);
}

TEST_F(EvaluatorTest, SeveralValuesAreAnErrorUnlessAnEquationLeftThem) {
  for (const char* line : {"2y", "(1)2", "iif(1;2;3)"}) {
    SCOPED_TRACE(line);
    EXPECT_EQ(Run(line), kErrorInExpression);
  }

  for (const char* line : {"solve(1;3;2)", "solve3(1;2;3;4)"}) {
    SCOPED_TRACE(line);
    ASSERT_EQ(Run(line), kOk);
    EXPECT_EQ(result.num.real, 2.0);  // the top one
    EXPECT_EQ(engine.lastResult.num.real, 1.0);  // the bottom one
    EXPECT_EQ(engine.solutionsText, "x=2; x=1");
  }

  // The flag does not outlive its line.
  EXPECT_EQ(Run("iif(1;2;3)"), kErrorInExpression);
}

TEST_F(EvaluatorTest, EmptyLineKeepsTheResultAndListsIt) {
  result = Value::MakeReal(42);
  engine.lastResult = Value::MakeReal(7);
  ASSERT_EQ(Run(""), kOk);
  EXPECT_EQ(result.num.real, 42.0);
  EXPECT_EQ(engine.lastResult.num.real, 7.0);
  EXPECT_EQ(engine.solutionsText, "x=42");
}

TEST_F(EvaluatorTest, StackHoldsFortyNineValuesAndNestingNeedsNoRecursion) {
  struct Row {
    std::string line;
    ErrorCode code;
  };
  const std::vector<Row> rows = {
      {CallWithArguments("max", "1", 49), kOk},
      {CallWithArguments("max", "1", 50), kStackOverflow},
      {CallWithArguments("max", "x", 50), kStackOverflow},
      {CallWithArguments("max", "'s'", 50), kStackOverflow},
      // Nesting that keeps one operand waiting per level.
      {Repeat("1+(", 48) + "1" + Repeat(")", 48), kOk},
      {Repeat("1+(", 49) + "1" + Repeat(")", 49), kStackOverflow},
      // Ten thousand levels through every stage: no recursion anywhere.
      {Repeat("1+(", 10000) + "1" + Repeat(")", 10000), kStackOverflow},
      {Repeat("(", 10000) + "7" + Repeat(")", 10000), kOk},
      {Repeat("sqrt(", 10000) + "1" + Repeat(")", 9999), kTooManyOpenParens},
      {Repeat("sqrt(", 10000) + "1" + Repeat(")", 10000), kOk},
      {Repeat("1+", 49999) + "1", kOk},
      {Repeat("1+", 50000), kStackEmpty},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line.substr(0, 40));
    EXPECT_EQ(Run(row.line), row.code);
  }
  EXPECT_EQ(result.num.real, 50000.0);
}

// Codes past the message table, and names that look like printf patterns.
TEST(ErrorMessagesTest, CodesOutsideTheTableAndNamesWithPercent) {
  ScopedOptions options;
  for (int english : {0, 1}) {
    options->english = english;
    for (int code : {0, kLastErrorCode + 1, -1}) EXPECT_EQ(GetErrorText(code), "OK") << code;
  }
  options->english = 1;
  EXPECT_EQ(GetErrorText(kInvalidExpression32), "Invalid expression");
  EXPECT_EQ(GetErrorText(kIntegerOverflow), "Integer overflow");  // the first code
  ErrorName() = "%s%d%n";
  EXPECT_EQ(GetErrorText(kVariableNotFound), "Variable \"%s%d%n\" not found");
}

TEST(IsSingleOperandTest, OneOptionallySignedOperand) {
  for (const char* text : {"5", "-5", "+x", "'a b'", "#1.2.2006#", "3\\4", "-2+i3"}) {
    EXPECT_TRUE(IsSingleOperand(text)) << text;
  }
  for (const char* text : {"2+3", "sin(1)", "", "--5", "$", "5!!"}) {
    EXPECT_FALSE(IsSingleOperand(text)) << text;
  }
}

TEST(VariableTableTest, NamesIgnoreCaseAndKeepTheirOrder) {
  VariableTable table;
  table.Set("Alpha", Value::MakeReal(1));
  VariableEntry* beta = &table.Set("beta", Value::MakeReal(2));
  table.Set("ALPHA", Value::MakeReal(3));  // replaces, keeps the first spelling
  table.Set("Gamma", Value::MakeReal(4));
  ASSERT_EQ(table.Count(), 3);
  EXPECT_EQ(table.At(0)->name, "Alpha");
  EXPECT_EQ(table.At(0)->value.num.real, 3.0);
  EXPECT_EQ(table.At(3), nullptr);
  EXPECT_EQ(table.At(-1), nullptr);
  EXPECT_EQ(table.Find("BETA"), beta) << "entries keep their address";
  EXPECT_TRUE(table.Remove("bEtA"));
  EXPECT_FALSE(table.Remove("beta"));
  EXPECT_EQ(table.At(1)->name, "Gamma");
}

TEST(VariableTableTest, ManyNamesInAnyCaseAfterRemovals) {
  VariableTable table;
  for (int i = 0; i < 3000; ++i) table.Set("Var" + std::to_string(i), Value::MakeReal(i));
  table.Set("Площадь", Value::MakeReal(-1));
  for (int i = 0; i < 3000; i += 2) ASSERT_TRUE(table.Remove("vAR" + std::to_string(i)));
  for (int i = 0; i < 3000; ++i) {
    const VariableEntry* found = table.Find("VAR" + std::to_string(i));
    ASSERT_EQ(found != nullptr, i % 2 == 1) << i;
    if (found != nullptr) {
      ASSERT_EQ(found->value.num.real, i);
    }
  }
  ASSERT_NE(table.Find("пЛОЩАДЬ"), nullptr);
  EXPECT_EQ(table.Find("ПЛОЩАДЬ")->value.num.real, -1);
  ASSERT_EQ(table.Count(), 1501);
  EXPECT_EQ(table.At(0)->name, "Var1");
  EXPECT_EQ(table.At(1499)->name, "Var2999");
}

// A call's scope sees its caller's variables, hides them with its own and
// never changes them; a copy of it holds what it shows, in the order a copy
// of the caller with the scope's names set after it would have.
TEST(VariableTableTest, ScopeOverTheCallersVariables) {
  VariableTable caller;
  for (const char* name : {"a", "B", "c"}) caller.Set(name, Value::MakeReal(1));
  VariableTable scope;
  scope.BeginScope(caller);
  scope.Set("b", Value::MakeReal(20));
  scope.Set("d", Value::MakeReal(4));
  EXPECT_EQ(caller.Find("b")->value.num.real, 1);
  EXPECT_EQ(caller.Find("d"), nullptr);
  EXPECT_EQ(scope.Find("B")->value.num.real, 20);
  EXPECT_EQ(scope.Find("A"), caller.Find("a"));

  VariableTable inner;  // a call made from the scope's function
  inner.BeginScope(scope);
  inner.Set("c", Value::MakeReal(30));
  EXPECT_EQ(inner.Find("b")->value.num.real, 20);
  EXPECT_EQ(inner.Find("d")->value.num.real, 4);
  const VariableTable copy = inner;
  std::string shown;
  for (int i = 0; i < copy.Count(); ++i) {
    shown +=
        copy.At(i)->name + "=" + std::to_string(static_cast<int>(copy.At(i)->value.num.real)) + " ";
  }
  EXPECT_EQ(shown, "a=1 B=20 c=30 d=4 ");
  EXPECT_EQ(caller.Find("c")->value.num.real, 1);

  // Bindings to entries must notice a change in either table.
  std::uint64_t seen = inner.Generation();
  caller.Set("e", Value::MakeReal(5));
  EXPECT_NE(inner.Generation(), seen);
  seen = inner.Generation();
  inner.Set("c", Value::MakeReal(31));  // a value only
  EXPECT_EQ(inner.Generation(), seen);
  inner.BeginScope(caller);
  EXPECT_NE(inner.Generation(), seen);
  EXPECT_EQ(inner.Find("c")->value.num.real, 1);

  scope.EndScope();
  EXPECT_EQ(scope.Find("a"), nullptr);
}

}  // namespace
}  // namespace vr
