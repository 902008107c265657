#include <gtest/gtest.h>

#include <string>

#include "engine/expression_engine.h"
#include "settings/options_record.h"

namespace vr {
namespace {

// Operands by their text, unary minus as "neg", an assignment as "=name",
// a function as "name/argument count".
std::string RenderPostfix(const std::vector<Token>& list) {
  std::string out;
  for (const Token& t : list) {
    if (!out.empty()) out += ' ';
    if (t.cls == TokenClass::Operator) {
      if (t.op == kOpUnaryMinus) {
        out += "neg";
      } else if (t.op == kOpAssign) {
        out += "=" + t.text;
      } else {
        out += t.text;
      }
    } else if (t.cls == TokenClass::FunctionName) {
      out += t.text + "/" + std::to_string(t.argCount);
    } else if (t.cls == TokenClass::OpenParen) {
      out += "(";
    } else {
      out += t.text;
    }
  }
  return out;
}

ErrorCode Order(ExpressionEngine& engine, const std::string& line) {
  engine.PrepareText(line);
  if (ErrorCode e = engine.Tokenize(); e != kOk) return e;
  if (ErrorCode e = engine.CheckSyntax(); e != kOk) return e;
  return engine.ToPostfix();
}

TEST(ToPostfix, OrdersByPrecedenceFromTheLeft) {
  ScopedOptions options;
  options->numberBase = 0;
  struct Case {
    const char* line;
    const char* postfix;
  };
  const Case cases[] = {
      {"2-3", "2 3 -"},
      {"1+2*3", "1 2 3 * +"},
      {"(1+2)*3", "1 2 + 3 *"},
      {"2**3**2", "2 3 ** 2 **"},
      {"-2**2", "2 neg 2 **"},
      {"2**-1", "2 1 neg **"},
      {"-3!!", "3 neg !!"},
      {"5!!-1", "5 !! 1 -"},
      {"~1+2", "1 ~ 2 +"},
      {"!a&&b||c", "a ! b && c ||"},
      {"1<<2+3", "1 2 3 + <<"},
      {"1|2^3&4", "1 2 | 3 4 & ^"},
      {"10*%5+1", "10 5 *% 1 +"},
      {"x=y=3", "x y =x 3 =y"},
      {"x=-5", "x 5 neg =x"},
      {"-2+i3*2", "-2+i3 2 *"},
      {"sin((1)+2)", "1 2 + sin/1"},
      {"max(1;2;3)", "1 2 3 max/3"},
      {"max(1+2;-3)", "1 2 + 3 neg max/2"},
      {"max(min(1;2);3)", "1 2 min/2 3 max/2"},
      {"2*sin(1)**2", "2 1 sin/1 2 ** *"},
      // A semicolon inside an inner group moves that group's parenthesis
      // out with the operators; the evaluator skips it.
      {"max(1;(2;3))", "1 2 ( 3 max/3"},
  };
  for (const Case& c : cases) {
    ExpressionEngine engine;
    ASSERT_EQ(Order(engine, c.line), kOk) << c.line;
    EXPECT_EQ(RenderPostfix(engine.PostfixList()), c.postfix) << c.line;
  }
}

TEST(ToPostfix, OperandsCarryTheirValues) {
  ScopedOptions options;
  options->numberBase = 0;
  options->dateFormat = 0;
  struct Case {
    const char* line;
    ValueKind kind;
  };
  const Case cases[] = {
      {"2.5", ValueKind::Real},          {"0x10", ValueKind::Integer},
      {"1\\2", ValueKind::Fraction},     {"1:30", ValueKind::Time},
      {"1+i2", ValueKind::Complex},      {"'s'", ValueKind::String},
      {"#1.2.2006#", ValueKind::Date},   {"Xy", ValueKind::VariableRef},
      {"gold", ValueKind::ConstantRef},  {"1e308", ValueKind::Real},
  };
  for (const Case& c : cases) {
    ExpressionEngine engine;
    ASSERT_EQ(Order(engine, c.line), kOk) << c.line;
    ASSERT_EQ(engine.PostfixList().size(), 1u) << c.line;
    EXPECT_EQ(engine.PostfixList()[0].value.kind, c.kind) << c.line;
  }

  ExpressionEngine engine;
  ASSERT_EQ(Order(engine, "Xy+1:30+1+i2"), kOk);
  const std::vector<Token>& list = engine.PostfixList();
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0].value.name, "xy");
  EXPECT_EQ(list[1].value.num.time.minutes, 1);
  EXPECT_EQ(list[1].value.num.time.seconds, 30);
  EXPECT_EQ(list[3].value.num.complex.re, 1.0);
  EXPECT_EQ(list[3].value.num.complex.im, 2.0);
}

TEST(ToPostfix, LiteralsBeyondDoubleOverflow) {
  const char* lines[] = {"1e999", "2+1e999", "1e999+i1", "1+i1e999", "-1e400+i1"};
  for (const char* line : lines) {
    ExpressionEngine engine;
    EXPECT_EQ(Order(engine, line), kFloatingPointOverflow) << line;
  }
}

TEST(ToPostfix, DeepNestingNeedsNoRecursion) {
  const int depth = 10000;
  ExpressionEngine engine;
  ASSERT_EQ(Order(engine, std::string(depth, '(') + "1" + std::string(depth, ')')), kOk);
  EXPECT_EQ(RenderPostfix(engine.PostfixList()), "1");

  std::string line;
  for (int i = 0; i < depth; ++i) line += "-(1+";
  line += "1" + std::string(depth, ')');
  ASSERT_EQ(Order(engine, line), kOk);
  EXPECT_EQ(engine.PostfixList().size(), static_cast<std::size_t>(3 * depth + 1));
}

}  // namespace
}  // namespace vr
