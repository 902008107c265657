#include "scripts/script_function_runner.h"

#include <cmath>
#include <memory>

#include "engine/expression_engine.h"
#include "engine/interruption.h"
#include "engine/value_stack.h"
#include "scripts/block_search.h"
#include "files/text_field.h"
#include "values/utf8_text.h"
#include "values/value_conversion.h"
#include "values/value_text.h"

namespace vr {
namespace {

// A letter, then letters, digits or "_": the names the lexer reads as
// identifiers. Blanks are not trimmed, so "(a; b)" declares the bad name " b".
bool IsParameterName(std::string_view name) {
  if (name.empty() || !Utf8IsLetter(name, 0)) return false;
  for (std::size_t pos = 0; pos < name.size(); pos += Utf8CharLength(name, pos)) {
    const char c = name[pos];
    if (!(c >= '0' && c <= '9') && c != '_' && !Utf8IsLetter(name, pos)) return false;
  }
  return true;
}

// The parameter list of a declaration: between the first "(" and the first
// ")"; empty when either is missing or they stand the wrong way round.
std::string_view ParameterList(std::string_view declaration) {
  const std::size_t open = declaration.find('(');
  const std::size_t close = declaration.find(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) return {};
  return declaration.substr(open + 1, close - open - 1);
}

// Only a value whose whole part is exactly 1 counts as true, so a condition
// of 2 is false. False is also returned through ok when the value has no
// number at all.
bool ConditionHolds(const Value& condition, bool& ok) {
  double x = 0.0;
  ok = true;
  switch (condition.kind) {
    case ValueKind::Complex:
      x = std::hypot(condition.num.complex.re, condition.num.complex.im);
      break;
    case ValueKind::String:
      x = condition.text.empty() ? 0.0 : 1.0;
      break;
    default: {
      Value number = condition;
      if (ConvertValue(number, ValueKind::Real) != kOk) {
        ok = false;
        return false;
      }
      x = number.num.real;
      break;
    }
  }
  return std::trunc(x) == 1.0;
}

bool IsNoResult(const Value& v) { return v.kind == ValueKind::String && v.text == kNoResultMarker; }

// Counts the nesting of calls for the lifetime of one call.
class CallDepth {
 public:
  explicit CallDepth(int& depth) : depth_(depth) { ++depth_; }
  ~CallDepth() { --depth_; }
  CallDepth(const CallDepth&) = delete;
  CallDepth& operator=(const CallDepth&) = delete;

