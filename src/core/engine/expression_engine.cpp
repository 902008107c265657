#include "engine/expression_engine.h"

#include "engine/error_messages.h"

namespace vr {

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

ErrorCode ExpressionEngine::EvaluatePrepared(PreparedLine& line, Value& result) {
  return Evaluate(line.postfix, line.program, result);
}

ErrorCode ExpressionEngine::EvaluateLine(std::string_view text, Value& result) {
  // A line that fails before evaluation leaves the caller's result alone.
  if (ErrorCode code = PrepareLine(text); code != kOk) return code;
  return EvaluatePostfix(result);
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
