#include "operations/builtins/function_catalogue.h"

#include "settings/options_record.h"

namespace vr {

const std::vector<FunctionDescription>& FunctionCatalogue() {
  // The typos in some English texts are the program's established wording;
  // users and help pages refer to them as they stand.
  static const std::vector<FunctionDescription> rows = {
      {"abs", "absolute value for real and module for complex numbers", "модуль числа"},
      {"conj", "conjugate x (only for comlex)", "сопряженное комлексное число"},
      {"sqr", "square of x", "возвести в квадрат"},
      {"sqrt", "square root", "квадратный корень"},
      {"round", "rounding result", "математическое округление"},
      {"frac", "fractional part of x", "дробная часть"},
      {"ceil", "smallest integer that is greater than or equal to x", "наименьшее целое число большее или равное x"},
      {"floor", "largest integer that is less than or equal to x", "наибольшее целое число меньшее или равное x"},
      {"odd", "TRUE if x is odd and FALSE otherwise", "Возвращает ИСТИНА, если x нечетное"},
      {"ln", "natural logarithm of x", "натуральный логарифм"},
      {"log", "common logarithm of x", "десятичный логарифм"},
      {"exp", "exponent of x", "экспонента"},
      {"gcd", "the greatest common divisor", "наибольший общий делитель"},
      {"lcm", "the least common multiple", "наименьшее общее кратное"},
      {"solve", "solve the quadratic equation (ax**2+bx+c=0)", "решить квадратное уравнение вида ax**2+bx+c=0"},
      {"min", "find minimal value in list", "минимальное число в списке"},
      {"max", "find maximal value in list", "максимальное число в списке"},
      {"avgA", "arithmetical mean", "среднее арифметическое"},
      {"avgG", "geometrical mean", "среднее геометрическое"},
      {"iif", "iif(x;A;B) returns A if x is equal to TRUE and B otherwise", "iif(x;A;B) возвращает A если выражение x возвращает ИСТИНА"},
      {"hms", "convert number into hours, minutes and seconds", "преобразует целое число в часы, минуты и секунды"},
      {"ratio", "convert real number into fraction", "преобразует десятичную дробь в обыкновенную"},
      {"sin", "sine", "синус"},
      {"cos", "cosine", "косинус"},
      {"tan", "tangent", "тангенс"},
      {"asin", "arc sine", "арксинус"},
      {"acos", "arc cosine", "арккосинус"},
      {"atan", "arc tangent", "арктангенс"},
      {"sinh", "hyperbolic sine", "гиперболический синус"},
      {"cosh", "hyperbolic cosine", "гиперболический косинус"},
      {"tanh", "hyperbolic tangent", "гиперболический тангенс"},
      {"asinh", "hyperbolic arc sine", "гиперболический арксинус"},
      {"acosh", "hyperbolic arc cosine", "гиперболический арккосинус"},
      {"atanh", "hyperbolic arc tangent", "гиперболический арктангенс"},
      {"eval", "evaluate expresion", "вычисляет выражение заданное строкой"},
      {"copy", "copy(s,start,count) copy substring", "copy(s,start,count) вырезать подстроку из строки s"},
      {"length", "return the length of string", "возвращает длину строки"},
      {"lower", "convert string to lowercase one", "приводит строку к нижнему регистру"},
      {"upper", "convert string to uppercase one", "приводит строку к верхнему регистру"},
      {"trim", "remove spaces at both ends of string", "удаляет пробелы с обоих концов строки"},
      {"strtodate", "convert string to date", "преобразует строку в дату"},
      {"year", "extract year from date", "выделяет год из даты"},
      {"month", "extract month from date", "выделяет месяц из даты"},
      {"day", "extract day from date", "выделяет день из даты"},
      {"gettype", "return expression type", "возвращает тип выражения"},
      {"a2r", "converts arabic to roman numbers", "преобразование арабских цифр в римские"},
      {"r2a", "converts roman to arabic numbers", "преобразование римских цифр в арабские"},
  };
  return rows;
}

std::string_view DescriptionText(const FunctionDescription& row) {
  return Options().english != 0 ? row.english : row.russian;
}

}  // namespace vr
