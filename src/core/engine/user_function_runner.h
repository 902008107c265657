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
};

}  // namespace vr
