#include "settings/saved_variable.h"

#include <cmath>
#include <cstdio>

#include "engine/literal_value.h"
#include "options/options_record.h"
#include "values/value_text.h"

namespace vr {

namespace {

// Shortest text that reads back as the same double.
std::string ExactDecimal(double x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", x);
  return buffer;
}

// A real, or one part of a complex, in the calculator's exponential pattern
// but with every digit a double has, so that the value read back is the one
// saved. The display settings play no part: a variable must not change
// because it was saved while results were shown with fewer digits.
std::string ExactExponential(double x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.16e", x);
  return buffer;
}

// The complex literal's shape, "re+iim" or "re-iim"; a negative zero keeps
// its sign through the "-i".
std::string ExactComplex(double re, double im) {
  return ExactExponential(re) + (std::signbit(im) ? "-i" : "+i") + ExactExponential(std::fabs(im));
}

bool HasHexPrefix(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

}  // namespace

bool SaveVariable(const VariableEntry& entry, SavedVariable& saved) {
  if (entry.name.empty()) return false;
  const Value& v = entry.value;
  saved.name = entry.name;
  switch (v.kind) {
    case ValueKind::Real:
      saved.varType = "0";
      saved.value = ExactExponential(v.num.real);
      return true;
    case ValueKind::Integer:
      saved.varType = "1";
      saved.value = ExactDecimal(v.num.real);
      return true;
    case ValueKind::Fraction:
      saved.varType = "2";
      saved.value = FormatValue(v);
      return true;
    case ValueKind::Time:
      saved.varType = "3";
      saved.value = FormatValue(v);
      return true;
    case ValueKind::Complex:
      saved.varType = "4";
      saved.value = ExactComplex(v.num.complex.re, v.num.complex.im);
      return true;
    case ValueKind::String:
      saved.varType = "8";
      saved.value = v.text;
      return true;
    case ValueKind::Date:
      saved.varType = "9";
      saved.value = ExactDecimal(v.date.serial);
      return true;
    case ValueKind::VariableRef:
    case ValueKind::ConstantRef:
      break;
  }
  return false;
}

Value RestoreVariableValue(std::string_view varType, std::string_view valueText) {
  if (varType == "1") {
    if (HasHexPrefix(valueText)) return LiteralToValue(TokenClass::HexLiteral, valueText);
    return Value::MakeInteger(Atof(valueText));
  }
  if (varType == "2") return LiteralToValue(TokenClass::FractionLiteral, valueText);
  if (varType == "3") return LiteralToValue(TokenClass::TimeLiteral, valueText);
  if (varType == "4") return LiteralToValue(TokenClass::ComplexLiteral, valueText);
  if (varType == "8") return Value::MakeString(std::string(valueText));
  if (varType == "9") {
    if (valueText.size() >= 2 && valueText.front() == '#' && valueText.back() == '#') {
      return Value::MakeDate(ParseDate(valueText.substr(1, valueText.size() - 2), Options().dateFormat));
    }
    DayDate date;
    date.serial = Atof(valueText);
    return Value::MakeDate(date);
  }
  return LiteralToValue(TokenClass::Number, valueText);
}

}  // namespace vr
