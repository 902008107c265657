// The main window's menu bar, the number base menu, the expression window's
// context menu, the dialogs the menus open and the UI language switch.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTextDocument>

#include "gui/platform/program_restart.h"
#include "gui/settings/loaded_functions_dialog.h"
#include "gui/settings/variables_dialog.h"
#include "gui/window/calculator_dialog.h"
#include "gui/window/expression_editor.h"
#include "gui/window/keypad.h"
#include "gui/window/keypad_modes.h"
#include "gui/window/line_runner.h"
#include "gui/window/menu_commands.h"
#include "gui/window/preferences_commit.h"
#include "gui/window/ui_language.h"
#include "gui/window/unit_conversion_mode.h"
#include "options/options_record.h"

namespace vr {

void CalculatorDialog::BuildMenu() {
  menuBar_ = new QMenuBar(this);
  layout()->setMenuBar(menuBar_);
  auto add = [this](QMenu* menu, int command, QKeySequence shortcut, auto slot) {
    QAction* action = menu->addAction(QString());
    if (!shortcut.isEmpty()) {
      action->setShortcut(shortcut);
      action->setShortcutContext(Qt::WindowShortcut);
    }
    connect(action, &QAction::triggered, this, slot);
    commands_[command] = action;
    return action;
  };

  fileMenu_ = menuBar_->addMenu(QString());
  add(fileMenu_, kCmdOpenScript, QKeySequence(Qt::CTRL | Qt::Key_O), &CalculatorDialog::OpenScript);
  add(fileMenu_, kCmdSaveScript, QKeySequence(Qt::CTRL | Qt::Key_S), &CalculatorDialog::SaveScript);
  fileMenu_->addSeparator();
  // Alt+F4 is shown but left to the window manager: it closes the window,
  // which may only minimise it, while Exit always ends the program.
  add(fileMenu_, kCmdExit, QKeySequence(), &CalculatorDialog::Exit);

  toolsMenu_ = menuBar_->addMenu(QString());
  add(toolsMenu_, kCmdPreferences, QKeySequence(Qt::Key_F9),
      &CalculatorDialog::OpenPreferencesSheet);
  add(toolsMenu_, kCmdVariables, QKeySequence(Qt::Key_F2), &CalculatorDialog::OpenVariables);
  add(toolsMenu_, kCmdFunctions, QKeySequence(Qt::Key_F5), &CalculatorDialog::ShowFunctionsList);
  add(toolsMenu_, kCmdUserFunctions, QKeySequence(), &CalculatorDialog::OpenLoadedFunctions);
  toolsMenu_->addSeparator();
  // Esc is shown but handled while the line runs, where no shortcut works.
  add(toolsMenu_, kCmdStop, QKeySequence(), &CalculatorDialog::StopLine)->setEnabled(false);

  modeMenu_ = menuBar_->addMenu(QString());
  add(modeMenu_, kCmdUnitMode, QKeySequence(Qt::Key_F6), [this] { conversion_->Toggle(); })
      ->setCheckable(true);
  modeMenu_->addSeparator();
  add(modeMenu_, kCmdDegrees, QKeySequence(), [this] { modes_->SetAngleMode(false); })
      ->setCheckable(true);
  add(modeMenu_, kCmdRadians, QKeySequence(), [this] { modes_->SetAngleMode(true); })
      ->setCheckable(true);

  languageMenu_ = menuBar_->addMenu(QString());
  add(languageMenu_, kCmdEnglish, QKeySequence(), &CalculatorDialog::SwitchToEnglish)
      ->setCheckable(true);
  add(languageMenu_, kCmdRussian, QKeySequence(), &CalculatorDialog::SwitchToRussian)
      ->setCheckable(true);

  helpMenu_ = menuBar_->addMenu(QString());
  add(helpMenu_, kCmdHelp, QKeySequence(Qt::Key_F1), &CalculatorDialog::ShowHelp);
  add(helpMenu_, kCmdAbout, QKeySequence(), &CalculatorDialog::ShowAbout);

  // The unit keys' shortcuts work only in unit conversion mode.
  auto unitKey = [this](int command, Qt::Key key, void (UnitConversionMode::*slot)()) {
    auto* action = new QAction(this);
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, slot] {
      if (conversion_->On()) (conversion_->*slot)();
    });
    addAction(action);
    commands_[command] = action;
  };
  unitKey(kCmdSwapUnits, Qt::Key_F3, &UnitConversionMode::ExchangeUnits);
  unitKey(kCmdInternationalUnit, Qt::Key_F4, &UnitConversionMode::SelectInternationalUnit);

  baseMenu_ = new QMenu(this);
  const int bases[] = {kCmdDecimal, kCmdHexadecimal, kCmdOctal, kCmdBinary};
  for (int base = 0; base < 4; ++base) {
    QAction* action = baseMenu_->addAction(QString());
    connect(action, &QAction::triggered, this, [this, base] { modes_->SetNumberBase(base); });
    commands_[bases[base]] = action;
  }
}

