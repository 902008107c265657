#pragma once

#include "values/error_code.h"
#include "values/value.h"

namespace vr {

// Converts v in place to the target kind. Returns 0, IntegerOverflow or
// InvalidComplexTypecast; on failure v is left as it was. Targets without a
// rule leave v unchanged and succeed.
ErrorCode ConvertValue(Value& v, ValueKind target);

// True when x has no fractional part and x < kIntegerMax. No lower bound.
bool IsInteger(double x);
double RoundHalfAway(double x);
int SignOf(double x);
bool ValuesEqual(const Value& a, const Value& b);

// kResultNotANumber when v is a number, or a complex number with a part,
// that is NaN; else kResultInfinite when one is infinite; else kOk. Such a
// number has no text that reads back, so it is shown as a message instead.
ErrorCode NonFiniteCode(const Value& v);

// Conversion toward zero to a signed 32-bit integer, saturating out of range
// and giving 0 for NaN, so that no input is undefined behaviour.
std::int32_t Trunc32(double x);

// The value of a fraction: whole + numerator / denominator (whole minus it
// when whole is negative, see FractionParts), or whole when numerator or
// denominator is 0.
double FractionToDouble(const FractionParts& f);

}  // namespace vr
