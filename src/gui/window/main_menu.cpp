#include "gui/window/main_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTextDocument>
#include <memory>

#include "gui/window/expression_editor.h"
#include "gui/window/menu_commands.h"
#include "options/options_record.h"

namespace vr {

MainMenu::MainMenu(QWidget& window, ExpressionEditor& editor)
    : QObject(&window), window_(window), editor_(editor) {
  bar_ = new QMenuBar(&window_);
  window_.layout()->setMenuBar(bar_);

  fileMenu_ = bar_->addMenu(QString());
  Add(fileMenu_, kCmdOpenScript, QKeySequence(Qt::CTRL | Qt::Key_O));
  Add(fileMenu_, kCmdSaveScript, QKeySequence(Qt::CTRL | Qt::Key_S));
  fileMenu_->addSeparator();
  // Alt+F4 is shown but left to the window manager: it closes the window,
  // which may only minimise it, while Exit always ends the program.
  Add(fileMenu_, kCmdExit, QKeySequence());

  toolsMenu_ = bar_->addMenu(QString());
  Add(toolsMenu_, kCmdPreferences, QKeySequence(Qt::Key_F9));
  Add(toolsMenu_, kCmdVariables, QKeySequence(Qt::Key_F2));
  Add(toolsMenu_, kCmdFunctions, QKeySequence(Qt::Key_F5));
  Add(toolsMenu_, kCmdUserFunctions, QKeySequence());
  toolsMenu_->addSeparator();
  // Esc is shown but handled while the line runs, where no shortcut works.
  Add(toolsMenu_, kCmdStop, QKeySequence())->setEnabled(false);

  modeMenu_ = bar_->addMenu(QString());
  Add(modeMenu_, kCmdUnitMode, QKeySequence(Qt::Key_F6))->setCheckable(true);
  modeMenu_->addSeparator();
  Add(modeMenu_, kCmdDegrees, QKeySequence())->setCheckable(true);
  Add(modeMenu_, kCmdRadians, QKeySequence())->setCheckable(true);

  languageMenu_ = bar_->addMenu(QString());
  Add(languageMenu_, kCmdEnglish, QKeySequence())->setCheckable(true);
  Add(languageMenu_, kCmdRussian, QKeySequence())->setCheckable(true);

  helpMenu_ = bar_->addMenu(QString());
  Add(helpMenu_, kCmdHelp, QKeySequence(Qt::Key_F1));
  Add(helpMenu_, kCmdAbout, QKeySequence());

  // The unit keys' shortcuts, on the window without a menu item.
  for (const auto& [command, key] :
       {std::pair{kCmdSwapUnits, Qt::Key_F3}, std::pair{kCmdInternationalUnit, Qt::Key_F4}}) {
    auto* action = new QAction(&window_);
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    window_.addAction(action);
    commands_[command] = action;
  }

  baseMenu_ = new QMenu(&window_);
  for (int command : {kCmdDecimal, kCmdHexadecimal, kCmdOctal, kCmdBinary})
    commands_[command] = baseMenu_->addAction(QString());

  editor_.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&editor_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    std::unique_ptr<QMenu> menu(CreateEditorContextMenu());
    menu->exec(editor_.viewport()->mapToGlobal(pos));
  });
}

QAction* MainMenu::Add(QMenu* menu, int command, const QKeySequence& shortcut) {
  QAction* action = menu->addAction(QString());
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
  }
  commands_[command] = action;
  return action;
}

QAction* MainMenu::Action(int command) const {
  const auto it = commands_.find(command);
  return it == commands_.end() ? nullptr : it->second;
}

