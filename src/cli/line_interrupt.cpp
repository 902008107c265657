#include "line_interrupt.h"

#include <signal.h>

#include "engine/interruption.h"

namespace vr::cli {

namespace {

struct sigaction previousAction;
volatile sig_atomic_t requested = 0;

void OnInterrupt(int signal) {
  if (requested != 0) {
    // The line has not stopped after the first request: end as Ctrl+C
    // always does, by the signal itself, so the shell sees it.
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigaction(SIGINT, &fallback, nullptr);
    raise(signal);
    return;
  }
  requested = 1;
  RequestInterrupt();
}

}  // namespace

LineInterrupt::LineInterrupt() {
  requested = 0;
  struct sigaction action = {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, nullptr, &previousAction);
  // Started with Ctrl+C ignored (in the background of a shell), it stays so.
  if (previousAction.sa_handler == SIG_IGN) return;
  sigaction(SIGINT, &action, nullptr);
}

LineInterrupt::~LineInterrupt() { sigaction(SIGINT, &previousAction, nullptr); }

}  // namespace vr::cli
