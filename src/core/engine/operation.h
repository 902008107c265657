#pragma once

#include <array>
#include <string>

#include "engine/builtin_names.h"
#include "engine/operator_code.h"
#include "values/error_code.h"

namespace vr {

class ExpressionEngine;
class ValueStack;

// What every operator and built-in function receives. It pops its operands
// itself (the last operand on top), pushes exactly one result on success and
// returns 0 or an error code.
struct OperationCall {
  ExpressionEngine& engine;
  ValueStack& stack;
  int argCount;               // built-ins: the number of ";"-separated arguments
  int extra;                  // the fixed variant argument of the table entry
  const std::string& tokenText;  // the token's text (assignment: the name)
};

using Operation = ErrorCode (*)(const OperationCall& call);

struct OperationEntry {
  Operation run = nullptr;
  int extra = 0;
  // On Real operands the operation computes what the Real rule of its
  // operator or built-in (engine/real_rules.h) computes, so the engine's
  // numeric program may stand in for it.
  bool realRule = false;
};

// The evaluator knows the operations only through this table, handed to the
// engine when the session is made. An empty entry is an operation that does
// not exist; the evaluator reports it rather than computing anything.
struct OperationTable {
  std::array<OperationEntry, kOperatorCodeCount> operators{};
  std::array<OperationEntry, kBuiltinCount> builtins{};
};

}  // namespace vr
