// One walk over the token list that rejects malformed lines with a precise
// message. Two operands in a row are left to the evaluator.

#include "engine/error_messages.h"
#include "engine/expression_engine.h"

namespace vr {

namespace {

// Equations, whose roots the evaluator may leave several of on the stack;
// they must be the whole line.
bool IsSolveType(const OperationTable* table, const std::string& name) {
  const BuiltinFunction* row = FindBuiltin(table, name);
  return row != nullptr && row->severalResults;
}

bool IsOperand(TokenClass cls) {
  return IsLiteralClass(cls) || cls == TokenClass::VariableName || cls == TokenClass::ConstantName;
}

// Whether the token ends an operand, so that ")" or ";" may follow it.
bool EndsOperand(TokenClass cls, std::int32_t op) {
  switch (cls) {
    case TokenClass::FunctionName:
    case TokenClass::OpenParen:
    case TokenClass::Semicolon:
      return false;
    case TokenClass::Operator:
      return op == kOpFactorial;
    default:
      return true;
  }
}

enum SolveState { kNoSolve = 0, kInsideSolve = 1, kSolveClosed = 2 };

}  // namespace

ErrorCode ExpressionEngine::CheckSyntax() {
  int depth = 0;
  int functionDepth = 0;
  SolveState solveState = kNoSolve;
  int solveDepth = 0;
  std::string solveName;
  TokenClass previousClass = TokenClass::End;
  std::int32_t previousOp = 0;
  bool first = true;

  auto solveOnly = [&]() {
    ErrorName() = solveName;
    return kMustBeOnlyFunction;
  };

  const std::size_t count = tokens_.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Token& token = tokens_[i];
    if (token.cls == TokenClass::End) continue;
    const TokenClass nextClass = i + 1 < count ? tokens_[i + 1].cls : TokenClass::End;

    switch (token.cls) {
      case TokenClass::FunctionName:
        if (solveState == kSolveClosed) return solveOnly();
        if (IsSolveType(services_.operations, token.text)) {
          solveState = kInsideSolve;
          solveName = token.text;
        }
        if (solveState != kNoSolve && !first && solveDepth < 1) return solveOnly();
        if (previousClass != TokenClass::OpenParen && previousClass != TokenClass::Semicolon &&
            previousClass != TokenClass::Operator && previousClass != TokenClass::End) {
          return kFunctionUnexpected;
        }
        if (nextClass != TokenClass::OpenParen) return kOpenParenExpected;
        break;

      case TokenClass::Operator:
        if (solveState == kSolveClosed) return solveOnly();
        if (previousClass == TokenClass::FunctionName) return kInvalidExpression30;
        if (previousClass == TokenClass::OpenParen || previousClass == TokenClass::Semicolon ||
            previousClass == TokenClass::Operator) {
          const bool afterFactorial =
              previousClass == TokenClass::Operator && previousOp == kOpFactorial;
          const bool afterUnaryMinus =
              previousClass == TokenClass::Operator && previousOp == kOpUnaryMinus;
          const bool loneUnaryMinus = token.op == kOpUnaryMinus && !afterUnaryMinus;
          if (!afterFactorial && !loneUnaryMinus) return kInvalidExpression31;
        }
        break;

      case TokenClass::OpenParen:
        if (solveState == kSolveClosed) return solveOnly();
        ++depth;
        if (solveState == kInsideSolve) ++solveDepth;
        if (previousClass == TokenClass::CloseParen) return kOpenParenAfterClose;
        if (previousClass == TokenClass::FunctionName || functionDepth > 0) ++functionDepth;
        break;

      case TokenClass::CloseParen:
        if (solveState == kSolveClosed) return solveOnly();
        if (--depth < 0) return kTooManyCloseParens;
        if (functionDepth > 0) --functionDepth;
        if (solveState == kInsideSolve && --solveDepth == 0) solveState = kSolveClosed;
        if (!EndsOperand(previousClass, previousOp)) return kUnexpectedCloseParen;
        break;

      case TokenClass::Semicolon:
        if (solveState == kSolveClosed) return solveOnly();
        if (functionDepth == 0) return kSemicolonOutsideFunction;
        if (!EndsOperand(previousClass, previousOp)) return kUnexpectedSemicolon;
        break;

      default:
        if (IsOperand(token.cls)) {
          if (nextClass == TokenClass::OpenParen) {
            // A name that is no function, used as one.
            ErrorName() = token.text;
            return kFunctionDoesNotExist;
          }
          if (solveState == kSolveClosed) return solveOnly();
        }
        break;
    }

    previousClass = token.cls;
    previousOp = token.op;
    first = false;
  }

  return depth > 0 ? kTooManyOpenParens : kOk;
}

}  // namespace vr
