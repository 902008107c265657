#pragma once

#include <string>
#include <string_view>

#include "values/error_code.h"

namespace vr {

class ExpressionEngine;
class ValueStack;

// The engine's view of the user-defined functions loaded from scripts.
class UserFunctionRunner {
 public:
  virtual ~UserFunctionRunner() = default;
  // Whether a lower-cased identifier names a loaded user function.
  virtual bool IsUserFunction(std::string_view lowerName) const = 0;
  // Pops argCount arguments, runs the function, pushes its result.
  virtual ErrorCode RunUserFunction(ExpressionEngine& caller, const std::string& name,
                                    ValueStack& stack, int argCount) = 0;
  // Called when a line ends: the error of a limit the line's functions
  // reached (too deep, too long, interrupted), which the line shows even if
  // what called the function let its error pass; kOk when there was none.
  // The runner forgets it.
  virtual ErrorCode TakeLimitReached() { return kOk; }
};

}  // namespace vr
