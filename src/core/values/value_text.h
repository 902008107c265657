#pragma once

#include <string>
#include <string_view>

#include "values/token_class.h"
#include "values/value.h"

namespace vr {

// (token classes: values/token_class.h)

// The printf pattern for doubles from "Format" and "Precision".
std::string BuildNumberFormat(int format, int precision);

// A double through the current NumberFormat.
std::string FormatNumber(double x);

std::string FormatValue(const Value& v);
// "a<sep>b<sep>c", or "b<sep>c" when a is 0: the text of fractions and times.
std::string FormatTriple(char sep, std::int32_t a, std::int32_t b, std::int32_t c);
std::string FormatInBase(double x, int radix);
std::string FormatDate(const DayDate& date, int dateFormat);
Value LiteralToValue(TokenClass tokenClass, std::string_view text);
DayDate ParseDate(std::string_view text, int dateFormat);

// The C library readers with the 32-bit `long` the formats were made for.
double Atof(std::string_view text);
std::int32_t Atoi(std::string_view text);
std::int32_t Strtol32(std::string_view text, int base);

}  // namespace vr
