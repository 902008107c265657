#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>

#include "options/options_record.h"

class QWidget;

namespace vr {

// Where the main window stands, as the options file keeps it: the top-left
// corner of its frame and the size of its inside, the pair that move() and
// resize() take back. Saving one thing and restoring another made the
// window creep at every start; a window shown again after being hidden (a
// change of its flags, the notification area) could land where the window
// manager put a new one.
class WindowPlacement : public QObject {
  Q_OBJECT

 public:
  explicit WindowPlacement(QWidget& window);

  // Before the window is first shown: moves it to the saved place, and sizes
  // it when the size was saved too. A place off every screen is left to the
  // desktop.
  void Place(const WindowRect& saved);
  // The rectangle to save. A maximised, minimised or hidden window gives
  // the place it goes back to.
  WindowRect Current() const;
  // Shows the hidden window again where it stood, with `show` (show() or
  // showNormal()).
  void ShowInPlace(const std::function<void()>& show);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Ask(QPoint place);
  QPoint FramePlace() const;

  QWidget& window_;
  // The inside's corner less the frame's, learnt while the window is normal;
  // it turns the inside's normal geometry of a maximised window into the
  // frame's place.
  QPoint frameOffset_;
  // The frame's place and the inside's size when the window was last shown
  // normal.
  QRect normal_;
  // A place asked for and not yet seen with the frame known: some window
  // managers put the inside where the frame was asked, and the window is
  // moved once more when its frame shows up.
  std::optional<QPoint> asked_;
};

}  // namespace vr
