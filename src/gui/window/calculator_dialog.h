#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "gui/window/command_line.h"

namespace vr {

class CalculatorSession;
class DesktopPresence;
class ExpressionEditor;
class ExpressionFiles;
class Keypad;
class KeypadModes;
class LineFlow;
class LineRunner;
class MainMenu;
class SessionKeeper;
class UnitConversionMode;
class WindowPlacement;

// How the window tells the user something, asks before closing after a
// failed save, starts the program again for the Russian interface and asks
// for a function name. Message boxes, a new process and the functions list
// by default; tests put their own in.
struct WindowPrompts {
  std::function<void(const QString&)> notify;
  std::function<bool(const QString&)> confirmClose;
  std::function<bool(const std::filesystem::path&)> restart;
  std::function<QString()> chooseFunction;
};

// The program's one main window: the expression window with the keypad
// around it. It owns the calculator session, brings it up at start-up and
// saves everything at exit, and wires its parts together: the keypad and
// its modes, the menus, the expression files, the line flow and the
// window's presence on the desktop.
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
  // Ends the program the way "Exit" does: saves and closes even when the
  // close button only minimises.
  void Exit();

  WindowPrompts& Prompts() { return prompts_; }

  ExpressionEditor* Editor() const { return editor_; }
  LineFlow& Flow() const { return *flow_; }
  // Runs the lines; while one runs, only Stop (and Esc) and closing act.
  LineRunner& Runner() const { return *runner_; }
  // Saves the session as it changes and owns the program folder.
  SessionKeeper& Keeper() const { return *keeper_; }
  Keypad& Keys() const { return *keypad_; }
  // The modes shown on the keys (arc, angle, number base) and unit
  // conversion mode.
  KeypadModes& Modes() const { return *modes_; }
  UnitConversionMode& Conversion() const { return *conversion_; }
  MainMenu& Menu() const { return *menu_; }
  ExpressionFiles& Files() const { return *files_; }
  DesktopPresence& Desktop() const { return *desktop_; }

 public slots:
  void done(int result) override;
  // Escape never closes the window.
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildKeypad();
  void ConnectCommands();
  void Retranslate();
  void AfterOptionsLoaded();
  void ApplyLook();
  void ShowAtStart();
  // Saves the options; on failure asks whether to close anyway. False keeps
  // the window open.
  bool ShutDown(bool mayAsk);

  // What a click on a keypad key does.
  void OnKey(int id);
  // Control+Shift with a letter: the function shortcuts. True when consumed.
  bool HandleFunctionShortcut(int key);
  // The functions list; a chosen name goes into the editor as a function.
  void ShowFunctionsList();
  void ShowAbout();
  void SwitchToEnglish();
  void SwitchToRussian();

  std::filesystem::path programFolder_;
  CommandLine commandLine_;
  WindowPrompts prompts_;

  ExpressionEditor* editor_ = nullptr;
  Keypad* keypad_ = nullptr;
  KeypadModes* modes_ = nullptr;
  UnitConversionMode* conversion_ = nullptr;
  MainMenu* menu_ = nullptr;

  std::unique_ptr<CalculatorSession> session_;
  std::unique_ptr<LineFlow> flow_;
  LineRunner* runner_ = nullptr;
  ExpressionFiles* files_ = nullptr;
  SessionKeeper* keeper_ = nullptr;
  WindowPlacement* placement_ = nullptr;
  DesktopPresence* desktop_ = nullptr;

  bool startedUp_ = false;
  bool exiting_ = false;
  bool shutDown_ = false;
};

}  // namespace vr
