// "==", "!=", "<", ">", "<=", ">=": a Real truth value, 1 or 0.

#include <compare>

#include "engine/operator_code.h"
#include "engine/real_rules.h"
#include "operations/operands.h"
#include "operations/operators/binary_operation.h"
#include "operations/operators/operator_families.h"
#include "values/value_conversion.h"

namespace vr {
namespace {

void StoreTruth(Value& v, bool truth) {
  v.kind = ValueKind::Real;
  v.num.real = truth ? 1.0 : 0.0;
}

// ---- Equality ----------------------------------------------------------------
// variant 1 is "!=", the negation of "==".

template <bool (*Equal)(const Value&, const Value&)>
ErrorCode EqualityRule(Value& left, const Value& right, int notEqual) {
  StoreTruth(left, Equal(left, right) != (notEqual != 0));
  return kOk;
}

ErrorCode EqualNumbers(Value& left, const Value& right, int notEqual) {
  double truth;
  RealEqual(left.num.real, right.num.real, notEqual != 0, truth);
  StoreTruth(left, truth != 0.0);
  return kOk;
}

bool FractionsEqual(const Value& a, const Value& b) {
  return FractionToDouble(a.num.fraction) == FractionToDouble(b.num.fraction);
}
bool TimesEqual(const Value& a, const Value& b) {
  return TimeToSeconds(a.num.time) == TimeToSeconds(b.num.time);
}
bool ComplexEqual(const Value& a, const Value& b) {
  return a.num.complex.re == b.num.complex.re && a.num.complex.im == b.num.complex.im;
}
bool TextsEqual(const Value& a, const Value& b) { return a.text == b.text; }
// Dates are equal on the same calendar day, whatever the time of day.
bool DaysEqual(const Value& a, const Value& b) {
  return a.date.Year() == b.date.Year() && a.date.Month() == b.date.Month() &&
         a.date.Day() == b.date.Day();
}
bool NeverEqual(const Value&, const Value&) { return false; }

constexpr KindRules<BinaryRule> kEqualityRules{
    {
        {ValueKind::Real, EqualNumbers},
        {ValueKind::Integer, EqualNumbers},
        {ValueKind::Fraction, EqualityRule<FractionsEqual>},
        {ValueKind::Time, EqualityRule<TimesEqual>},
        {ValueKind::Complex, EqualityRule<ComplexEqual>},
        {ValueKind::String, EqualityRule<TextsEqual>},
        {ValueKind::Date, EqualityRule<DaysEqual>},
    },
    EqualityRule<NeverEqual>};

// ---- Ordering ----------------------------------------------------------------
// variant is the operator code. A NaN is unordered, so every ordering with it
// is false.

template <std::partial_ordering (*Order)(const Value&, const Value&)>
ErrorCode OrderingRule(Value& left, const Value& right, int code) {
  double truth;
  if (ErrorCode e = TruthOfOrder(Order(left, right), code, truth)) return e;
  StoreTruth(left, truth != 0.0);
  return kOk;
}

ErrorCode OrderNumbers(Value& left, const Value& right, int code) {
  double truth;
  if (ErrorCode e = RealOrder(left.num.real, right.num.real, code, truth)) return e;
  StoreTruth(left, truth != 0.0);
  return kOk;
}
std::partial_ordering OrderFractions(const Value& a, const Value& b) {
  return FractionToDouble(a.num.fraction) <=> FractionToDouble(b.num.fraction);
}
std::partial_ordering OrderTimes(const Value& a, const Value& b) {
  const auto seconds = [](const TimeParts& t) {
    return 3600 * static_cast<long long>(t.hours) + 60 * static_cast<long long>(t.minutes) + t.seconds;
  };
  return seconds(a.num.time) <=> seconds(b.num.time);
}
// Complex numbers are ordered by their moduli.
std::partial_ordering OrderComplex(const Value& a, const Value& b) {
  const auto norm = [](const ComplexParts& z) { return z.re * z.re + z.im * z.im; };
  return norm(a.num.complex) <=> norm(b.num.complex);
}
// Byte by byte, as unsigned characters, case-sensitive.
std::partial_ordering OrderTexts(const Value& a, const Value& b) { return a.text.compare(b.text) <=> 0; }
// Unlike equality, the time of day counts here.
std::partial_ordering OrderDates(const Value& a, const Value& b) { return a.date.serial <=> b.date.serial; }
std::partial_ordering Unordered(const Value&, const Value&) { return std::partial_ordering::unordered; }

constexpr KindRules<BinaryRule> kOrderingRules{
    {
        {ValueKind::Real, OrderNumbers},
        {ValueKind::Integer, OrderNumbers},
        {ValueKind::Fraction, OrderingRule<OrderFractions>},
        {ValueKind::Time, OrderingRule<OrderTimes>},
        {ValueKind::Complex, OrderingRule<OrderComplex>},
        {ValueKind::String, OrderingRule<OrderTexts>},
        {ValueKind::Date, OrderingRule<OrderDates>},
    },
    OrderingRule<Unordered>};

}  // namespace

ErrorCode EqualityOperation(const OperationCall& call) {
  return RunBinary(call, KindLeader::Left, kEqualityRules);
}

ErrorCode OrderingOperation(const OperationCall& call) {
  return RunBinary(call, KindLeader::Left, kOrderingRules);
}

}  // namespace vr