 private:
  int& depth_;
};

}  // namespace

bool ScriptFunctionRunner::IsUserFunction(std::string_view lowerName) const {
  return ScriptStatements().FindUserFunction(lowerName) >= 0;
}

ErrorCode ScriptFunctionRunner::RunUserFunction(ExpressionEngine& caller, const std::string& name,
                                                ValueStack& stack, int argCount) {
  const ScriptStatementList& list = ScriptStatements();
  const int func = list.FindUserFunction(name);
  if (func < 0) return kOk;
  if (depth_ >= limits_.maxCallDepth) return kStackOverflow;
  if (depth_ == 0) statementsLeft_ = limits_.maxStatements;
  const CallDepth callDepth(depth_);

  // On the heap: recursion already stacks several evaluator frames per level.
  auto local = std::make_unique<ExpressionEngine>(caller.Services());
  local->Variables() = caller.Variables();
  local->outputWindow = caller.outputWindow;

  ErrorCode code = BindParameters(caller, *local, list[func].text, stack, argCount);
  if (code != kOk) return code;

  Value result = Value::MakeString(std::string(kNoResultMarker));
  code = RunStatements(list, func, *local, result);
  if (!IsNoResult(result) && stack.Push(result) < 0 && code == kOk) code = kStackOverflow;
  return code;
}

ErrorCode ScriptFunctionRunner::BindParameters(ExpressionEngine& caller, ExpressionEngine& local,
                                               std::string_view declaration, ValueStack& stack,
                                               int argCount) {
  const std::string_view parameters = ParameterList(declaration);
  int count = 0;
  if (!parameters.empty()) {
    count = 1;
    for (const char c : parameters) count += (c == ',' || c == ';') ? 1 : 0;
  }

  Value argument;
  for (int extra = argCount - count; extra > 0; --extra) {
    if (stack.Pop(argument) < 0) return kStackEmpty;
  }
  for (int k = count; k >= 1; --k) {
    argument = Value::MakeReal(0.0);  // a missing argument
    if (k <= argCount) {
      if (stack.Pop(argument) < 0) return kStackEmpty;
      // A variable passed by name is bound by its value in the caller, so
      // f(b; a) with parameters (a; b) cannot make names point at each other.
      const ErrorCode code = caller.ResolveOperand(argument);
      if (code != kOk) return code;
    }
    const std::string parameter = TextField(parameters, k, ",;");
    if (!IsParameterName(parameter)) return kInvalidFunctionDeclaration;
    local.Variables().Set(parameter, argument);
  }
  return kOk;
}

ErrorCode ScriptFunctionRunner::RunStatements(const ScriptStatementList& list, int func,
                                              ExpressionEngine& local, Value& result) {
  int pc = func + 1;
  StatementType previous = StatementType::Func;
  Value value;  // what the last evaluation gave; an If without text tests it

  for (;;) {
    // Running off the end of the list means the function was never closed.
    if (pc < 0 || pc >= list.Count()) return kEndFuncNotFound;
    if (statementsLeft_-- <= 0) return kEndFuncNotFound;
    if (const ErrorCode stop = CheckInterrupt(); stop != kOk) return stop;
    const ScriptStatement& statement = list[pc];

    StatementType type = statement.type;
    // An ElIf reached from a branch that ran means that branch is done.
    if (type == StatementType::ElIf && previous != StatementType::If) type = StatementType::Else;

    switch (type) {
      case StatementType::Expression:
      case StatementType::Label:
        if (!statement.text.empty()) {
          const ErrorCode code = local.EvaluateLine(statement.text, value);
          if (code != kOk) return code;
          result = value;
        }
        ++pc;
        previous = StatementType::Expression;
        break;

      case StatementType::Func:
        return kEndFuncNotFound;

      case StatementType::EndFunc:
        return kOk;

      case StatementType::If:
      case StatementType::ElIf: {
        if (!statement.text.empty() && local.EvaluateLine(statement.text, value) != kOk) {
          return kIfCalculationError;
        }
        previous = StatementType::If;
        bool ok = true;
        const bool holds = ConditionHolds(value, ok);
        if (!ok) return kIfCalculationError;
        pc = holds ? pc + 1 : FindElseOrEndIf(list, pc);
        if (pc < 0) return kEndIfNotFound;
        break;
      }

      case StatementType::EndIf:
        ++pc;
        previous = StatementType::EndIf;
        break;

      case StatementType::Else:
        previous = StatementType::Else;
        pc = FindEndIf(list, pc);
        if (pc < 0) return kEndIfNotFound;
        break;

      case StatementType::Goto:
        pc = FindLabel(list, statement.text, pc);
        if (pc < 0) return kLabelNotFound;
        previous = StatementType::Goto;
        break;

      case StatementType::Return:
        // A failing return expression is not an error: the result keeps what
        // the statements before it gave.
        if (!statement.text.empty() && local.EvaluateLine(statement.text, value) == kOk) {
          result = value;
        }
        return kOk;

      case StatementType::Write:
        if (local.outputWindow != nullptr && !statement.text.empty()) {
          if (local.EvaluateLine(statement.text, value) == kOk) {
            local.outputWindow->WriteLine(FormatValue(value));
          } else {
            local.outputWindow->WriteLine(kWriteErrorText);
          }
        }
        ++pc;
        break;
    }
  }
}

}  // namespace vr
