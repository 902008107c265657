#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "engine/named_constants.h"
#include "values/text_limit.h"
#include "values/value_conversion.h"
#include "values/value_text.h"

namespace vr {

namespace {

// How many operands an operator pops; handed to the operation so that a
// shared entry can tell its prefix and infix uses apart.
int OperatorArity(int op) {
  switch (op) {
    case kOpUnaryPlus:
    case kOpUnaryMinus:
    case kOpFactorial:
    case kOpBitNot:
    case kOpLogicalNot:
      return 1;
    default:
      return 2;
  }
}

ErrorCode PushOperand(ValueStack& stack, const Value& v) {
  return stack.Push(v) < 0 ? kStackOverflow : kOk;
}

ErrorCode RunOperator(ExpressionEngine& engine, ValueStack& stack, const Token& t) {
  const OperationTable* table = engine.Services().operations;
  if (table == nullptr || t.op <= kOpNone || t.op >= kOperatorCodeCount) return kErrorInExpression;
  const OperationEntry& entry = table->operators[static_cast<std::size_t>(t.op)];
  // An operator without an operation must never produce a number.
  if (entry.run == nullptr) return kErrorInExpression;
  return entry.run(OperationCall{engine, stack, OperatorArity(t.op), entry.extra, t.text, nullptr});
}

// The parameter count as the row states it, before the operation runs.
ErrorCode CheckParameterCount(const BuiltinFunction& row, const ValueStack& stack, int argCount) {
  if (row.stackBeforeCount && stack.Count() < row.minParameters) return kStackEmpty;
  if (argCount < row.minParameters) {
    return row.minParameters == 1 ? kNoParameters : kNotEnoughParameters;
  }
  return stack.Count() < argCount ? kStackEmpty : kOk;
}

ErrorCode RunBuiltin(ExpressionEngine& engine, ValueStack& stack, const Token& t,
                     const BuiltinFunction& row) {
  ErrorCode code = kFunctionDoesNotExist;
  if (row.run != nullptr) {
    if (row.severalResults) engine.solveFlag = true;
    code = CheckParameterCount(row, stack, t.argCount);
    if (code == kOk) {
      code = row.run(OperationCall{engine, stack, t.argCount, row.variant, t.text, &row});
    }
  }
  if (code == kNotEnoughParameters || code == kFunctionDoesNotExist || code == kNotYetForComplex) {
    ErrorName() = t.text;
  }
  return code;
}

// The ordering pass leaves the built-in index (-1 for a user function) in the
// token's Value, sparing a lookup by name on every evaluation.
const BuiltinFunction* BuiltinOf(const OperationTable* table, const Token& t) {
  if (t.value.kind == ValueKind::Integer) {
    return BuiltinAt(table, static_cast<int>(t.value.num.real));
  }
  return FindBuiltin(table, t.text);
}

int ConstantIndexOf(const Token& t) {
  if (t.value.kind == ValueKind::ConstantRef) return static_cast<int>(t.value.num.real);
  return FindNamedConstant(t.text);
}

ErrorCode RunFunction(ExpressionEngine& engine, ValueStack& stack, const Token& t) {
  if (const BuiltinFunction* row = BuiltinOf(engine.Services().operations, t)) {
    return RunBuiltin(engine, stack, t, *row);
  }

  UserFunctionRunner* runner = engine.Services().userFunctions;
  if (runner == nullptr) {
    ErrorName() = t.text;
    return kFunctionDoesNotExist;
  }
  const ErrorCode code = runner->RunUserFunction(engine, t.text, stack, t.argCount);
  // The window shows which user function failed when the code's own message
  // does not name it.
  if (code != kOk) engine.solutionsText = t.text;
  return code;
}

}  // namespace

ErrorCode ExpressionEngine::EvaluateOtherwise(const std::vector<Token>& postfix,
                                              NumericProgram& program, Value& result) {
  if (useNumericProgram && !program.IsReadyFor(variables_)) {
    const ErrorCode code =
        program.Run(postfix, services_.operations, variables_, result, lastResult);
    if (code != kNotReal) return AnsweredByProgram(code);
  }
  return EvaluateGeneral(postfix, result);
}

ErrorCode ExpressionEngine::EvaluateGeneral(const std::vector<Token>& postfix, Value& result) {
  // One stack per engine, emptied here: the engine never evaluates inside
  // its own evaluation (eval, root and user functions use engines of their
  // own), so reusing it spares an allocation per evaluation.
  ValueStack& stack = stack_;
  stack.Clear();
  solveFlag = false;

  ErrorCode code = kOk;
  for (const Token& t : postfix) {
    if (IsLiteralClass(t.cls)) {
      code = PushOperand(stack, t.value);
    } else {
      switch (t.cls) {
        case TokenClass::VariableName:
          code = PushOperand(stack, t.value);  // a VariableRef, resolved when used
          break;
        case TokenClass::ConstantName: {
          const int index = ConstantIndexOf(t);
          code = index < 0 || index >= kNamedConstantCount
                     ? kErrorInExpression
                     : PushOperand(stack, NamedConstantValue(index));
          break;
        }
        case TokenClass::FunctionName:
          code = RunFunction(*this, stack, t);
          break;
        case TokenClass::Operator:
          code = RunOperator(*this, stack, t);
          break;
        default:
          // An OpenParen left behind by a ";" inside a nested group.
          break;
      }
    }
    if (code != kOk) return code;
  }

  // Two operands with no operator between them, as in 2x.
  if (!solveFlag && stack.Count() > 1) return kErrorInExpression;

  if (stack.Count() == 1) {
    Value top;
    stack.Pop(top);
    if (ErrorCode resolved = ResolveOperand(top); resolved != kOk) return resolved;
    result = top;
    lastResult = result;
    return kOk;
  }

  // None, or the several roots of an equation: the top one is the result,
  // the bottom one the last result, and all of them are listed.
  solutionsText.clear();
  stack.Pop(result);
  // A root that is no finite number makes the whole list a message; the
  // roots are still returned as they are.
  ErrorCode shown = NonFiniteCode(result);
  std::string text = "x=" + FormatValue(result);
  while (!stack.IsEmpty()) {
    stack.Pop(lastResult);
    if (shown != kOk) continue;
    shown = NonFiniteCode(lastResult);
    if (shown != kOk) continue;
    const std::string root = FormatValue(lastResult);
    shown = CheckTextLength(text.size() + root.size() + 4);
    if (shown != kOk) continue;
    text += "; x=";
    text += root;
  }
  solutionsText = shown == kOk ? std::move(text) : GetErrorText(shown);
  return kOk;
}

}  // namespace vr
