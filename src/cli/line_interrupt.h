#pragma once

namespace vr::cli {

// Ctrl+C while a line runs (while this object lives) stops that line, which
// then shows its message like any error; Ctrl+C again before it has
// stopped, or while no line runs (at the prompt, where the line editor
// passes it on), ends the program the usual way, by the signal.
class LineInterrupt {
 public:
  LineInterrupt();
  ~LineInterrupt();
  LineInterrupt(const LineInterrupt&) = delete;
  LineInterrupt& operator=(const LineInterrupt&) = delete;
};

}  // namespace vr::cli
