#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/engine/token_render.h"
#include "engine/expression_engine.h"
#include "settings/options_record.h"

namespace vr {
namespace {

using testing::RenderToken;

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
  ExpressionEngine engine;
  return LexLine(engine, line);
}

struct LexCase {
  const char* line;
  const char* tokens;
};

TEST(Lexer, PreparesBlanksCaseAndBareDecimalPoints) {
  ScopedOptions options;
  options->numberBase = 0;
  const LexCase cases[] = {
      {".5+,25", "num:0.5 op3:+ num:0.25"},
      {"Sin( X )", "fn:sin ( var:x )"},
      {"sin 2", "var:sin2"},
      {"\t1 \r\n+ 2", "num:1 op3:+ num:2"},
      {"'A b'+\"C 'd\"", "str:A b op3:+ str:C 'd"},
      {"'X'.5", "str:X num:0.5"},  // a closing quote is no digit
      {"'unclosed Text", "str:unclosed Text"},
      {"#1. 2. 2006#", "date:1.2.2006"},
      {"#Now", "date:now"},
      {"ПИ_2*Ab", "var:пи_2 op5:* var:ab"},
      {"", ""},
      {"   ", ""},
  };
  for (const LexCase& c : cases) {
    EXPECT_EQ(LexLine(c.line), c.tokens) << c.line;
  }
  // The line ends at a NUL, as a C string would.
  EXPECT_EQ(LexLine(std::string_view("1\0+2", 4)), "num:1");
}

TEST(Lexer, OperatorSpellingsAndCodes) {
  struct OpCase {
    const char* line;
    int code;
    const char* text;
  };
  const OpCase cases[] = {
      {"+", 3, "+"},     {"-", 4, "-"},     {"*", 5, "*"},     {"/", 6, "/"},
      {"%", 7, "%"},     {"!!", 8, "!!"},   {"**", 9, "**"},   {"==", 10, "=="},
      {"!=", 11, "!="},  {"<>", 11, "!="},  {"<", 12, "<"},    {">", 13, ">"},
      {"<=", 14, "<="},  {">=", 15, ">="},  {"=", 16, "="},    {":=", 16, ":="},
      {"<<", 17, "<<"},  {">>", 18, ">>"},  {"~", 19, "~"},    {"&", 20, "&"},
      {"|", 21, "|"},    {"^", 22, "^"},    {"!", 23, "!"},    {"&&", 24, "&&"},
      {"||", 25, "||"},  {"*%", 26, "*%"},  {"/%", 27, "/%"},  {"+%", 28, "+%"},
      {"-%", 29, "-%"},
  };
  for (const OpCase& c : cases) {
    EXPECT_EQ(LexLine(c.line), RenderToken(TokenClass::Operator, c.code, c.text)) << c.line;
  }
  // Longest spelling first, then the rest of the line.
  EXPECT_EQ(LexLine("***"), "op9:** op5:*");
  EXPECT_EQ(LexLine("!!!="), "op8:!! op11:!=");
  EXPECT_EQ(LexLine("!!!"), "op8:!! op23:!");
  EXPECT_EQ(LexLine("<<="), "op17:<< op16:=");
  EXPECT_EQ(LexLine("|||"), "op25:|| op21:|");
}

TEST(Lexer, LiteralsAndNamesInDecimalMode) {
  ScopedOptions options;
  options->numberBase = 0;
  const LexCase cases[] = {
      {"2<>3", "num:2 op11:!= num:3"},           {"1:2:3:4", "time:1:2:3 invalid:: num:4"},
      {"3\\4", "frac:3\\4"},                     {"1\\2\\3", "frac:1\\2\\3"},
      {"2+i3", "cplx:2+i3"},                     {"2+i", "num:2 op3:+ var:i"},
      {"1,5e-3-i2,5e-1", "cplx:1.5e-3-i2.5e-1"},
      {"1-i2e+1", "cplx:1-i2e op3:+ num:1"},  // the imaginary exponent takes no "+"
      {"1e+5*2.", "num:1e+5 op5:* num:2."},      {"5x1F", "hex:0x1f"},
      {"1010b+17o+0ffh+12s", "num:10 op3:+ num:15 op3:+ num:255 op3:+ num:12"},
      {"12b", "num:299"},  // b after non-binary digits is a hex digit
      {"19o", "num:19"},                         {"1f", "num:1 var:f"},
      {"ffffffffh", "var:ffffffffh"},            {"0ffffffffh", "num:-1"},
      {"10fffffffffh", "num:-1"},  // 32-bit wrap
      {"1ao", "badnum"},                         {"1o2h", "badnum"},
      {"e_c*pi", "const:e_c op5:* const:pi"},    {"x:=1", "var:x op16::= num:1"},
      {"$", "invalid:$"},                        {":", "invalid::"},
      {"_a", "invalid:_ var:a"},
      {"a.b", "var:a0 invalid:. var:b"},  // the point after a letter gets its 0 too
  };
  for (const LexCase& c : cases) EXPECT_EQ(LexLine(c.line), c.tokens) << c.line;
}

TEST(Lexer, NumbersInOtherModes) {
  struct ModeCase {
    int base;
    const char* line;
    const char* tokens;
  };
  const ModeCase cases[] = {
      {1, "10", "num:16"},   {1, "10s", "num:10"}, {1, "1.5", "num:1 invalid:. num:5"},
      {1, "1e5", "num:485"}, {1, "12b", "num:299"}, {1, "101b", "num:5"},
      {2, "17", "num:15"},   {2, "1a", "num:26"},  {3, "15", "num:13"},
      {3, "19", "num:19"},   {3, "1:30", "num:1 invalid:: num:24"},
      {7, "10", "num:10"},  // an unknown mode reads as decimal
  };
  for (const ModeCase& c : cases) {
    ScopedOptions options;
    options->numberBase = c.base;
    EXPECT_EQ(LexLine(c.line), c.tokens) << "base " << c.base << ": " << c.line;
  }
}

TEST(Lexer, DetectRadix) {
  struct RadixCase {
    int base;
    const char* line;
    int radix;
  };
  const RadixCase cases[] = {
      {0, "15", 0},  {0, "1010b", 1}, {0, "0ffh", 2}, {0, "17o", 3}, {0, "19o", 4},
      {0, "1f0s", 4}, {1, "10", 2},   {1, "1fs", 2},  {1, "1fo", 2}, {1, "101b", 1},
      {2, "10", 3},  {2, "19", 4},    {3, "10", 1},   {3, "15", 3},  {3, "1e", 4},
  };
  for (const RadixCase& c : cases) {
    ScopedOptions options;
    options->numberBase = c.base;
    ExpressionEngine engine;
    engine.PrepareText(c.line);
    EXPECT_EQ(engine.DetectRadix(), c.radix) << "base " << c.base << ": " << c.line;
  }
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
  ExpressionEngine engine(EngineServices{nullptr, &functions});
  EXPECT_EQ(LexLine(engine, "Area(sin;pi;gold)"), "fn:area ( fn:sin ; fn:pi ; const:gold )");
  EXPECT_EQ(LexLine("area+pi"), "var:area op3:+ const:pi");
}

TEST(Lexer, LastResultReentersAsLiteral) {
  struct LastCase {
    Value last;
    const char* tokens;
  };
  const LastCase cases[] = {
      {Value::MakeReal(2.5), "num:2.5"},
      {Value::MakeReal(-4), "num:-4"},
      {Value::MakeInteger(7), "num:7"},
      {Value::MakeFraction(1, 1, 2), "frac:1\\1\\2"},
      {Value::MakeTime(0, 2, 3), "time:2:3"},
      {Value::MakeComplex(1, -2), "cplx:1-i2"},
      {Value::MakeString("it's"), "str:it's"},
      {Value::MakeString("plain"), "str:plain"},
      {Value::MakeDate(DayDate::FromYmd(2006, 3, 7)), "date:07.03.2006"},
  };
  ScopedOptions options;
  options->numberBase = 0;
  options->dateFormat = 0;
  options->format = 1;
  options->precision = 15;
  options->RebuildNumberFormat();
  for (const LastCase& c : cases) {
    ExpressionEngine engine;
    engine.lastResult = c.last;
    EXPECT_EQ(LexLine(engine, "?"), c.tokens);
  }
  ExpressionEngine engine;
  engine.lastResult = Value::MakeVariableRef("x");
  engine.PrepareText("?");
  std::int32_t op = 0;
  std::string text;
  EXPECT_EQ(engine.NextToken(op, text), TokenClass::Invalid);
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
