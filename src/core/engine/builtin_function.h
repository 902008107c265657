#pragma once

#include <cstdint>
#include <string_view>

#include "engine/real_rules.h"
#include "values/error_code.h"

namespace vr {

class ExpressionEngine;
class ValueStack;
struct OperationCall;

using Operation = ErrorCode (*)(const OperationCall& call);

constexpr int kBuiltinCount = 57;

// How the numeric program computes a built-in on Real parameters.
enum class RealForm : std::uint8_t {
  kNone,    // it does not: the general evaluator answers
  kRule,    // one parameter, through `rule`
  kMin,     // the smallest parameter (one parameter is its own answer)
  kMax,     // the largest
  kChoose,  // iif(c; a; b)
  kSame,    // one parameter, unchanged (the conjugate of a Real)
};

// Kinds of the one parameter that a function refuses: a String is
// kInvalidStringOperation, a Date kInvalidDateOperation.
enum RefusedKinds : std::uint8_t {
  kTakesAnyKind = 0,
  kRefusesString = 1,
  kRefusesDate = 2,
  kRefusesStringAndDate = 3,
};

// Everything about one built-in function, in one row. The rows themselves
// are written by the operations library, one table per family, and reach
// the engine gathered in its OperationTable (engine/operation.h): the
// engine defines what a row says and acts on it, but names no function
// itself, so the layering stays one way. The lexer finds names, the
// evaluator checks parameters and dispatches, and the numeric program
// compiles, all from the rows; the functions list shows them.
struct BuiltinFunction {
  std::string_view name{};  // as typed, lower case
  int index = -1;           // the place in the table, which tokens carry

  // The operation; null for a name that is known, so that it can be no
  // variable, but computes nothing (a call is kFunctionDoesNotExist).
  Operation run = nullptr;
  int variant = 0;  // handed to the operation as its `extra`

  // The parameter count, checked before the operation runs: fewer than
  // `minParameters` is kNoParameters when the minimum is 1, else
  // kNotEnoughParameters; fewer Values on the stack than parameters is
  // kStackEmpty. With `stackBeforeCount`, a stack holding fewer Values
  // than the minimum is kStackEmpty before the count is looked at.
  std::uint8_t minParameters = 1;
  bool stackBeforeCount = false;
  // For functions of one parameter: the kinds refused once it is resolved.
  std::uint8_t refuses = kTakesAnyKind;
  // An equation: its roots may stay on the stack together, and the line
  // must be the call alone.
  bool severalResults = false;

  // The numeric program's way (see RealForm). A rule that reads the angle
  // unit (`angle`) is handed the Radian setting at each run and is never
  // worked out early on a constant.
  RealForm realForm = RealForm::kNone;
  FunctionRule rule = FunctionRule::kNone;
  bool angle = false;
  // Values the operation pushes for a moment beyond its result (sqr
  // pushes its parameter twice): a line needing them past the stack's
  // size fails in the general evaluator, so the program must not answer.
  std::uint8_t scratchValues = 0;

  // The functions list: the row's place (1 is the top; 0 is not listed),
  // the spelling shown when it is not `name`, and what the function does.
  std::uint8_t listPosition = 0;
  std::string_view listName{};
  std::string_view english{};
  std::string_view russian{};
};

}  // namespace vr
