#include "engine/error_messages.h"

#include <array>
#include <string_view>

#include "options/options_record.h"

namespace vr {

namespace {

struct Message {
  std::string_view english;
  std::string_view russian;
};

// Index 0 is code 1. The texts are shown to the user exactly as written,
// including their spelling.
constexpr std::array<Message, kLastErrorCode> kMessages{{
    {"Integer overflow",
     "Большое целое число"},  // 1
    {"Invalid complex typecast",
     "Ошибка при работе с комплексными числами"},  // 2
    {"Stack is empty",
     "Стек пуст"},  // 3
    {"Stack overflow",
     "Переполнение стека"},  // 4
    {"Too many '('",
     "Лишняя '('"},  // 5
    {"Error in expression",
     "Ошибка в выражении"},  // 6
    {"Division by zero",
     "Деление на ноль"},  // 7
    {"Floating point overflow",
     "Слишком большое число"},  // 8
    {"Function \"%s\" not implemented for TIME",
     "Функция \"%s\" не предназаначена для работы со временем"},  // 9
    {"Function \"%s\" not implemented for FRACTION",
     "Функция \"%s\" не предназаначена для обыкновенных дробей"},  // 10
    {"Function \"%s\" not implemented for COMPLEX",
     "Функция \"%s\" не предназаначена для комплексных чисел"},  // 11
    {"Function \"%s\" not implemented for REAL NUMBERS",
     "Функция \"%s\" не предназаначена для вещественных чисел"},  // 12
    {"Base of power can`t be negative",
     "Основание степени не может быть меньше 0"},  // 13
    {"Factorial implemented only for positive Integers",
     "Факториал вычисляется только для целых положительных чисел"},  // 14
    {"Function \"%s\" not implemented for Integers",
     "Функция \"%s\" не предназаначена для целых чисел"},  // 15
    {"Number of parameters must be greater 0",
     "У функции должен быть хотя бы 1 параметр"},  // 16
    {"Variable \"%s\" not found",
     "Переменная \"%s\" не найдена"},  // 17
    {"Can`t calculate logarithm of zero",
     "Не могу вычислить логарифм от 0"},  // 18
    {"Function \"%s\": not enough parameters",
     "Функции \"%s\": задано мало параметров"},  // 19
    {"Function \"%s\" doesn`t exists",
     "Функция \"%s\" не существует"},  // 20
    {"Function \"%s\" is not yet implemented for complex",
     "Функция \"%s\" пока не реализована для комплексных чисел"},  // 21
    {"Functions \"%s\" must be the only function",
     "Функция \"%s\" должна быть единственной в выражении"},  // 22
    {"Function unexpected here",
     "Неправильное употребление функции"},  // 23
    {"'(' expected",
     "Ожидается: '('"},  // 24
    {"'(' cannot follow ')'",
     "'(' не может следовать сразу за ')'"},  // 25
    {"';' used only for function parameters",
     "';' - используется только для разделения параметров функции"},  // 26
    {"Unexpected ';'",
     "Неправильное употребление ';'"},  // 27
    {"Too many ')'",
     "Лишняя ')'"},  // 28
    {"Unexpected ')'",
     "Ошибочный символ: ')'"},  // 29
    {"Invalid expression",
     "Ошибка в выражении"},  // 30
    {"Invalid expression",
     "Ошибка в выражении"},  // 31
    {"Invalid expression",
     "Ошибка в выражении"},  // 32
    {"Cannot change constant",
     "Нельзя изменить значение константы"},  // 33
    {"Invalid string operation",
     "Операция не применима к строкам"},  // 34
    {"Invalid date operation",
     "Операция не применима к датам"},  // 35
    {"Invalid function declaration",
     "Ошибка в описании функции"},  // 36
    {"Label not found",
     "Метка не определена"},  // 37
    {"EndFunc is not found",
     "EndFunc отсутствует"},  // 38
    {"IF or ELIF calculation error",
     "Ошибка при обработке IF или ELIF "},  // 39
    {"EndIf is not found",
     "EndIf не найден"},  // 40
    {"Root is not found in given interval",
     "В заданном интервале корень не найден"},  // 41
    {"Invalid character in a number",
     "Число не соответствует системе счисления"},  // 42
    {"String is too long",
     "Строка слишком длинная"},  // 43
    {"Not enough memory",
     "Недостаточно памяти"},  // 44
    {"Interrupted",
     "Вычисление прервано"},  // 45
    {"Line is too long: at most 255 characters",
     "Строка слишком длинная: не более 255 символов"},  // 46
    {"Result is not a number",
     "Результат не является числом"},  // 47
    {"Result is infinite",
     "Результат бесконечен"},  // 48
    {"Time limit reached",
     "Превышено время вычисления"},  // 49
}};

}  // namespace

std::string& ErrorName() {
  static std::string name;
  return name;
}

std::string GetErrorText(int code) {
  if (code < 1 || code > kLastErrorCode) return "OK";
  const Message& m = kMessages[static_cast<std::size_t>(code - 1)];
  const std::string_view pattern = Options().english != 0 ? m.english : m.russian;

  // The name is inserted as it stands: a "%" in a variable's or function's
  // name must not be read as another placeholder.
  std::string text;
  const std::size_t slot = pattern.find("%s");
  if (slot == std::string_view::npos) return std::string(pattern);
  text.reserve(pattern.size() + ErrorName().size());
  text.append(pattern.substr(0, slot));
  text.append(ErrorName());
  text.append(pattern.substr(slot + 2));
  return text;
}

}  // namespace vr
