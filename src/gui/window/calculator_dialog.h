#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <functional>
#include <map>
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
class Keypad;
class KeypadModes;
class LineFlow;
class LineRunner;
class SessionKeeper;
class TrayPresence;
class UnitConversionMode;
class WindowPlacement;

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

  void MinimizeToTray();
  void RestoreFromTray();
  // Settings that take effect on the window when they change.
  void ApplyStayOnTop();
  void ApplyEditorAppearance();
  // Registers the stored hot key. True when registered; a failure is told
  // only at start-up.
  bool RegisterHotKey();
  void UnregisterHotKey();
  void ShowHelp();
  void ShowAbout();
  // The key colours of the options ("DigitColor", "FunctionColor",
  // "OperationColor", "ButtonHighlight").
  void ApplyKeyColors();

  // The keypad's insertion into the expression window (see InsertText in
  // text_insertion.h).
  void InsertText(const QString& text, bool isFunction);
  // What a click on a keypad key does.
  void OnKey(int id);

  // The modes shown on the keys (arc, angle, number base) and unit
  // conversion mode.
  KeypadModes& Modes() const { return *modes_; }
  UnitConversionMode& Conversion() const { return *conversion_; }

  // The functions list; a chosen name goes into the editor as a function.
  void ShowFunctionsList();
  void OpenPreferencesSheet();
  void OpenVariables();
  void OpenLoadedFunctions();

  // Expression files: the dialogs, and what they do with the chosen file.
  void OpenScript();
  void SaveScript();
  // Fills the window from the file, calculating every line that is not a
  // single operand. False when the file cannot be read (the window is then
  // empty).
  bool LoadScriptFile(const QString& path);
  // Writes the window's lines; result lines are left out unless
  // "SaveResults" is set. False when the file cannot be written.
  bool SaveScriptFile(const QString& path);

  void SwitchToEnglish();
  void SwitchToRussian();

  // Menu commands by their command number (32772 ...), for the keyboard and
  // tests.
  QAction* MenuAction(int command) const;
  // The expression window's context menu with its items enabled for the
  // editor's current state; the caller shows and deletes it.
  QMenu* CreateEditorContextMenu();
  // Ends the program the way "Exit" does: saves and closes even when the
  // close button only minimises.
  void Exit();

  ExpressionEditor* Editor() const { return editor_; }
  CalculatorSession& Session() const { return *session_; }
  LineFlow& Flow() const { return *flow_; }
  // Runs the lines; while one runs, only Stop (and Esc) and closing act.
  LineRunner& Runner() const { return *runner_; }
  // The menu command Stop: ends the running line.
  void StopLine();
  // Saves the session as it changes and owns the program folder.
  SessionKeeper& Keeper() const { return *keeper_; }
  const std::filesystem::path& ProgramFolder() const { return programFolder_; }
  // The areas the keypad fills: the two rows above the editor and the block
  // beside it. Hidden while empty.
  QWidget* TopKeyArea() const { return topKeys_; }
  QWidget* SideKeyArea() const { return sideKeys_; }
  Keypad& Keys() const { return *keypad_; }
  QMenuBar* MenuBar() const { return menuBar_; }

  // How the window tells the user something and asks before closing after a
  // failed save. Message boxes by default; tests put their own in.
  void SetNotifier(std::function<void(const QString&)> notify) { notify_ = std::move(notify); }
  void SetCloseConfirmation(std::function<bool(const QString&)> confirm) {
    confirmClose_ = std::move(confirm);
  }

  // How the Russian interface starts the program again, and how the
  // functions list is asked; tests put their own in.
  void SetRestarter(std::function<bool(const std::filesystem::path&)> restart) {
    restart_ = std::move(restart);
  }
  void SetFunctionChooser(std::function<QString()> choose) { chooseFunction_ = std::move(choose); }

  bool InTray() const { return inTray_; }

 public slots:
  void done(int result) override;
  // Escape never closes the window.
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu();
  void BuildKeypad();
  void Retranslate();
  void RetranslateMenu();
  void UpdateMenuMarks();
  // While a line runs every command but Stop and Exit is disabled: each of
  // them would use the session or the settings the line is using.
  void SetCommandsBusy(bool busy);
  void ShowBaseMenu();
  // Control+Shift with a letter: the function shortcuts. True when consumed.
  bool HandleFunctionShortcut(int key);
  void AfterOptionsLoaded();
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
  QMenu* toolsMenu_ = nullptr;
  QMenu* modeMenu_ = nullptr;
  QMenu* languageMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QMenu* baseMenu_ = nullptr;
  std::map<int, QAction*> commands_;
  Keypad* keypad_ = nullptr;
  KeypadModes* modes_ = nullptr;
  UnitConversionMode* conversion_ = nullptr;
  std::function<bool(const std::filesystem::path&)> restart_;
  std::function<QString()> chooseFunction_;
  QWidget* topKeys_ = nullptr;
  QWidget* sideKeys_ = nullptr;
  ExpressionEditor* editor_ = nullptr;

  std::unique_ptr<CalculatorSession> session_;
  std::unique_ptr<LineFlow> flow_;
  LineRunner* runner_ = nullptr;
  std::vector<QPointer<QAction>> disabledWhileBusy_;
  SessionKeeper* keeper_ = nullptr;
  WindowPlacement* placement_ = nullptr;
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
