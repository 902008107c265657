#pragma once

#include <string>
#include <string_view>

#include "values/value.h"

namespace vr {

// A double through the current NumberFormat.
std::string FormatNumber(double x);

std::string FormatValue(const Value& v);
// "a<sep>b<sep>c", or "b<sep>c" when a is 0: the text of fractions and times.
std::string FormatTriple(char sep, std::int32_t a, std::int32_t b, std::int32_t c);
std::string FormatInBase(double x, int radix);
std::string FormatDate(const DayDate& date, int dateFormat);
// The text forms the literals and the string conversions read: "a\b\c" or
// "b\c", "h:m:s" or "m:s", re+i im or re-i im with an optional leading sign.
Value ParseFraction(std::string_view text);
Value ParseTime(std::string_view text);
Value ParseComplex(std::string_view text);
DayDate ParseDate(std::string_view text, int dateFormat);

// The C library readers with the 32-bit `long` the formats were made for.
double Atof(std::string_view text);
std::int32_t Atoi(std::string_view text);
std::int32_t Strtol32(std::string_view text, int base);

}  // namespace vr
