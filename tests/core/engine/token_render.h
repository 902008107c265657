#pragma once

// Compact text forms of tokens, so that test tables can state a whole line's
// tokens in one string: "num:2 op4:- num:3".

#include <string>
#include <vector>

#include "engine/token.h"

namespace vr::testing {

inline const char* ClassTag(TokenClass cls) {
  switch (cls) {
    case TokenClass::Number: return "num";
    case TokenClass::FractionLiteral: return "frac";
    case TokenClass::ComplexLiteral: return "cplx";
    case TokenClass::HexLiteral: return "hex";
    case TokenClass::TimeLiteral: return "time";
    case TokenClass::FunctionName: return "fn";
    case TokenClass::VariableName: return "var";
    case TokenClass::ConstantName: return "const";
    case TokenClass::Operator: return "op";
    case TokenClass::StringLiteral: return "str";
    case TokenClass::End: return "end";
    case TokenClass::DateLiteral: return "date";
    case TokenClass::OpenParen: return "(";
    case TokenClass::CloseParen: return ")";
    case TokenClass::Semicolon: return ";";
    case TokenClass::Invalid: return "invalid";
    case TokenClass::InvalidNumber: return "badnum";
  }
  return "?";
}

// "op<code>:<text>" for operators, the bare tag for parentheses, semicolons
// and unreadable numbers, "<tag>:<text>" otherwise.
inline std::string RenderToken(TokenClass cls, int op, const std::string& text) {
  std::string out = ClassTag(cls);
  if (cls == TokenClass::OpenParen || cls == TokenClass::CloseParen ||
      cls == TokenClass::Semicolon || cls == TokenClass::InvalidNumber) {
    return out;
  }
  if (cls == TokenClass::Operator) out += std::to_string(op);
  return out + ":" + text;
}

// The token list without its End token.
inline std::string RenderTokens(const std::vector<Token>& tokens) {
  std::string out;
  for (const Token& t : tokens) {
    if (t.cls == TokenClass::End) continue;
    if (!out.empty()) out += ' ';
    out += RenderToken(t.cls, t.op, t.text);
  }
  return out;
}

}  // namespace vr::testing
