#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "values/error_code.h"
#include "values/value.h"

namespace vr {

// The integer procedures behind gcd, lcm, ratio, period, periodlen, a2r and
// r2a. They work in 64 bits where the 32-bit inputs could overflow, so that
// every input has a defined answer.

// Euclid's algorithm with the C remainder (the sign follows the operands). A
// zero second number is a division by zero, as the remainder would be.
ErrorCode GreatestCommonDivisor(std::int64_t a, std::int64_t b, std::int64_t& result);

// The first multiple of max(a, b) that min(a, b) divides; 0 as either number
// is a division by zero.
ErrorCode LeastCommonMultiple(std::int64_t a, std::int64_t b, std::int64_t& result);

// Best continued-fraction convergent p / q of x > 0 (q >= 1): stops when it
// is within the tolerance or the expansion ends, and never lets p or q
// outgrow 32 bits (the last convergent that fits is kept).
void ContinuedFraction(double x, double tolerance, std::int32_t& p, std::int32_t& q);

// Length of the repeating part of the decimal expansion of n / d, n >= 0,
// d > 0; 0 when the expansion terminates.
std::int64_t RepeatingLength(std::int64_t n, std::int64_t d);

// The expansion of n / d with its repeating part in parentheses, such as
// "0.1(6)". Fails with IntegerOverflow when the text would be unreasonably
// long (the cycle of n / d can be as long as d).
ErrorCode RepeatingDecimalText(std::int64_t n, std::int64_t d, std::string& text);

// Roman numeral of 0 <= k <= 3999 (0 is the empty text).
std::string ToRoman(std::int32_t k);

// Value of an upper-case Roman numeral; the scan ends at the first character
// that is not a numeral.
std::int64_t FromRoman(std::string_view upperText);

}  // namespace vr
