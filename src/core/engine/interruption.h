#pragma once

#include <chrono>

#include "values/error_code.h"

namespace vr {

// Long work (script loops, numeric procedures, big sums) asks between steps
// whether it should stop: the window's Esc, the command line's Ctrl+C or the
// time allowed for one line. The request is one atomic flag, so it may be
// set from a signal handler or from another thread.

// Asks the running line to stop. Safe in a signal handler.
void RequestInterrupt() noexcept;

// Starts a line: forgets an earlier request and, when `limit` is positive,
// allows the line that much time before it is stopped.
void BeginInterruptibleWork(std::chrono::milliseconds limit = std::chrono::milliseconds::zero());

// kOk to go on; kInterrupted after a request; kTimeLimitReached once the
// line's time is up. Cheap enough to call on every step: the clock is read
// only every few hundred calls.
ErrorCode CheckInterrupt() noexcept;

}  // namespace vr
