#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace vr {

// Runs a line (or the start-up scripts) so that the window stays alive:
// it paints, Esc and the Stop command stop the line, and closing the window
// stops the line first and closes when it has ended.
//
// The line runs on the window's own thread, and the work calls back between
// its steps (CheckInterrupt's poll) to let the window handle its events. A
// worker thread would free the window completely, but the session and
// everything it reads are single-threaded by design: the settings record,
// the error name, the loaded scripts and the unit tables are process-wide
// and the window writes them freely (preferences, modes, variables, graph
// windows drawing with the session's engine). Keeping one thread, the only
// thing to guard is re-entry, and that has one place: while a line runs,
// this object filters the application's events and lets through only what
// cannot touch the session (painting, timers, the menu bar with every
// command but Stop disabled by the window), turns Esc into a stop request
// and a close of the window into a stop followed by the close.
class LineRunner : public QObject {
  Q_OBJECT

 public:
  // `window` is the main window; `menuBar` stays usable while a line runs.
  LineRunner(QWidget* window, QWidget* menuBar);
  ~LineRunner() override;

  bool Busy() const { return busy_; }
  // Runs `work`, keeping the window alive while it takes long. False, with
  // nothing run, when a line is already running.
  bool Run(const std::function<void()>& work);
  // Asks the running line to stop; nothing when none runs.
  void Stop();

  // How long a line may run before the window shows it is busy.
  static constexpr int kBusyAfterMs = 200;
  // How often the running line lets the window handle its events.
  static constexpr int kPollMs = 25;

 signals:
  // A line starts or has ended: the window enables its commands to match.
  void busyChanged(bool busy);
  // The running line has taken longer than kBusyAfterMs; once per line.
  void slow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static void Poll();
  void OnPoll();
  bool MayReceiveInput(const QObject* watched) const;

  QWidget* window_;
  QWidget* menuBar_;
  bool busy_ = false;
  bool slowShown_ = false;
  bool closePending_ = false;
  QElapsedTimer elapsed_;
  // Graph pictures are drawn with the session's engine; they are drawn
  // again when the line has ended.
  std::vector<QPointer<QWidget>> unpainted_;
};

}  // namespace vr
