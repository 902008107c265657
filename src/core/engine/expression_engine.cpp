#include "engine/expression_engine.h"

#include <new>

#include "engine/error_messages.h"

namespace vr {

namespace {

int linesUnderWay = 0;

// One EvaluateLine call. The outermost one is the line: at its end the
// user functions report a limit they reached, however deep inside.
class LineUnderWay {
 public:
  explicit LineUnderWay(UserFunctionRunner* runner)
      : runner_(linesUnderWay++ == 0 ? runner : nullptr) {}
  ~LineUnderWay() {
    --linesUnderWay;
    if (runner_ != nullptr) (void)runner_->TakeLimitReached();  // ended by an exception
  }
  LineUnderWay(const LineUnderWay&) = delete;
  LineUnderWay& operator=(const LineUnderWay&) = delete;

  ErrorCode Finish(ErrorCode code) {
    if (runner_ == nullptr) return code;
    const ErrorCode limit = runner_->TakeLimitReached();
    runner_ = nullptr;
    return limit != kOk ? limit : code;
  }

 private:
  UserFunctionRunner* runner_;
};

}  // namespace

int LinesUnderWay() { return linesUnderWay; }

ExpressionEngine::ExpressionEngine(EngineServices services) : services_(services) {}

ExpressionEngine::~ExpressionEngine() = default;

ErrorCode ExpressionEngine::PrepareLine(std::string_view text) {
  PrepareText(text);
  if (ErrorCode code = Tokenize(); code != kOk) return code;
  if (ErrorCode code = CheckSyntax(); code != kOk) return code;
  return ToPostfix();
}

ErrorCode ExpressionEngine::PrepareLine(std::string_view text, PreparedLine& line) {
  if (ErrorCode code = PrepareLine(text); code != kOk) return code;
  line.postfix = postfix_;
  line.program.Forget();
  return kOk;
}

ErrorCode ExpressionEngine::EvaluateLine(std::string_view text, Value& result) {
  LineUnderWay line(services_.userFunctions);
  // Running out of memory is the one failure that comes as an exception;
  // it becomes a code here like every other, so that the start-up script,
  // eval and user functions see it as an error of their line.
  try {
    // A line that fails before evaluation leaves the caller's result alone.
    if (ErrorCode code = PrepareLine(text); code != kOk) return line.Finish(code);
    return line.Finish(EvaluatePostfix(result));
  } catch (const std::bad_alloc&) {
    return line.Finish(kOutOfMemory);
  }
}

ErrorCode ExpressionEngine::ResolveOperand(Value& v) const {
  if (v.kind != ValueKind::VariableRef) return kOk;
  const VariableEntry* entry = variables_.Find(v.name);
  if (entry == nullptr) {
    ErrorName() = v.name;
    return kVariableNotFound;
  }
  v = entry->value;
  return kOk;
}

bool IsSingleOperand(std::string_view text) {
  ExpressionEngine probe;
  probe.PrepareText(text);
  (void)probe.Tokenize();  // an unreadable token simply makes it no operand
  const std::vector<Token>& tokens = probe.TokenList();
  if (tokens.size() == 2) return true;
  return tokens.size() == 3 && tokens[0].cls == TokenClass::Operator &&
         (tokens[0].op == kOpUnaryPlus || tokens[0].op == kOpUnaryMinus);
}

}  // namespace vr
