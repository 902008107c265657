#include "gui/window/desktop_presence.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "gui/platform/global_hot_key.h"
#include "gui/platform/tray_presence.h"
#include "gui/window/window_placement.h"
#include "options/options_record.h"

namespace vr {

DesktopPresence::DesktopPresence(QWidget& window, WindowPlacement& placement, QWidget& focus)
    : QObject(&window),
      window_(window),
      placement_(placement),
      focus_(focus),
      tray_(new TrayPresence(this)),
      hotKey_(new GlobalHotKey(this)) {
  connect(tray_, &TrayPresence::restoreRequested, this, &DesktopPresence::BringBack);
  connect(tray_, &TrayPresence::aboutRequested, this, &DesktopPresence::aboutRequested);
  connect(tray_, &TrayPresence::exitRequested, this, &DesktopPresence::exitRequested);
  connect(hotKey_, &GlobalHotKey::activated, this, &DesktopPresence::BringBack);
}

void DesktopPresence::MinimizeToTray() {
  if (!TrayPresence::Available()) {
    window_.showMinimized();
    return;
  }
  // Other windows of the program (graphs) go with the main window and come
  // back with it.
  hiddenWithMe_.clear();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w != &window_ && w->isVisible() && w->isWindow() && !w->inherits("QMenu")) {
      hiddenWithMe_.emplace_back(w);
      w->hide();
    }
  }
  window_.hide();
  tray_->Show();
  inTray_ = true;
}

void DesktopPresence::RestoreFromTray() {
  tray_->Hide();
  inTray_ = false;
  placement_.ShowInPlace([this] { window_.showNormal(); });
  for (const QPointer<QWidget>& w : hiddenWithMe_)
    if (w) w->show();
  hiddenWithMe_.clear();
  window_.raise();
}

void DesktopPresence::Minimize() {
  if (Options().minToTray != 0) {
    MinimizeToTray();
  } else {
    window_.showMinimized();
  }
}

void DesktopPresence::FollowMinimize() {
  if (!window_.isMinimized() || inTray_ || Options().minToTray == 0 || !TrayPresence::Available())
    return;
  // Hiding from inside the state change confuses some window managers;
  // the window goes to the tray right after.
  QTimer::singleShot(0, this, [this] {
    if (!window_.isMinimized() || inTray_) return;
    window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
    MinimizeToTray();
  });
}

void DesktopPresence::BringBack() {
  if (inTray_ || !window_.isVisible()) RestoreFromTray();
  if (window_.isMinimized()) window_.showNormal();
  window_.raise();
  window_.activateWindow();
  focus_.setFocus();
}

bool DesktopPresence::RegisterHotKey() {
  const OptionsRecord& o = Options();
  if (o.hotKeyKey == 0) {
    hotKey_->Unregister();
    return false;
  }
  return hotKey_->Register(o.hotKeyKey, o.hotKeyModifiers);
}

void DesktopPresence::UnregisterHotKey() { hotKey_->Unregister(); }

void DesktopPresence::ApplyStayOnTop() {
  const bool onTop = Options().stayOnTop != 0;
  if (window_.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  // Changing a window flag hides a shown window; it is shown again in place.
  const bool wasVisible = window_.isVisible();
  window_.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (wasVisible) placement_.ShowInPlace([this] { window_.show(); });
}

void DesktopPresence::Retranslate() { tray_->Retranslate(); }

void DesktopPresence::RemoveIcon() { tray_->Hide(); }

}  // namespace vr
