// Collects the lexer's tokens into the token list and decides which signs
// are unary.

#include "engine/expression_engine.h"
#include "engine/operator_code.h"
#include "values/text_limit.h"

namespace vr {

namespace {

// A sign is unary at the start of the line, after an opening parenthesis or
// a semicolon, and after any operator except the postfix "!!".
bool StartsOperand(const Token* previous) {
  if (previous == nullptr) return true;
  switch (previous->cls) {
    case TokenClass::Operator:
      return previous->op != kOpFactorial;
    case TokenClass::OpenParen:
    case TokenClass::Semicolon:
      return true;
    default:
      return false;
  }
}

// "-2+i3" is one literal whose real part is negative: the sign belongs to
// the real part only, so it is put on (or taken off) the text.
void NegateComplexText(std::string& text) {
  if (!text.empty() && text.front() == '-') {
    text.erase(0, 1);
  } else {
    text.insert(0, 1, '-');
  }
}

}  // namespace

ErrorCode ExpressionEngine::Tokenize() {
  tokens_.clear();
  cursor_ = 0;
  ErrorCode error = kOk;
  // Quoted texts, and every "?" standing for a long text, are copied into
  // the tokens: together they are held to the size of one value.
  std::size_t textBytes = 0;

  for (;;) {
    Token token;
    token.cls = NextToken(token.op, token.text);
    textBytes += token.text.size();
    if (const ErrorCode e = CheckTextLength(textBytes)) return e;
    if (token.cls == TokenClass::Invalid) {
      error = kErrorInExpression;
      continue;
    }
    if (token.cls == TokenClass::InvalidNumber) {
      error = kInvalidDigit;
      continue;
    }
    if (token.cls == TokenClass::End) {
      tokens_.push_back(std::move(token));
      return error;
    }

    const Token* previous = tokens_.empty() ? nullptr : &tokens_.back();
    if (token.cls == TokenClass::Operator) {
      if (StartsOperand(previous)) {
        if (token.op == kOpAdd) token.op = kOpUnaryPlus;
        if (token.op == kOpSubtract) token.op = kOpUnaryMinus;
      }
      token.precedence = Precedence(token.op);
      if (token.op == kOpAssign) token.text = previous != nullptr ? previous->text : std::string();
    }

    if (token.cls == TokenClass::ComplexLiteral && previous != nullptr &&
        previous->cls == TokenClass::Operator && previous->op == kOpUnaryMinus) {
      tokens_.pop_back();
      NegateComplexText(token.text);
    }
    tokens_.push_back(std::move(token));
  }
}

}  // namespace vr
