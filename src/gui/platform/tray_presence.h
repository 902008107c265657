#pragma once

#include <QObject>
#include <optional>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace vr {

// The program's icon in the notification area, present only while the main
// window is hidden there. A click or double-click asks for the window back;
// its menu offers the same, the about box and the exit.
class TrayPresence : public QObject {
  Q_OBJECT

 public:
  explicit TrayPresence(QObject* parent = nullptr);
  ~TrayPresence() override;

  // False where the desktop has no notification area; the window is then
  // minimised the ordinary way instead.
  static bool Available();
  // Tests without a notification area stand one in (nullopt: ask the
  // desktop again).
  static void SetAvailableForTests(std::optional<bool> available);

  void Show();
  void Hide();
  bool IsShown() const;
  // Menu texts in the current UI language.
  void Retranslate();

 signals:
  void restoreRequested();
  void aboutRequested();
  void exitRequested();

 private:
  QSystemTrayIcon* icon_;
  QMenu* menu_;
  QAction* restore_;
  QAction* about_;
  QAction* exit_;
};

}  // namespace vr
