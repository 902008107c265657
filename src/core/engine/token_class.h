#pragma once

#include <cstdint>

namespace vr {

// Token classes are stored in tokens and compared by number. 16 is used only
// inside the lexer while an identifier is read.
enum class TokenClass : std::int32_t {
  Number = 0,
  FractionLiteral = 1,
  ComplexLiteral = 2,
  HexLiteral = 3,
  TimeLiteral = 4,
  FunctionName = 5,
  VariableName = 6,
  ConstantName = 7,
  Operator = 8,
  StringLiteral = 9,
  End = 10,
  DateLiteral = 11,
  OpenParen = 12,
  CloseParen = 13,
  Semicolon = 14,
  Invalid = 15,
  InvalidNumber = 17,
};

// The classes whose token carries a literal Value.
constexpr bool IsLiteralClass(TokenClass cls) {
  switch (cls) {
    case TokenClass::Number:
    case TokenClass::FractionLiteral:
    case TokenClass::ComplexLiteral:
    case TokenClass::HexLiteral:
    case TokenClass::TimeLiteral:
    case TokenClass::StringLiteral:
    case TokenClass::DateLiteral:
      return true;
    default:
      return false;
  }
}

}  // namespace vr
