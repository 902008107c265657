#pragma once

#include <QObject>

class QSocketNotifier;

namespace vr {

// SIGTERM, SIGINT and SIGHUP as a Qt signal. The handler itself only writes
// the signal's number into a pipe; the event loop reads it, so whatever is
// done about it (saving, quitting) runs as ordinary code, never inside the
// handler.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  // The one instance of the process, made on first use; its handlers stay
  // installed for the rest of the run.
  static TerminationSignals& Instance();

 signals:
  void received(int signalNumber);

 private:
  TerminationSignals();
  void Drain();

  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vr
