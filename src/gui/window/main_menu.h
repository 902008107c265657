#pragma once

#include <QObject>
#include <QPointer>
#include <map>
#include <vector>

class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;
class QWidget;

namespace vr {

class ExpressionEditor;

// The main window's menus: the menu bar, the number base menu that the
// "Base" key pops up, the expression window's context menu, and the keys
// without a menu item of their own. Every command is an action found by its
// command number (menu_commands.h); the window connects what they do.
class MainMenu : public QObject {
  Q_OBJECT

 public:
  // Puts the menu bar into the window's layout, the keys' actions on the
  // window and the context menu on the editor.
  MainMenu(QWidget& window, ExpressionEditor& editor);

  QMenuBar* Bar() const { return bar_; }
  // The action of a command; null for a number that has none.
  QAction* Action(int command) const;

  // Texts in the current UI language, and the marks.
  void Retranslate();
  // The check marks of the modes and the language, as the options hold them.
  void UpdateMarks();
  // While a line runs every command but Stop and Exit is disabled: each of
  // them would use the session or the settings the line is using.
  void SetBusy(bool busy);

  // The number base menu, opened just below `key`.
  void ShowBaseMenu(const QWidget& key);
  // The expression window's context menu with its items enabled for the
  // editor's current state; the caller shows and deletes it.
  QMenu* CreateEditorContextMenu();

 private:
  QAction* Add(QMenu* menu, int command, const QKeySequence& shortcut);

  QWidget& window_;
  ExpressionEditor& editor_;
  QMenuBar* bar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* toolsMenu_ = nullptr;
  QMenu* modeMenu_ = nullptr;
  QMenu* languageMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QMenu* baseMenu_ = nullptr;
  std::map<int, QAction*> commands_;
  std::vector<QPointer<QAction>> disabledWhileBusy_;
};

}  // namespace vr
