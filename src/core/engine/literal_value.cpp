#include "engine/literal_value.h"

#include <string>

#include "options/options_record.h"
#include "values/value_text.h"

namespace vr {

Value LiteralToValue(TokenClass tokenClass, std::string_view text) {
  switch (tokenClass) {
    case TokenClass::Number:
      return Value::MakeReal(Atof(text));
    case TokenClass::FractionLiteral:
      return ParseFraction(text);
    case TokenClass::ComplexLiteral:
      return ParseComplex(text);
    case TokenClass::HexLiteral:
      return Value::MakeInteger(Strtol32(text, 16));
    case TokenClass::TimeLiteral:
      return ParseTime(text);
    case TokenClass::StringLiteral:
      return Value::MakeString(std::string(text));
    case TokenClass::DateLiteral:
      return Value::MakeDate(ParseDate(text, Options().dateFormat));
    default:
      return Value::MakeReal(0.0);
  }
}

}  // namespace vr
