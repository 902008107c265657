// Orders the token list for evaluation with an operator stack (shunting
// yard), converts literals to Values and counts function arguments.

#include <cmath>

#include "engine/expression_engine.h"
#include "engine/literal_value.h"
#include "engine/named_constants.h"

namespace vr {

namespace {

constexpr std::int32_t kStackedParenPrecedence = 20;

void MoveTop(std::vector<Token>& stack, std::vector<Token>& out) {
  out.push_back(std::move(stack.back()));
  stack.pop_back();
}

// Fills the operand's Value; false when a literal does not fit a double.
bool MakeOperandValue(Token& token) {
  switch (token.cls) {
    case TokenClass::VariableName:
      token.value = Value::MakeVariableRef(token.text);
      return true;
    case TokenClass::ConstantName: {
      Value v;
      v.kind = ValueKind::ConstantRef;
      v.name = token.text;
      // The index spares the evaluator a lookup by name on every run.
      v.num.real = FindNamedConstant(token.text);
      token.value = std::move(v);
      return true;
    }
    default:
      break;
  }
  token.value = LiteralToValue(token.cls, token.text);
  const Value& v = token.value;
  if (v.kind == ValueKind::Real) return std::isfinite(v.num.real);
  if (v.kind == ValueKind::Complex) {
    return std::isfinite(v.num.complex.re) && std::isfinite(v.num.complex.im);
  }
  return true;
}

}  // namespace

ErrorCode ExpressionEngine::ToPostfix() {
  program_.Forget();
  postfix_.clear();
  operatorStack_.clear();
  postfix_.reserve(tokens_.size());

  std::vector<Token>& stack = operatorStack_;
  const std::size_t count = tokens_.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Token& source = tokens_[i];
    if (source.cls == TokenClass::End) continue;
    if (source.cls == TokenClass::Operator && source.op == kOpUnaryPlus) continue;

    switch (source.cls) {
      case TokenClass::FunctionName: {
        Token token = source;
        token.argCount = 1;
        // Built-in index (-1 for a user function), so that the evaluator
        // need not look the name up on every run.
        const OperationTable* table = services_.operations;
        const BuiltinFunction* row = FindBuiltin(table, token.text);
        const int index = row != nullptr ? static_cast<int>(row - table->builtins.data()) : -1;
        token.value = Value::MakeInteger(index);
        stack.push_back(std::move(token));
        break;
      }

      case TokenClass::Operator:
        // Equal precedence moves the stacked operator first: every binary
        // operator groups from the left, "**" and assignment included.
        while (!stack.empty() && stack.back().cls != TokenClass::OpenParen &&
               source.precedence <= stack.back().precedence) {
          MoveTop(stack, postfix_);
        }
        stack.push_back(source);
        break;

      case TokenClass::OpenParen:
        // The parenthesis right after a function name opens its argument
        // list, which the function token itself stands for on the stack.
        if (i > 0 && tokens_[i - 1].cls == TokenClass::FunctionName) break;
        stack.push_back(source);
        stack.back().precedence = kStackedParenPrecedence;
        break;

      case TokenClass::CloseParen:
        while (!stack.empty()) {
          if (stack.back().cls == TokenClass::OpenParen) {
            stack.pop_back();
            break;
          }
          const bool call = stack.back().cls == TokenClass::FunctionName;
          MoveTop(stack, postfix_);
          if (call) break;
        }
        break;

      case TokenClass::Semicolon:
        // An inner parenthesis met here is moved out as well; the evaluator
        // skips it.
        while (!stack.empty()) {
          if (stack.back().cls == TokenClass::FunctionName) {
            ++stack.back().argCount;
            break;
          }
          MoveTop(stack, postfix_);
        }
        break;

      default: {
        Token token = source;
        if (!MakeOperandValue(token)) return kFloatingPointOverflow;
        postfix_.push_back(std::move(token));
        break;
      }
    }
  }

  while (!stack.empty()) MoveTop(stack, postfix_);
  return kOk;
}

}  // namespace vr
