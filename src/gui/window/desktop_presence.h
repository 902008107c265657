#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace vr {

class GlobalHotKey;
class TrayPresence;
class WindowPlacement;

// How the main window lives on the desktop beside other programs: hidden in
// the notification area with the program's other windows, always on top
// when the options say so, and brought back from anywhere by the global hot
// key or the notification-area icon.
class DesktopPresence : public QObject {
  Q_OBJECT

 public:
  // `focus` is the widget that has the keyboard when the window comes back.
  DesktopPresence(QWidget& window, WindowPlacement& placement, QWidget& focus);

  // Hides the window and the program's other windows behind the
  // notification-area icon; where the desktop has no notification area the
  // window is minimised instead.
  void MinimizeToTray();
  void RestoreFromTray();
  bool InTray() const { return inTray_; }
  // Minimises the way "MinToTray" says: to the notification area or the
  // task bar.
  void Minimize();
  // The window has been minimised by the user or the window manager: with
  // "MinToTray" set it goes on to the notification area.
  void FollowMinimize();
  // Shows the window in front from wherever it is, with the keyboard in it.
  void BringBack();

  // Registers the stored hot key. True when registered; a failure is told
  // only at start-up.
  bool RegisterHotKey();
  void UnregisterHotKey();

  // "StayOnTop" as the options hold it now.
  void ApplyStayOnTop();

  // The icon's menu in the current UI language.
  void Retranslate();
  // The program ends: the icon goes, whether or not the window is hidden.
  void RemoveIcon();

 signals:
  // The icon's menu asks for the about box or the end of the program.
  void aboutRequested();
  void exitRequested();

 private:
  QWidget& window_;
  WindowPlacement& placement_;
  QWidget& focus_;
  TrayPresence* tray_;
  GlobalHotKey* hotKey_;
  std::vector<QPointer<QWidget>> hiddenWithMe_;
  bool inTray_ = false;
};

}  // namespace vr
