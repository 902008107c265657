#include "gui/window/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vr {

WindowPlacement::WindowPlacement(QWidget& window) : QObject(&window), window_(window) {
  window_.installEventFilter(this);
}

void WindowPlacement::Place(const WindowRect& r) {
  if (r.left == -1 && r.top == -1) return;
  // A position saved on a screen that is gone would leave the window out of
  // reach; it then opens where the desktop puts it.
  const QRect target(r.left, r.top, r.width == -1 ? window_.width() : r.width,
                     r.height == -1 ? window_.height() : r.height);
  bool onScreen = false;
  for (const QScreen* screen : QGuiApplication::screens())
    onScreen = onScreen || screen->availableGeometry().intersects(target);
  if (!onScreen) return;
  if (r.width != -1 && r.height != -1) window_.resize(r.width, r.height);
  Ask(target.topLeft());
}

WindowRect WindowPlacement::Current() const {
  QRect place(FramePlace(), window_.size());
  if (window_.isMaximized() || window_.isFullScreen()) {
    const QRect inside = window_.normalGeometry();
    place = QRect(inside.topLeft() - frameOffset_, inside.size());
  } else if ((!window_.isVisible() || window_.isMinimized()) && normal_.isValid()) {
    place = normal_;
  }
  return {place.y(), place.x(), place.width(), place.height()};
}

void WindowPlacement::ShowInPlace(const std::function<void()>& show) {
  if (normal_.isValid()) Ask(normal_.topLeft());
  show();
}

QPoint WindowPlacement::FramePlace() const {
  // Not pos(): until the frame's size is known, it gives the inside's
  // corner for a window moved before it was shown.
  return window_.frameGeometry().topLeft();
}

void WindowPlacement::Ask(QPoint place) {
  window_.move(place);
  asked_ = place;
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == &window_ && (type == QEvent::Move || type == QEvent::Resize ||
                              type == QEvent::Show)) {
    if (window_.isVisible() && window_.windowState() == Qt::WindowNoState) {
      const QPoint offset = window_.geometry().topLeft() - FramePlace();
      const bool frameKnown = !offset.isNull();
      if (frameKnown) frameOffset_ = offset;
      if (asked_ && frameKnown) {
        const QPoint place = *asked_;
        asked_.reset();
        if (FramePlace() != place) window_.move(place);
      }
      normal_ = QRect(FramePlace(), window_.size());
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vr
