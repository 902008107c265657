#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/numeric_program.h"
#include "engine/operation.h"
#include "engine/output_sink.h"
#include "engine/token.h"
#include "engine/user_function_runner.h"
#include "engine/value_stack.h"
#include "engine/variable_table.h"
#include "values/error_code.h"
#include "values/value.h"

namespace vr {

// What an engine needs from outside: the operations it dispatches to and the
// user functions of the loaded scripts. Temporary engines (eval, root, user
// functions) are made with their caller's services.
struct EngineServices {
  const OperationTable* operations = nullptr;
  UserFunctionRunner* userFunctions = nullptr;
};

// A line prepared once (read, checked and ordered) and then evaluated many
// times, by the engine that prepared it or by another with the same
// services. Evaluation only reads the postfix list, so one line may be
// evaluated again while an evaluation of it is under way (a recursive user
// function); a line that calls user functions is never compiled into the
// numeric program, which is bound to the variables of each run.
struct PreparedLine {
  std::vector<Token> postfix;
  NumericProgram program;  // the postfix list compiled, made on first use
};

// Prepares, reads, checks, orders and evaluates lines; owns the variables,
// the last result and the text of several solutions.
class ExpressionEngine {
 public:
  explicit ExpressionEngine(EngineServices services = {});
  virtual ~ExpressionEngine();
  ExpressionEngine(const ExpressionEngine&) = delete;
  ExpressionEngine& operator=(const ExpressionEngine&) = delete;

  // Line preparation and lexer.
  void PrepareText(std::string_view text);
  TokenClass NextToken(std::int32_t& op, std::string& text);
  int DetectRadix() const;

  // Token list, syntax check, postfix ordering.
  ErrorCode Tokenize();
  ErrorCode CheckSyntax();
  ErrorCode ToPostfix();

  // Runs the postfix list; may be called many times after one ToPostfix.
  ErrorCode EvaluatePostfix(Value& result) { return Evaluate(postfix_, program_, result); }

  // Prepare, tokenize, check, order, evaluate. `result` is written only by
  // the evaluation step.
  ErrorCode EvaluateLine(std::string_view text, Value& result);
  // The first four steps only, for callers that evaluate many times.
  ErrorCode PrepareLine(std::string_view text);
  // The same, with the result kept in `line` (left alone on an error).
  ErrorCode PrepareLine(std::string_view text, PreparedLine& line);
  // Evaluates a prepared line as EvaluatePostfix evaluates the engine's own.
  ErrorCode EvaluatePrepared(PreparedLine& line, Value& result) {
    return Evaluate(line.postfix, line.program, result);
  }

  // A VariableRef becomes a copy of the variable's Value; an unknown name
  // sets the error name and gives VariableNotFound. Other kinds pass.
  ErrorCode ResolveOperand(Value& v) const;

  VariableTable& Variables() { return variables_; }
  const VariableTable& Variables() const { return variables_; }
  const EngineServices& Services() const { return services_; }

  const std::vector<Token>& TokenList() const { return tokens_; }
  const std::vector<Token>& PostfixList() const { return postfix_; }

  Value lastResult;
  std::string solutionsText;
  OutputSink* outputWindow = nullptr;
  // Set by solve and solve3 so that several results may stay on the stack.
  bool solveFlag = false;
  // Lines of Real numbers run as a compiled numeric program, which gives
  // the general evaluator's results faster; false always takes the general
  // way (tests compare the two).
  bool useNumericProgram = true;

 private:
  EngineServices services_;
  VariableTable variables_;

  std::string buffer_;     // the prepared line
  std::size_t cursor_ = 0;  // index into buffer_

  std::vector<Token> tokens_;
  std::vector<Token> postfix_;
  std::vector<Token> operatorStack_;
  ValueStack stack_;  // reused by every evaluation
  NumericProgram program_;  // the postfix list compiled, made on first use

  // A line whose program is bound is answered with no call but the
  // program's (a graph or a root search evaluates such lines millions of
  // times); the rest is EvaluateOtherwise's.
  ErrorCode Evaluate(const std::vector<Token>& postfix, NumericProgram& program, Value& result) {
    if (useNumericProgram && program.IsReadyFor(variables_)) [[likely]] {
      const ErrorCode code = program.RunReady(result, lastResult);
      if (code != kNotReal) [[likely]] return AnsweredByProgram(code);
    }
    return EvaluateOtherwise(postfix, program, result);
  }
  // A program that is not bound yet is bound (and first compiled) where it
  // can be and run; a bound one has declined already, so the general
  // evaluator answers.
  ErrorCode EvaluateOtherwise(const std::vector<Token>& postfix, NumericProgram& program,
                              Value& result);
  ErrorCode AnsweredByProgram(ErrorCode code) {
    // The general evaluator leaves its stack empty and the flag clear.
    stack_.Clear();
    solveFlag = false;
    return code;
  }
  ErrorCode EvaluateGeneral(const std::vector<Token>& postfix, Value& result);
};

// How many EvaluateLine calls are under way, the outermost one included: 0
// between lines (a graph evaluating its points, for one).
int LinesUnderWay();

// True for a text that reads as one operand, optionally signed.
bool IsSingleOperand(std::string_view text);

}  // namespace vr
