#include "line_interrupt.h"

#include <signal.h>

#include "engine/interruption.h"

namespace vr::cli {

namespace {

volatile sig_atomic_t lineRunning = 0;
volatile sig_atomic_t requested = 0;
bool handled = false;  // the handler is installed, once for the program's life

void OnInterrupt(int signal) {
  if (lineRunning == 0 || requested != 0) {
    // At the prompt, or a line that has not stopped after the first request:
    // end as Ctrl+C always does, by the signal itself, so the shell sees it.
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigaction(SIGINT, &fallback, nullptr);
    raise(signal);
    return;
  }
  requested = 1;
  RequestInterrupt();
}

// Installed with the first line rather than around each: three system calls
// a line were a third of the time of a stream of short lines.
void InstallOnce() {
  if (handled) return;
  handled = true;
  struct sigaction previous = {};
  sigaction(SIGINT, nullptr, &previous);
  // Started with Ctrl+C ignored (in the background of a shell), it stays so.
  if (previous.sa_handler == SIG_IGN) return;
  struct sigaction action = {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace

LineInterrupt::LineInterrupt() {
  InstallOnce();
  requested = 0;
  lineRunning = 1;
}

LineInterrupt::~LineInterrupt() { lineRunning = 0; }

}  // namespace vr::cli
