#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "gui/window/command_line.h"

class QAction;
class QMenu;
class QMenuBar;

namespace vr {

class CalculatorSession;
class ExpressionEditor;
class GlobalHotKey;
class LineFlow;
class TrayPresence;

// The program's one main window: the expression window with the keypad
// around it. It owns the calculator session, brings it up at start-up and
// saves everything at exit, and lives on the desktop with a notification-area
// icon, an always-on-top mode and a global hot key.
class CalculatorDialog : public QDialog {
  Q_OBJECT

 public:
  CalculatorDialog(std::filesystem::path programFolder, CommandLine commandLine,
                   QWidget* parent = nullptr);
  ~CalculatorDialog() override;

  // Start-up in its order: the session (options, script libraries, the
  // start-up script, units), then the saved text, the window's placement
  // and look, the hot key and the command-line expression. Ends with the
  // window shown, or in the notification area for "-min".
  void StartUp();

  // Enter and the "=" key: evaluate the caret's line, the result below it.
  void EvaluateCurrentLine(bool moveToLineEnd);
  // The text shown for one line (used when a script file is opened).
  QString CalculateLine(const QString& line);

  void MinimizeToTray();
  void RestoreFromTray();
  // Settings that take effect on the window when they change.
  void ApplyStayOnTop();
  void ApplyEditorAppearance();
  // Registers the stored hot key; with reportFailure a key that cannot be
  // had is reported as "Not registered". True when registered.
  bool RegisterHotKey(bool reportFailure);
  void UnregisterHotKey();
  void ShowHelp();
  void ShowAbout();
  // Ends the program the way "Exit" does: saves and closes even when the
  // close button only minimises.
  void Exit();

  ExpressionEditor* Editor() const { return editor_; }
  CalculatorSession& Session() const { return *session_; }
  LineFlow& Flow() const { return *flow_; }
  const std::filesystem::path& ProgramFolder() const { return programFolder_; }
  // The areas the keypad fills: the two rows above the editor and the block
  // beside it. Hidden while empty.
  QWidget* TopKeyArea() const { return topKeys_; }
  QWidget* SideKeyArea() const { return sideKeys_; }
  QMenuBar* MenuBar() const { return menuBar_; }

  // How the window tells the user something and asks before closing after a
  // failed save. Message boxes by default; tests put their own in.
  void SetNotifier(std::function<void(const QString&)> notify) { notify_ = std::move(notify); }
  void SetCloseConfirmation(std::function<bool(const QString&)> confirm) {
    confirmClose_ = std::move(confirm);
  }

  bool InTray() const { return inTray_; }

 public slots:
  void done(int result) override;
  // Escape never closes the window.
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenu();
  void Retranslate();
  void AfterOptionsLoaded();
  void PlaceWindow();
  void RecordWindowRect();
  void ShowAtStart();
  void BringBack();
  // Saves the options; on failure asks whether to close anyway. False keeps
  // the window open.
  bool ShutDown(bool mayAsk);

  std::filesystem::path programFolder_;
  CommandLine commandLine_;

  QMenuBar* menuBar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QAction* exitAction_ = nullptr;
  QAction* helpAction_ = nullptr;
  QAction* aboutAction_ = nullptr;
  QWidget* topKeys_ = nullptr;
  QWidget* sideKeys_ = nullptr;
  ExpressionEditor* editor_ = nullptr;

  std::unique_ptr<CalculatorSession> session_;
  std::unique_ptr<LineFlow> flow_;
  TrayPresence* tray_ = nullptr;
  GlobalHotKey* hotKey_ = nullptr;
  std::vector<QPointer<QWidget>> hiddenWithMe_;

  std::function<void(const QString&)> notify_;
  std::function<bool(const QString&)> confirmClose_;

  bool startedUp_ = false;
  bool inTray_ = false;
  bool exiting_ = false;
  bool shutDown_ = false;
};

}  // namespace vr
