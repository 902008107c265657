#include <gtest/gtest.h>

#include <string>

#include "core/engine/token_render.h"
#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "settings/options_record.h"

namespace vr {
namespace {

using testing::RenderTokens;

struct TokenizeCase {
  const char* line;
  int error;
  const char* tokens;
};

TEST(Tokenize, SignsBecomeUnaryWhereAnOperandStarts) {
  ScopedOptions options;
  options->numberBase = 0;
  const TokenizeCase cases[] = {
      {"2-3", 0, "num:2 op4:- num:3"},
      {"-3", 0, "op2:- num:3"},
      {"+x", 0, "op1:+ var:x"},
      {"(-3)", 0, "( op2:- num:3 )"},
      {"max(1;-3)", 0, "fn:max ( num:1 ; op2:- num:3 )"},
      {"5!!-1", 0, "num:5 op8:!! op4:- num:1"},
      {"(1)-2", 0, "( num:1 ) op4:- num:2"},
      {"x-+-1", 0, "var:x op4:- op1:+ op2:- num:1"},
      // A unary minus folds into a complex literal's real part.
      {"-2+i3", 0, "cplx:-2+i3"},
      {"--2+i3", 0, "op2:- cplx:-2+i3"},
      {"1-2+i3", 0, "num:1 op4:- cplx:2+i3"},
      {"-(2+i3)", 0, "op2:- ( cplx:2+i3 )"},
      // The assignment carries the name of the token before it.
      {"X=5", 0, "var:x op16:x num:5"},
      {"y:=x=1", 0, "var:y op16:y var:x op16:x num:1"},
      {"=5", 0, "op16: num:5"},
      // Unreadable tokens are left out; the last one's error is returned.
      {"1$2", 6, "num:1 num:2"},
      {"1ao+$", 6, "op1:+"},
      {"$+1ao", 42, "op1:+"},
  };
  for (const TokenizeCase& c : cases) {
    ExpressionEngine engine;
    engine.PrepareText(c.line);
    EXPECT_EQ(engine.Tokenize(), c.error) << c.line;
    EXPECT_EQ(RenderTokens(engine.TokenList()), c.tokens) << c.line;
    ASSERT_FALSE(engine.TokenList().empty());
    EXPECT_EQ(engine.TokenList().back().cls, TokenClass::End);
  }
}

TEST(Tokenize, PrecedenceAndRepeatability) {
  ExpressionEngine engine;
  engine.PrepareText("-a**b*%c=(1)");
  ASSERT_EQ(engine.Tokenize(), kOk);
  std::string precedences;
  for (const Token& t : engine.TokenList()) precedences += std::to_string(t.precedence) + " ";
  EXPECT_EQ(precedences, "10 -1 8 -1 9 -1 0 -1 -1 -1 -1 ");
  // The cursor is rewound, so the same prepared line gives the same list.
  const std::string first = RenderTokens(engine.TokenList());
  ASSERT_EQ(engine.Tokenize(), kOk);
  EXPECT_EQ(RenderTokens(engine.TokenList()), first);
}

TEST(Tokenize, NegatedLastComplexResult) {
  ExpressionEngine engine;
  engine.lastResult = Value::MakeComplex(-1, 2);
  engine.PrepareText("-?");
  ASSERT_EQ(engine.Tokenize(), kOk);
  EXPECT_EQ(RenderTokens(engine.TokenList()), "cplx:1+i2");
}

struct SyntaxCase {
  const char* line;
  int error;
  const char* name;  // the error name for 20 and 22
};

TEST(CheckSyntax, AcceptsAndRejectsLines) {
  ScopedOptions options;
  options->numberBase = 0;
  const SyntaxCase cases[] = {
      {"2-3", 0, ""},           {"max(1;2;3)", 0, ""},  {"sin((1)+2)", 0, ""},
      {"max(1;(2;3))", 0, ""},  {"~3", 0, ""},          {"!0", 0, ""},
      {"x=-5", 0, ""},          {"2--3", 0, ""},        {"5!!!!", 0, ""},
      {"2x", 0, ""},  // two operands: the evaluator's concern
      {"", 0, ""},              {"solve(x;0)", 0, ""},  {"solve(sin(x)-(1);0)", 0, ""},
      {"1;2", 26, ""},          {"(1;2)", 26, ""},      {"max(;1)", 27, ""},
      {"max(1+;2)", 27, ""},    {"max(1;)", 29, ""},    {"sin()", 29, ""},
      {"(1+)", 29, ""},         {"(1)(2)", 25, ""},     {"sin(1)(2)", 25, ""},
      {"sin+2", 24, ""},        {"sin", 24, ""},        {"2tan(1)", 23, ""},
      {"(2", 5, ""},            {"2)", 28, ""},         {"2*+3", 31, ""},
      {"2*~3", 31, ""},         {"(~3)", 31, ""},       {"--3", 31, ""},
      {"max(1;!0)", 31, ""},    {"x(2)", 20, "x"},      {"pi(2)", 20, "pi"},
      {"'a b'(1)", 20, "a b"},
      {"2sin(1)", 20, "in"},  // 2s is a decimal number with its suffix
      {"1+solve(x;0)", 22, "solve"},         {"sin(1)+solve3(x;0)", 22, "solve3"},
      {"solve(x;0)+1", 22, "solve"},         {"solve(x;0)1", 22, "solve"},
      {"solve(x;0)(1)", 22, "solve"},        {"solve(x;0)sin(1)", 22, "solve"},
  };
  for (const SyntaxCase& c : cases) {
    ExpressionEngine engine;
    engine.PrepareText(c.line);
    ASSERT_EQ(engine.Tokenize(), kOk) << c.line;
    ErrorName() = "unset";
    EXPECT_EQ(engine.CheckSyntax(), c.error) << c.line;
    if (c.error == 20 || c.error == 22) {
      EXPECT_EQ(ErrorName(), c.name) << c.line;
    }
  }
}

TEST(CheckSyntax, DeepNestingNeedsNoRecursion) {
  const int depth = 10000;
  std::string line;
  for (int i = 0; i < depth; ++i) line += "sin(";
  line += "1";
  ExpressionEngine engine;
  engine.PrepareText(line + std::string(depth, ')'));
  ASSERT_EQ(engine.Tokenize(), kOk);
  EXPECT_EQ(engine.CheckSyntax(), kOk);
  engine.PrepareText(line + std::string(depth - 1, ')'));
  ASSERT_EQ(engine.Tokenize(), kOk);
  EXPECT_EQ(engine.CheckSyntax(), kTooManyOpenParens);
}

}  // namespace
}  // namespace vr
