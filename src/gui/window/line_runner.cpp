#include "gui/window/line_runner.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>

#include "engine/interruption.h"

namespace vr {

namespace {

// The one runner whose line is running; the poll is a plain function.
LineRunner* running = nullptr;

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

}  // namespace

LineRunner::LineRunner(QWidget* window, QWidget* menuBar)
    : QObject(window), window_(window), menuBar_(menuBar) {}

LineRunner::~LineRunner() {
  if (running == this) {
    SetInterruptPoll(nullptr, std::chrono::milliseconds::zero());
    running = nullptr;
  }
}

bool LineRunner::Run(const std::function<void()>& work) {
  if (busy_ || running != nullptr) return false;
  busy_ = true;
  slowShown_ = false;
  closePending_ = false;
  running = this;
  elapsed_.start();
  emit busyChanged(true);
  QCoreApplication::instance()->installEventFilter(this);
  SetInterruptPoll(&LineRunner::Poll, std::chrono::milliseconds(kPollMs));

  work();

  SetInterruptPoll(nullptr, std::chrono::milliseconds::zero());
  QCoreApplication::instance()->removeEventFilter(this);
  running = nullptr;
  busy_ = false;
  if (slowShown_) QGuiApplication::restoreOverrideCursor();
  for (const QPointer<QWidget>& w : unpainted_) {
    if (w) w->update();
  }
  unpainted_.clear();
  emit busyChanged(false);
  if (closePending_) {
    closePending_ = false;
    QTimer::singleShot(0, window_, [w = QPointer<QWidget>(window_)] {
      if (w) w->close();
    });
  }
  return true;
}

void LineRunner::Stop() {
  if (busy_) RequestInterrupt();
}

void LineRunner::Poll() {
  if (running != nullptr) running->OnPoll();
}

void LineRunner::OnPoll() {
  if (!slowShown_ && elapsed_.elapsed() >= kBusyAfterMs) {
    slowShown_ = true;
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    emit slow();
  }
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // The window waits for the line to end before it closes; a start-up
  // script's later lines stop as soon as they begin.
  if (closePending_) RequestInterrupt();
}

bool LineRunner::MayReceiveInput(const QObject* watched) const {
  // The menu bar and its menus, where Stop is; the window disables the
  // other commands while a line runs.
  if (watched == menuBar_) return true;
  const auto* menu = qobject_cast<const QMenu*>(watched);
  return menu != nullptr && menu->parentWidget() == menuBar_;
}

bool LineRunner::eventFilter(QObject* watched, QEvent* event) {
  // Events reach the native windows first and are passed on to the widgets
  // in them; they are judged there, where the receiver is known.
  if (!busy_ || !watched->isWidgetType()) return false;
  const QEvent::Type type = event->type();
  if (type == QEvent::Close && watched == window_) {
    closePending_ = true;
    RequestInterrupt();
    event->ignore();
    return true;
  }
  if (type == QEvent::Paint && watched->objectName() == QLatin1String("drawingArea")) {
    auto* widget = static_cast<QWidget*>(watched);
    if (std::find(unpainted_.begin(), unpainted_.end(), widget) == unpainted_.end()) {
      unpainted_.emplace_back(widget);
    }
    return true;
  }
  if (!IsInput(type)) return false;
  if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    // Esc in an open menu only closes the menu.
    if (qobject_cast<QMenu*>(watched) != nullptr && MayReceiveInput(watched)) return false;
    RequestInterrupt();
    return true;
  }
  return !MayReceiveInput(watched);
}

}  // namespace vr
