#include "scripts/script_function_runner.h"

#include <cmath>
#include <memory>

#include "engine/expression_engine.h"
#include "engine/interruption.h"
#include "engine/value_stack.h"
#include "files/ascii.h"
#include "files/text_field.h"
#include "options/options_record.h"
#include "scripts/block_search.h"
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
    if (!IsAsciiDigit(c) && c != '_' && !Utf8IsLetter(name, pos)) return false;
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

// A call's engine between the binding of its parameters and its end: it
// lets go of the caller's variables and output window however the call
// ends.
class CallScope {
 public:
  CallScope(ExpressionEngine& local, const ExpressionEngine& caller) : local_(local) {
    local_.Variables().BeginScope(caller.Variables());
    local_.outputWindow = caller.outputWindow;
    local_.useNumericProgram = caller.useNumericProgram;
    // What a new engine starts with: "?" is 0 until a statement has a result.
    local_.lastResult = Value{};
    local_.solutionsText.clear();
  }
  ~CallScope() {
    local_.Variables().EndScope();
    local_.outputWindow = nullptr;
  }
  CallScope(const CallScope&) = delete;
  CallScope& operator=(const CallScope&) = delete;

 private:
  ExpressionEngine& local_;
};

// A text whose reading depends on the moment it is read, not only on the
// text: "?" becomes the last result, and a date may leave out parts that
// are then today's. It is read anew each time it runs.
bool ReadsTheMoment(std::string_view text) {
  return text.find_first_of("?#") != std::string_view::npos;
}

bool SameServices(const EngineServices& a, const EngineServices& b) {
  return a.operations == b.operations && a.userFunctions == b.userFunctions;
}

}  // namespace

// The parameter names of a declaration, by position, and whether each is a
// name a parameter may have.
struct ScriptFunctionRunner::Parameters {
  std::vector<std::string> names;
  std::vector<bool> valid;
};

// What was worked out from one statement: its text prepared for
// evaluation and, for a Func statement, its parameters.
struct ScriptFunctionRunner::Prepared {
  enum class State : std::uint8_t { Unread, Ready, EveryTime };
  State state = State::Unread;
  int numberBase = 0;  // the setting the text was read in
  PreparedLine line;
  bool parametersRead = false;
  Parameters parameters;
};

ScriptFunctionRunner::ScriptFunctionRunner(ScriptRunLimits limits) : limits_(limits) {}

ScriptFunctionRunner::~ScriptFunctionRunner() = default;

bool ScriptFunctionRunner::IsUserFunction(std::string_view lowerName) const {
  return ScriptStatements().FindUserFunction(lowerName) >= 0;
}

ErrorCode ScriptFunctionRunner::Stop(ErrorCode code) {
  stop_ = code;
  return code;
}

ErrorCode ScriptFunctionRunner::TakeLimitReached() {
  // A line evaluated inside a call (eval, for one) is not the line; the
  // limit stays for the calls still running.
  if (depth_ > 0) return kOk;
  const ErrorCode code = stop_;
  stop_ = kOk;
  return code;
}

ScriptFunctionRunner::Prepared& ScriptFunctionRunner::PreparedFor(const ScriptStatementList& list,
                                                                  int index) {
  if (preparedFor_ != list.Generation() ||
      prepared_.size() != static_cast<std::size_t>(list.Count())) {
    prepared_.clear();
    prepared_.resize(static_cast<std::size_t>(list.Count()));
    preparedFor_ = list.Generation();
  }
  std::unique_ptr<Prepared>& slot = prepared_[static_cast<std::size_t>(index)];
  if (slot == nullptr) slot = std::make_unique<Prepared>();
  return *slot;
}

const ScriptFunctionRunner::Parameters& ScriptFunctionRunner::ParametersOf(
    const ScriptStatementList& list, int func) {
  Prepared& prepared = PreparedFor(list, func);
  if (!prepared.parametersRead) {
    const std::string_view declared = ParameterList(list[func].text);
    int count = 0;
    if (!declared.empty()) {
      count = 1;
      for (const char c : declared) count += (c == ',' || c == ';') ? 1 : 0;
    }
    Parameters& parameters = prepared.parameters;
    for (int k = 1; k <= count; ++k) {
      parameters.names.push_back(TextField(declared, k, ",;"));
      parameters.valid.push_back(IsParameterName(parameters.names.back()));
    }
    prepared.parametersRead = true;
  }
  return prepared.parameters;
}

ExpressionEngine& ScriptFunctionRunner::EngineFor(const ExpressionEngine& caller) {
  const auto level = static_cast<std::size_t>(depth_);
  if (engines_.size() <= level) engines_.resize(level + 1);
  std::unique_ptr<ExpressionEngine>& engine = engines_[level];
  if (engine == nullptr || !SameServices(engine->Services(), caller.Services())) {
    engine = std::make_unique<ExpressionEngine>(caller.Services());
  }
  return *engine;
}

