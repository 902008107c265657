#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"

namespace vr {
namespace {

const char* ClassTag(TokenClass cls) {
  switch (cls) {
    case TokenClass::Number: return "num";
    case TokenClass::FractionLiteral: return "frac";
    case TokenClass::ComplexLiteral: return "cplx";
    case TokenClass::HexLiteral: return "hex";
    case TokenClass::TimeLiteral: return "time";
    case TokenClass::FunctionName: return "fn";
    case TokenClass::VariableName: return "var";
    case TokenClass::ConstantName: return "const";
    case TokenClass::Operator: return "op";
    case TokenClass::StringLiteral: return "str";
    case TokenClass::End: return "end";
    case TokenClass::DateLiteral: return "date";
    case TokenClass::OpenParen: return "(";
    case TokenClass::CloseParen: return ")";
    case TokenClass::Semicolon: return ";";
    case TokenClass::Invalid: return "invalid";
    case TokenClass::InvalidNumber: return "badnum";
  }
  return "?";
}

// "op<code>:<text>" for operators, the bare tag for parentheses, semicolons
// and unreadable numbers, "<tag>:<text>" otherwise.
std::string RenderToken(TokenClass cls, int op, const std::string& text) {
  std::string out = ClassTag(cls);
  if (cls == TokenClass::OpenParen || cls == TokenClass::CloseParen ||
      cls == TokenClass::Semicolon || cls == TokenClass::InvalidNumber) {
    return out;
  }
  if (cls == TokenClass::Operator) out += std::to_string(op);
  return out + ":" + text;
}

// Reads a prepared line token by token up to End. The bound fails the test
// instead of hanging it if the cursor ever stops moving.
std::string LexLine(ExpressionEngine& engine, std::string_view line) {
  engine.PrepareText(line);
  std::string out;
  for (std::size_t n = 0; n <= line.size() + 2; ++n) {
    std::int32_t op = -1;
    std::string text = "stale";
    const TokenClass cls = engine.NextToken(op, text);
    if (cls == TokenClass::End) {
      EXPECT_EQ(op, 0);
      EXPECT_EQ(text, "");
      return out;
    }
    if (cls != TokenClass::Operator) {
      EXPECT_EQ(op, 0) << line;
    }
    if (!out.empty()) out += ' ';
    out += RenderToken(cls, op, text);
  }
  ADD_FAILURE() << "no End token for: " << line;
  return out;
}

std::string LexLine(std::string_view line) {
  ExpressionEngine engine{EngineServices{&StandardOperations(), nullptr}};
  return LexLine(engine, line);
}

struct LexCase {
  const char* line;
  const char* tokens;
};

// Whole lines show most of the lexer; these rows need a look at the tokens.
TEST(Lexer, PreparesBlanksCaseAndBareDecimalPoints) {
  ScopedOptions options;
  options->numberBase = 0;
  const LexCase cases[] = {
      {"Sin( X )", "fn:sin ( var:x )"},
      {"\t1 \r\n+ 2", "num:1 op3:+ num:2"},
      {"'X'.5", "str:X num:0.5"},  // a closing quote is no digit
      {"1f", "num:1 var:f"},
      {"a.b", "var:a0 invalid:. var:b"},  // the point after a letter gets its 0 too
      {"1-i2e+1", "cplx:1-i2e op3:+ num:1"},
      {"1\\2\\3+1:2:3", "frac:1\\2\\3 op3:+ time:1:2:3"},
      {"5x1F", "hex:0x1f"},
      {"e_c*pi", "const:e_c op5:* const:pi"},
      // Longest spelling first, then the rest of the line.
      {"***<>", "op9:** op5:* op11:!="},
      {"!!!=!!!", "op8:!! op11:!= op8:!! op23:!"},
      {"<<=|||", "op17:<< op16:= op25:|| op21:|"},
      {"*%/%+%-%:=", "op26:*% op27:/% op28:+% op29:-% op16::="},
      {"   ", ""},
  };
  for (const LexCase& c : cases) {
    EXPECT_EQ(LexLine(c.line), c.tokens) << c.line;
  }
  // The line ends at a NUL, as a C string would.
  EXPECT_EQ(LexLine(std::string_view("1\0+2", 4)), "num:1");
}

class FakeUserFunctions : public UserFunctionRunner {
 public:
  bool IsUserFunction(std::string_view lowerName) const override {
    return lowerName == "area" || lowerName == "sin" || lowerName == "pi";
  }
  ErrorCode RunUserFunction(ExpressionEngine&, const std::string&, ValueStack&, int) override {
    return kOk;
  }
};

TEST(Lexer, UserFunctionsHideConstantsButNotBuiltins) {
  FakeUserFunctions functions;
  ExpressionEngine engine(EngineServices{&StandardOperations(), &functions});
  EXPECT_EQ(LexLine(engine, "Area(sin;pi;gold)"), "fn:area ( fn:sin ; fn:pi ; const:gold )");
  EXPECT_EQ(LexLine("area+pi"), "var:area op3:+ const:pi");
}

TEST(Lexer, LastResultThatIsNoValueIsInvalid) {
  ExpressionEngine engine;
  engine.lastResult = Value::MakeVariableRef("x");
  EXPECT_EQ(LexLine(engine, "?"), "invalid:");
}

TEST(Lexer, HostileLinesEndWithoutHanging) {
  const std::string lines[] = {
      std::string(10000, '('),
      std::string(10000, '9'),
      std::string(10000, 'z'),
      std::string(10000, '\''),
      std::string(10000, '#'),
      std::string(10000, '.'),
      std::string(10000, '\xff'),
      std::string(5000, '\xd0'),              // lead bytes without continuations
      std::string("\xd0\x9f\xe2\x82\xac\xc3"),  // Cyrillic, euro sign, truncated
      std::string("\x80\xbf+1"),
  };
  for (const std::string& line : lines) {
    ExpressionEngine engine;
    LexLine(engine, line);
  }
  EXPECT_EQ(LexLine("\xe2\x82\xac"), "invalid:\xe2\x82\xac");
  EXPECT_EQ(LexLine("\x80\xbf+1"), "invalid:\x80 invalid:\xbf op3:+ num:1");
}

}  // namespace
}  // namespace vr