void CalculatorDialog::RetranslateMenu() {
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
  UpdateMenuMarks();
}

void CalculatorDialog::UpdateMenuMarks() {
  if (commands_.empty()) return;
  const OptionsRecord& o = Options();
  commands_[kCmdDegrees]->setChecked(o.radian == 0);
  commands_[kCmdRadians]->setChecked(o.radian != 0);
  commands_[kCmdEnglish]->setChecked(o.english != 0);
  commands_[kCmdRussian]->setChecked(o.english == 0);
  commands_[kCmdUnitMode]->setChecked(o.unitMode != 0);
}

void CalculatorDialog::SetCommandsBusy(bool busy) {
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

void CalculatorDialog::StopLine() { runner_->Stop(); }

QAction* CalculatorDialog::MenuAction(int command) const {
  const auto it = commands_.find(command);
  return it == commands_.end() ? nullptr : it->second;
}

QMenu* CalculatorDialog::CreateEditorContextMenu() {
  auto* menu = new QMenu(this);
  const bool selected = editor_->textCursor().hasSelection();
  auto add = [&](const QString& text, const QKeySequence& shortcut, bool enabled, auto slot) {
    QAction* action =
        menu->addAction(text + QLatin1Char('\t') + shortcut.toString(QKeySequence::NativeText));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, editor_, slot);
    return action;
  };
  add(tr("&Undo"), QKeySequence::Undo, editor_->document()->isUndoAvailable(),
      [this] { editor_->undo(); });
  menu->addSeparator();
  add(tr("Cu&t"), QKeySequence::Cut, selected, [this] {
    if (editor_->textCursor().hasSelection()) editor_->cut();
  });
  add(tr("&Copy"), QKeySequence::Copy, selected, [this] {
    if (editor_->textCursor().hasSelection()) editor_->copy();
  });
  add(tr("&Paste"), QKeySequence::Paste, editor_->canPaste(), [this] {
    if (editor_->canPaste()) editor_->paste();
  });
  add(tr("&Delete"), QKeySequence(Qt::Key_Delete), true, [this] {
    QTextCursor c = editor_->textCursor();
    if (c.hasSelection()) c.removeSelectedText();
  });
  menu->addSeparator();
  add(tr("Select a&ll"), QKeySequence::SelectAll, true, [this] { editor_->selectAll(); });
  return menu;
}

void CalculatorDialog::OpenPreferencesSheet() { OpenPreferences(*this); }

void CalculatorDialog::OpenVariables() { OpenVariablesDialog(this, *session_); }

void CalculatorDialog::OpenLoadedFunctions() { OpenLoadedFunctionsDialog(this); }

void CalculatorDialog::SwitchToEnglish() {
  if (Options().english == 0) {
    Options().english = 1;
    ApplyUiLanguage(true);
    Retranslate();
    conversion_->Retranslate();
    menuBar_->update();
  }
  // Asked for in English already, the command still rebuilds the tool tips.
  keypad_->Retranslate();
  UpdateMenuMarks();
}

void CalculatorDialog::SwitchToRussian() {
  if (Options().english == 0) {
    UpdateMenuMarks();
    return;
  }
  Options().english = 0;
  ApplyUiLanguage(false);
  Retranslate();
  // Everything is saved now; the new instance reads it and comes up in the
  // Russian interface throughout.
  if (startedUp_ && !shutDown_ && !ShutDown(true)) return;
  notify_(tr("Press OK to restart the program"));
  if (restart_) {
    restart_(programFolder_);
  } else {
    StartNewInstance(programFolder_);
  }
  QDialog::done(QDialog::Accepted);
}

}  // namespace vr