ErrorCode ScriptFunctionRunner::RunUserFunction(ExpressionEngine& caller, const std::string& name,
                                                ValueStack& stack, int argCount) {
  const ScriptStatementList& list = ScriptStatements();
  const int func = list.FindUserFunction(name);
  if (func < 0) return kOk;

  const bool outermost = depth_ == 0;
  if (outermost) statementsLeft_ = limits_.maxStatements;
  ErrorCode code = stop_;
  if (code == kOk && depth_ >= limits_.maxCallDepth) code = Stop(kStackOverflow);
  if (code == kOk) {
    // Every depth of nesting has its engine, kept from call to call.
    ExpressionEngine& local = EngineFor(caller);
    const CallDepth callDepth(depth_);
    const CallScope scope(local, caller);
    code = BindParameters(caller, local, ParametersOf(list, func), stack, argCount);
    if (code == kOk) {
      Value result = Value::MakeString(std::string(kNoResultMarker));
      code = RunStatements(list, func, local, result);
      if (!IsNoResult(result) && stack.Push(result) < 0 && code == kOk) code = kStackOverflow;
    }
  }
  if (outermost && stop_ != kOk) {
    // A limit reached anywhere inside is this call's error. Within a line
    // it stays for the line to show; outside one (a graph's point) it
    // concerns this call only.
    code = stop_;
    if (LinesUnderWay() == 0) stop_ = kOk;
  }
  return code;
}

ErrorCode ScriptFunctionRunner::BindParameters(ExpressionEngine& caller, ExpressionEngine& local,
                                               const Parameters& parameters, ValueStack& stack,
                                               int argCount) {
  const int count = static_cast<int>(parameters.names.size());
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
    const auto field = static_cast<std::size_t>(k - 1);
    if (!parameters.valid[field]) return kInvalidFunctionDeclaration;
    local.Variables().Set(parameters.names[field], argument);
  }
  return kOk;
}

ErrorCode ScriptFunctionRunner::Evaluate(const ScriptStatementList& list, int index,
                                         ExpressionEngine& local, Value& value) {
  Prepared& prepared = PreparedFor(list, index);
  const int numberBase = Options().numberBase;
  if (prepared.state == Prepared::State::Ready && prepared.numberBase == numberBase) {
    return local.EvaluatePrepared(prepared.line, value);
  }
  const std::string& text = list[index].text;
  if (prepared.state == Prepared::State::EveryTime) {
    if (const ErrorCode code = local.PrepareLine(text); code != kOk) return code;
    return local.EvaluatePostfix(value);
  }

  // A text that fails to prepare is prepared again the next time it runs,
  // so its error (and the name the error shows) is always a fresh one.
  prepared.state = Prepared::State::Unread;
  if (const ErrorCode code = local.PrepareLine(text, prepared.line); code != kOk) return code;
  prepared.state = ReadsTheMoment(text) ? Prepared::State::EveryTime : Prepared::State::Ready;
  prepared.numberBase = numberBase;
  return local.EvaluatePrepared(prepared.line, value);
}

ErrorCode ScriptFunctionRunner::RunStatements(const ScriptStatementList& list, int func,
                                              ExpressionEngine& local, Value& result) {
  int pc = func + 1;
  StatementType previous = StatementType::Func;
  Value value;  // what the last evaluation gave; an If without text tests it

  for (;;) {
    // Running off the end of the list means the function was never closed.
    if (pc < 0 || pc >= list.Count()) return kEndFuncNotFound;
    // Limits reached in a call below, even where an error would not stop
    // this function (a return, a condition, a write), stop it as well.
    if (stop_ != kOk) return stop_;
    if (statementsLeft_-- <= 0) return Stop(kEndFuncNotFound);
    if (const ErrorCode stop = CheckInterrupt(); stop != kOk) return Stop(stop);
    const ScriptStatement& statement = list[pc];

    StatementType type = statement.type;
    // An ElIf reached from a branch that ran means that branch is done.
    if (type == StatementType::ElIf && previous != StatementType::If) type = StatementType::Else;

    switch (type) {
      case StatementType::Expression:
      case StatementType::Label:
        if (!statement.text.empty()) {
          const ErrorCode code = Evaluate(list, pc, local, value);
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
        if (!statement.text.empty() && Evaluate(list, pc, local, value) != kOk) {
          return stop_ != kOk ? stop_ : kIfCalculationError;
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
        // the statements before it gave. A limit still is.
        if (!statement.text.empty() && Evaluate(list, pc, local, value) == kOk) {
          result = value;
        }
        return stop_;

      case StatementType::Write:
        if (local.outputWindow != nullptr && !statement.text.empty()) {
          if (Evaluate(list, pc, local, value) == kOk) {
            local.outputWindow->WriteLine(FormatValue(value));
          } else if (stop_ != kOk) {
            return stop_;
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
