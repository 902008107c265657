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

// Ends a line: a request or a deadline left over from it must not stop work
// done between lines (a graph window drawing its picture).
void EndInterruptibleWork() noexcept;

// kOk to go on; kInterrupted after a request; kTimeLimitReached once the
// line's time is up. Cheap enough to call on every step: the clock is read
// only every few dozen calls. Once it has said stop it keeps saying so
// until the next line begins, so a loop that only breaks on it and a caller
// that asks again afterwards agree.
ErrorCode CheckInterrupt() noexcept;

// The time one line may take by the "TimeLimit" setting (seconds, 0 or
// less: no limit).
std::chrono::milliseconds LineTimeLimit();

// Brackets one line: begins it with the setting's time limit and ends it
// on every way out.
class InterruptibleLine {
 public:
  InterruptibleLine() { BeginInterruptibleWork(LineTimeLimit()); }
  ~InterruptibleLine() { EndInterruptibleWork(); }
  InterruptibleLine(const InterruptibleLine&) = delete;
  InterruptibleLine& operator=(const InterruptibleLine&) = delete;
};

// A front end that runs lines on its event thread (the window) keeps that
// thread alive by having `poll` called from CheckInterrupt, at most every
// `interval`, while work runs. nullptr removes it. The poll is never entered
// twice at once; a request it makes (Esc pressed) is seen at once.
using InterruptPoll = void (*)();
void SetInterruptPoll(InterruptPoll poll, std::chrono::milliseconds interval);

}  // namespace vr
