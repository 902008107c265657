#pragma once

#include <string_view>

namespace vr {

// Where engine output meant for the expression window goes: the Write
// statements of user functions and the clearing of the window. The window
// and the command-line front end each implement it.
class OutputSink {
 public:
  virtual ~OutputSink() = default;
  // One line written by a Write statement.
  virtual void WriteLine(std::string_view text) = 0;
  // "cls" / "clrscr".
  virtual void ClearWindow() = 0;
};

}  // namespace vr
