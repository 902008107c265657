#include "gui/platform/termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace vr {

namespace {

int writeEnd = -1;

extern "C" void OnTerminationSignal(int signalNumber) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(signalNumber);
  // A full pipe already holds a request that has not been read: nothing lost.
  [[maybe_unused]] const ssize_t n = ::write(writeEnd, &byte, 1);
  errno = saved;
}

}  // namespace

TerminationSignals& TerminationSignals::Instance() {
  static TerminationSignals* instance = new TerminationSignals;
  return *instance;
}

TerminationSignals::TerminationSignals() {
  int ends[2];
  if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) return;
  writeEnd = ends[1];
  notifier_ = new QSocketNotifier(ends[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::Drain);

  struct sigaction action = {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signalNumber, &action, nullptr);
}

void TerminationSignals::Drain() {
  unsigned char bytes[16];
  ssize_t n;
  while ((n = ::read(static_cast<int>(notifier_->socket()), bytes, sizeof bytes)) > 0) {
    for (ssize_t i = 0; i < n; ++i) emit received(bytes[i]);
  }
}

}  // namespace vr
