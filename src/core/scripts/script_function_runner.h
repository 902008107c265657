#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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
class ScriptFunctionRunner : public UserFunctionRunner {
 public:
  explicit ScriptFunctionRunner(ScriptRunLimits limits = {}) : limits_(limits) {}

  bool IsUserFunction(std::string_view lowerName) const override;

  // Pops argCount arguments (the first deepest), runs the function in a
  // temporary engine with a copy of the caller's variables and the caller's
  // output window, and pushes its result, if it set one. A name that is not
  // a loaded function pops nothing and succeeds.
  ErrorCode RunUserFunction(ExpressionEngine& caller, const std::string& name, ValueStack& stack,
                            int argCount) override;

  const ScriptRunLimits& Limits() const { return limits_; }

 private:
  ErrorCode BindParameters(ExpressionEngine& caller, ExpressionEngine& local,
                           std::string_view declaration, ValueStack& stack, int argCount);
  ErrorCode RunStatements(const ScriptStatementList& list, int func, ExpressionEngine& local,
                          Value& result);

  ScriptRunLimits limits_;
  int depth_ = 0;
  std::int64_t statementsLeft_ = 0;
};

// The text a function's result starts as: "no result set yet". A function
// that ends with it still in place pushes nothing.
inline constexpr std::string_view kNoResultMarker = "-@#$#@-";

// The line a Write statement prints when its expression fails.
inline constexpr std::string_view kWriteErrorText = "Error while calculating WRITE";

}  // namespace vr
