#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/user_function_runner.h"
#include "scripts/script_statement_list.h"
#include "values/error_code.h"
#include "values/value.h"

namespace vr {

class ExpressionEngine;
class ValueStack;

// How far a user function may go before it is stopped. A script language
// with goto and recursion can run for ever; the calculator must not.
struct ScriptRunLimits {
  // Nested user-function calls, the outermost one counted as 1. Every level
  // costs the native stack a few evaluator frames, so endless recursion ends
  // with "Stack overflow" long before the real stack runs out.
  int maxCallDepth = 500;
  // Statements executed by one call from an expression, nested calls
  // included. A function that has not come to its EndFunc after this many is
  // stopped with "EndFunc is not found".
  std::int64_t maxStatements = 1'000'000;
};

// Runs the user functions of the live statement list (ScriptStatements())
// for an engine: the engine's lexer asks IsUserFunction, its evaluator calls
// RunUserFunction. One runner serves an engine and every temporary engine
// made from its services, which is how nested calls are counted.
//
// Calls are cheap however many variables exist and however often a
// function runs: each statement is read, checked and ordered once (and
// again only when the scripts change or the number base it was read in is
// no longer the setting), the engines that run calls are kept, one per
// depth of nesting, and a call's variables are a scope over the caller's
// instead of a copy of them.
class ScriptFunctionRunner : public UserFunctionRunner {
 public:
  explicit ScriptFunctionRunner(ScriptRunLimits limits = {});
  ~ScriptFunctionRunner() override;
  ScriptFunctionRunner(const ScriptFunctionRunner&) = delete;
  ScriptFunctionRunner& operator=(const ScriptFunctionRunner&) = delete;

  bool IsUserFunction(std::string_view lowerName) const override;

  // Pops argCount arguments (the first deepest), runs the function in an
  // engine of its own that sees the caller's variables (by value: what the
  // function assigns stays inside) and writes to the caller's output
  // window, and pushes its result, if it set one. A name that is not a
  // loaded function pops nothing and succeeds. Once a limit is reached
  // (call depth, statements, an interruption) every call still running
  // stops with that error, whatever statement it is in, so the line always
  // shows it.
  ErrorCode RunUserFunction(ExpressionEngine& caller, const std::string& name, ValueStack& stack,
                            int argCount) override;

  // A limit reached during the line stays in force (every later call of
  // the line stops at once) until the line ends and takes it here.
  ErrorCode TakeLimitReached() override;

  const ScriptRunLimits& Limits() const { return limits_; }

 private:
  struct Prepared;
  struct Parameters;

  Prepared& PreparedFor(const ScriptStatementList& list, int index);
  const Parameters& ParametersOf(const ScriptStatementList& list, int func);
  ExpressionEngine& EngineFor(const ExpressionEngine& caller);
  ErrorCode BindParameters(ExpressionEngine& caller, ExpressionEngine& local,
                           const Parameters& parameters, ValueStack& stack, int argCount);
  ErrorCode RunStatements(const ScriptStatementList& list, int func, ExpressionEngine& local,
                          Value& result);
  // Evaluates the text of statement `index` in `local`, as EvaluateLine
  // would.
  ErrorCode Evaluate(const ScriptStatementList& list, int index, ExpressionEngine& local,
                     Value& value);
  // Records that a limit was reached; every running call stops with it.
  ErrorCode Stop(ErrorCode code);

  ScriptRunLimits limits_;
  int depth_ = 0;
  std::int64_t statementsLeft_ = 0;
  // The limit reached: it stops every running call, and every later one
  // until the line ends; kOk when none was.
  ErrorCode stop_ = kOk;
  // What was worked out from the statements, by statement index, for the
  // statement list generation preparedFor_.
  std::vector<std::unique_ptr<Prepared>> prepared_;
  std::uint64_t preparedFor_ = 0;
  // The engine of each depth of nesting, made on first use.
  std::vector<std::unique_ptr<ExpressionEngine>> engines_;
};

// The text a function's result starts as: "no result set yet". A function
// that ends with it still in place pushes nothing.
inline constexpr std::string_view kNoResultMarker = "-@#$#@-";

// The line a Write statement prints when its expression fails.
inline constexpr std::string_view kWriteErrorText = "Error while calculating WRITE";

}  // namespace vr
