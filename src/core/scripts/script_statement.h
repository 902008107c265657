#pragma once

#include <cstdint>
#include <string>

namespace vr {

// Statement types are stored in the statement records and compared by
// number, so the codes are fixed.
enum class StatementType : std::int32_t {
  Expression = 0,  // any line that is not a keyword or a label
  Func = 1,        // "func" or "function"
  EndFunc = 2,
  If = 3,
  ElIf = 4,
  EndIf = 5,
  Else = 6,
  Goto = 7,
  Label = 8,  // a name followed directly by ":"
  Return = 9,
  Write = 10,
};

// One meaningful line of a script file.
struct ScriptStatement {
  StatementType type = StatementType::Expression;
  std::string label;  // a Label's name; empty otherwise
  // Expression: the whole line. Label: what follows the "name:". Keywords:
  // the line without the keyword, leading blanks trimmed; a Func keeps its
  // "##" description after the declaration.
  std::string text;
};

}  // namespace vr
