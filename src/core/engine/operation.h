#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/builtin_function.h"
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
  int argCount;                     // built-ins: the number of ";"-separated arguments
  int extra;                        // the fixed variant argument of the table entry
  const std::string& tokenText;     // the token's text (assignment: the name)
  const BuiltinFunction* function;  // the built-in's row; null for an operator
};

struct OperationEntry {
  Operation run = nullptr;
  int extra = 0;
  // On Real operands the operation computes what the Real rule of its
  // operator (engine/real_rules.h) computes, so the engine's numeric
  // program may stand in for it.
  bool realRule = false;
};

// The evaluator knows the operations only through this table, handed to the
// engine when the session is made. An empty operator entry is an operation
// that does not exist; the evaluator reports it rather than computing
// anything. The built-ins are their rows in index order; an engine without
// a table knows no built-in names.
struct OperationTable {
  std::array<OperationEntry, kOperatorCodeCount> operators{};
  std::array<BuiltinFunction, kBuiltinCount> builtins{};

  // The row of an already lower-cased name (exact compare), or null.
  const BuiltinFunction* FindBuiltin(std::string_view name) const;
};

// FindBuiltin on a table that may be missing.
inline const BuiltinFunction* FindBuiltin(const OperationTable* table, std::string_view name) {
  return table != nullptr ? table->FindBuiltin(name) : nullptr;
}

// The row at an index that a token carries, or null (-1: a user function).
inline const BuiltinFunction* BuiltinAt(const OperationTable* table, int index) {
  if (table == nullptr || index < 0 || index >= kBuiltinCount) return nullptr;
  return &table->builtins[static_cast<std::size_t>(index)];
}

}  // namespace vr
