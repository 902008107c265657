#pragma once

#include "values/error_code.h"
#include "values/value.h"

namespace vr {

// Converts v in place to the target kind. Returns 0, IntegerOverflow or
// InvalidComplexTypecast; on failure v is left as it was. Targets without a
// rule leave v unchanged and succeed. A number becomes a Time by floor
// division, so -3725 seconds is -2:57:55 (negative hours, the minutes and
// seconds counted up from them), unlike the results of time arithmetic.
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

// 3600*h + 60*m + s.
double TimeToSeconds(const TimeParts& t);

// Total seconds back to hours, minutes, seconds, as time arithmetic gives
// them: a negative total has all three parts negated (0:30-1:0 is 0:-30) and
// there is no wrap at 24 hours. Fractions of a second are dropped; parts out
// of the 32-bit range saturate. A number converted to a Time splits
// differently (see ConvertValue).
TimeParts SecondsToTime(double seconds);

// The value of a fraction: whole + numerator / denominator (whole minus it
// when whole is negative, see FractionParts), or whole when numerator or
// denominator is 0.
double FractionToDouble(const FractionParts& f);

}  // namespace vr
