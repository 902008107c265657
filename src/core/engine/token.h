#pragma once

#include <cstdint>
#include <string>

#include "engine/token_class.h"
#include "values/value.h"

namespace vr {

struct Token {
  TokenClass cls = TokenClass::End;
  std::int32_t op = 0;          // OperatorCode; 0 for non-operators
  std::int32_t precedence = -1;
  std::int32_t argCount = 0;    // FunctionName: number of arguments
  std::string text;             // assignment: the name being assigned
  Value value;                  // operands, filled by ToPostfix
};

}  // namespace vr
