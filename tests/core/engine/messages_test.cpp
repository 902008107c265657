#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "settings/options_record.h"

namespace vr {
namespace {

struct Row {
  std::string line;
  std::string message;
};

// The message the window writes for a line that the engine rejects before
// any operation runs; the operations table is not needed for that.
std::string MessageFor(const std::string& line) {
  OperationTable none;
  ExpressionEngine engine{EngineServices{&none, nullptr}};
  Value result;
  return GetErrorText(engine.EvaluateLine(line, result));
}

TEST(ErrorMessagesTest, SyntaxErrorsInEnglish) {
  ScopedOptions options;
  options->english = 1;
  const std::vector<Row> rows = {
      {"(2", "Too many '('"},
      {"2)", "Too many ')'"},
      {"$", "Error in expression"},
      {"2y", "Error in expression"},
      {"1e999", "Floating point overflow"},
      {"1+i1e999", "Floating point overflow"},
      {"x", "Variable \"x\" not found"},
      {"x(2)", "Function \"x\" doesn`t exists"},
      {"angle(1)", "Function \"angle\" doesn`t exists"},
      {"1+solve(x;0)", "Functions \"solve\" must be the only function"},
      {"solve(1;2)+1", "Functions \"solve\" must be the only function"},
      {"(1)sin(1)", "Function unexpected here"},
      {"sin+2", "'(' expected"},
      {"(1)(2)", "'(' cannot follow ')'"},
      {"1;2", "';' used only for function parameters"},
      {"max(;1)", "Unexpected ';'"},
      {"max(1;)", "Unexpected ')'"},
      {"sin()", "Unexpected ')'"},
      {"2*+3", "Invalid expression"},
      {"2*~3", "Invalid expression"},
      {"1as", "Invalid character in a number"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(MessageFor(row.line), row.message) << row.line;
  }
}

TEST(ErrorMessagesTest, RussianTextsAsShown) {
  ScopedOptions options;
  options->english = 0;
  const std::vector<Row> rows = {
      {"(2", "Лишняя '('"},
      {"2)", "Лишняя ')'"},
      {"2y", "Ошибка в выражении"},
      {"x", "Переменная \"x\" не найдена"},
      {"x(2)", "Функция \"x\" не существует"},
      {"1+solve(x;0)", "Функция \"solve\" должна быть единственной в выражении"},
      {"1;2", "';' - используется только для разделения параметров функции"},
      {"max(1;)", "Ошибочный символ: ')'"},
      {"2*+3", "Ошибка в выражении"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(MessageFor(row.line), row.message) << row.line;
  }

  ErrorName() = "sqrt";
  EXPECT_EQ(GetErrorText(kNotForTime), "Функция \"sqrt\" не предназаначена для работы со временем");
  EXPECT_EQ(GetErrorText(kIfCalculationError), "Ошибка при обработке IF или ELIF ");
  EXPECT_EQ(GetErrorText(kNotEnoughParameters), "Функции \"sqrt\": задано мало параметров");
}

TEST(ErrorMessagesTest, CodesOutsideTheTableAndNamesWithPercent) {
  ScopedOptions options;
  for (int english : {0, 1}) {
    options->english = english;
    for (int code : {0, 43, -1, 1000}) EXPECT_EQ(GetErrorText(code), "OK") << code;
  }

  options->english = 1;
  EXPECT_EQ(GetErrorText(kNegativePowerBase), "Base of power can`t be negative");
  EXPECT_EQ(GetErrorText(kInvalidExpression32), "Invalid expression");
  // The name is inserted as it stands, never read as a pattern.
  ErrorName() = "%s%d%n";
  EXPECT_EQ(GetErrorText(kVariableNotFound), "Variable \"%s%d%n\" not found");
  ErrorName() = "";
  EXPECT_EQ(GetErrorText(kNotForInteger), "Function \"\" not implemented for Integers");
}

TEST(IsSingleOperandTest, OneOptionallySignedOperand) {
  struct Case {
    const char* text;
    bool single;
  };
  const std::vector<Case> cases = {
      {"5", true},      {"-5", true},     {"x", true},      {"+x", true},
      {"'a b'", true},  {"#1.2.2006#", true}, {"3\\4", true}, {"-2+i3", true},
      {"2+3", false},   {"sin(1)", false}, {"", false},     {"--5", false},
      {"$", false},     {"5!!", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsSingleOperand(c.text), c.single) << c.text;
}

}  // namespace
}  // namespace vr