void MainMenu::Retranslate() {
  fileMenu_->setTitle(tr("&File"));
  toolsMenu_->setTitle(tr("&Tools"));
  modeMenu_->setTitle(tr("&Mode"));
  languageMenu_->setTitle(tr("&Language"));
  helpMenu_->setTitle(tr("&Help"));
  const struct {
    int command;
    QString text;
  } texts[] = {
      {kCmdOpenScript, tr("&Open script...")},
      {kCmdSaveScript, tr("&Save script...")},
      {kCmdExit, tr("E&xit") + QStringLiteral("\tAlt+F4")},
      {kCmdPreferences, tr("&Preferences...")},
      {kCmdVariables, tr("&Variables...")},
      {kCmdFunctions, tr("&Functions...")},
      {kCmdUserFunctions, tr("User-defined functions...")},
      {kCmdStop, tr("&Stop") + QStringLiteral("\tEsc")},
      {kCmdEnglish, QStringLiteral("&English")},
      {kCmdRussian, QStringLiteral("&Русский")},
      {kCmdUnitMode, tr("&Unit conversion mode")},
      {kCmdDegrees, tr("&Degrees")},
      {kCmdRadians, tr("&Radians")},
      {kCmdHelp, tr("&Help")},
      {kCmdAbout, tr("&About")},
      {kCmdDecimal, tr("Decimal")},
      {kCmdHexadecimal, tr("Hexadecimal")},
      {kCmdOctal, tr("Octal")},
      {kCmdBinary, tr("Binary")},
  };
  for (const auto& t : texts) commands_[t.command]->setText(t.text);
  UpdateMarks();
}

void MainMenu::UpdateMarks() {
  const OptionsRecord& o = Options();
  commands_[kCmdDegrees]->setChecked(o.radian == 0);
  commands_[kCmdRadians]->setChecked(o.radian != 0);
  commands_[kCmdEnglish]->setChecked(o.english != 0);
  commands_[kCmdRussian]->setChecked(o.english == 0);
  commands_[kCmdUnitMode]->setChecked(o.unitMode != 0);
}

void MainMenu::SetBusy(bool busy) {
  if (busy) {
    for (const auto& [command, action] : commands_) {
      if (command == kCmdStop || command == kCmdExit || !action->isEnabled()) continue;
      action->setEnabled(false);
      disabledWhileBusy_.emplace_back(action);
    }
  } else {
    for (const QPointer<QAction>& action : disabledWhileBusy_) {
      if (action) action->setEnabled(true);
    }
    disabledWhileBusy_.clear();
  }
  commands_[kCmdStop]->setEnabled(busy);
}

void MainMenu::ShowBaseMenu(const QWidget& key) {
  baseMenu_->popup(key.mapToGlobal(QPoint(0, key.height())));
}

QMenu* MainMenu::CreateEditorContextMenu() {
  auto* menu = new QMenu(&window_);
  ExpressionEditor* editor = &editor_;
  const bool selected = editor->textCursor().hasSelection();
  auto add = [&](const QString& text, const QKeySequence& shortcut, bool enabled, auto slot) {
    QAction* action =
        menu->addAction(text + QLatin1Char('\t') + shortcut.toString(QKeySequence::NativeText));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, editor, slot);
    return action;
  };
  add(tr("&Undo"), QKeySequence::Undo, editor->document()->isUndoAvailable(),
      [editor] { editor->undo(); });
  menu->addSeparator();
  add(tr("Cu&t"), QKeySequence::Cut, selected, [editor] {
    if (editor->textCursor().hasSelection()) editor->cut();
  });
  add(tr("&Copy"), QKeySequence::Copy, selected, [editor] {
    if (editor->textCursor().hasSelection()) editor->copy();
  });
  add(tr("&Paste"), QKeySequence::Paste, editor->canPaste(), [editor] {
    if (editor->canPaste()) editor->paste();
  });
  add(tr("&Delete"), QKeySequence(Qt::Key_Delete), true, [editor] {
    QTextCursor c = editor->textCursor();
    if (c.hasSelection()) c.removeSelectedText();
  });
  menu->addSeparator();
  add(tr("Select a&ll"), QKeySequence::SelectAll, true, [editor] { editor->selectAll(); });
  return menu;
}

}  // namespace vr
