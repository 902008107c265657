#pragma once

namespace vr::cli {

// Ctrl+C while a line runs stops that line, which then shows its message
// like any error; Ctrl+C again before it has stopped, or while no line runs
// (at the prompt), ends the program the usual way. The handler is in place
// only for the life of this object, so reading input keeps whatever the
// program was started with (and the line editor's own handling).
class LineInterrupt {
 public:
  LineInterrupt();
  ~LineInterrupt();
  LineInterrupt(const LineInterrupt&) = delete;
  LineInterrupt& operator=(const LineInterrupt&) = delete;
};

}  // namespace vr::cli
