// The rows of all built-in functions, gathered from the family tables into
// the index-ordered table of the engine.

#include <stdexcept>
#include <string>

#include "operations/builtins/builtin_support.h"
#include "operations/standard_operations.h"

namespace vr {

namespace {

ErrorCode DoNothing(const OperationCall&) { return kOk; }

// Names that are known without computing anything. angle is reserved: it
// is a function so that it cannot become a variable, yet a call is
// kFunctionDoesNotExist. Entries 12 and 24 only keep the later indexes
// where they are; identifiers start with a letter, so no line names them.
constexpr BuiltinFunction kRows[] = {
    {.name = "_____", .index = 12, .minParameters = 0, .severalResults = true},
    {.name = "______", .index = 24, .run = DoNothing, .minParameters = 0},
    {.name = "angle", .index = 32, .minParameters = 0},
};

}  // namespace

void RegisterBuiltinFunctions(OperationTable& table) {
  bool filled[kBuiltinCount] = {};
  for (std::span<const BuiltinFunction> family :
       {TrigonometryFunctions(), RoundingFunctions(), LogarithmFunctions(), AggregateFunctions(),
        StringFunctions(), DateFunctions(), NumericProcedures(), ExpressionProcedures(),
        std::span<const BuiltinFunction>(kRows)}) {
    for (const BuiltinFunction& row : family) {
      const auto slot = static_cast<std::size_t>(row.index);
      // A row out of place would make a function vanish or answer for
      // another: stop at once rather than run with such a table.
      if (row.index < 0 || row.index >= kBuiltinCount || filled[slot]) {
        throw std::logic_error("built-in row out of place: " + std::string(row.name));
      }
      filled[slot] = true;
      table.builtins[slot] = row;
    }
  }
  for (int i = 0; i < kBuiltinCount; ++i) {
    if (!filled[i]) throw std::logic_error("no built-in row at " + std::to_string(i));
  }
}

}  // namespace vr
