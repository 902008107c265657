// The keypad's commands and the keyboard shortcuts of the main window; the
// modes they switch are KeypadModes and UnitConversionMode.
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>

#include "gui/controls/round_button.h"
#include "gui/window/calculator_dialog.h"
#include "gui/window/expression_editor.h"
#include "gui/window/keypad.h"
#include "gui/window/keypad_modes.h"
#include "gui/window/line_flow.h"
#include "gui/window/main_menu.h"
#include "gui/window/menu_commands.h"
#include "gui/window/text_insertion.h"
#include "gui/window/unit_conversion_mode.h"

namespace vr {

void CalculatorDialog::BuildKeypad() {
  connect(keypad_, &Keypad::keyClicked, this, &CalculatorDialog::OnKey);
  modes_ = new KeypadModes(*keypad_, this);
  connect(modes_, &KeypadModes::angleModeChanged, menu_, &MainMenu::UpdateMarks);
  conversion_ = new UnitConversionMode(*keypad_, this);
  connect(conversion_, &UnitConversionMode::toggled, menu_, &MainMenu::UpdateMarks);
  // The keys never take the focus; the unit lists do, and give it back
  // after a choice so that typing goes on in the editor.
  connect(conversion_, &UnitConversionMode::listChosen, this, [this] { editor_->setFocus(); });
  for (QComboBox* list : {keypad_->UnitTypeList(), keypad_->FromList(), keypad_->ToList()})
    list->installEventFilter(this);
  editor_->installEventFilter(this);
}

void CalculatorDialog::OnKey(int id) {
  const KeyInsertion insertion = InsertionOfKey(id, modes_->Arc());
  if (!insertion.text.isEmpty()) {
    InsertText(*editor_, insertion.text, insertion.isFunction);
    return;
  }
  switch (id) {
    case kKeyEquals:
      flow_->EvaluateCurrentLine(false);
      break;
    case kKeyBack:
      DeleteBackwards(*editor_);
      break;
    case kKeyCls:
      ClearUndoably(*editor_);
      break;
    case kKeyArc:
      modes_->ToggleArc();
      break;
    case kKeyRad:
      modes_->ToggleAngleMode();
      break;
    case kKeyBase:
      menu_->ShowBaseMenu(*keypad_->Key(kKeyBase));
      break;
    case kKeyFunctions:
      ShowFunctionsList();
      break;
    case kKeyConv:
      conversion_->Toggle();
      break;
    case kKeySwap:
      conversion_->ExchangeUnits();
      break;
    case kKeySI:
      conversion_->SelectInternationalUnit();
      break;
    default:
      break;
  }
}

void CalculatorDialog::ShowFunctionsList() {
  const QString name = prompts_.chooseFunction();
  if (!name.isEmpty()) InsertText(*editor_, name, true);
  editor_->setFocus();
}

bool CalculatorDialog::HandleFunctionShortcut(int key) {
  const auto insert = [this](const char* name, bool arcVariant) {
    InsertText(
        *editor_,
        QString::fromLatin1(arcVariant && modes_->Arc() ? "A" : "") + QString::fromLatin1(name),
        true);
  };
  switch (key) {
    case Qt::Key_A:
      insert("Abs", false);
      break;
    case Qt::Key_C:
      insert("Cos", true);
      break;
    case Qt::Key_E:
      insert("Exp", false);
      break;
    case Qt::Key_G:
      insert("Log", false);
      break;
    case Qt::Key_I:
      modes_->ToggleArc();
      break;
    case Qt::Key_L:
      insert("Ln", false);
      break;
    case Qt::Key_N:
      insert("Sin", true);
      break;
    case Qt::Key_R:
      insert("Sqrt", false);
      break;
    case Qt::Key_S:
      insert("Sqr", false);
      break;
    case Qt::Key_T:
      insert("Tan", true);
      break;
    default:
      break;  // the other letters do nothing, but are taken too
  }
  return true;
}

bool CalculatorDialog::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (mods == (Qt::ShiftModifier | Qt::ControlModifier) && key->key() >= Qt::Key_A &&
        key->key() <= Qt::Key_Z) {
      // Taken before the editor sees it: Control+Shift+Z would otherwise
      // redo, Control+Shift+A select.
      if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
      }
      return HandleFunctionShortcut(key->key());
    }
    // The window's own keys are taken here, before the editor or the lists
    // see them, whatever has the focus.
    int command = 0;
    bool acts = mods == Qt::NoModifier;
    switch (key->key()) {
      case Qt::Key_F1:
        command = kCmdHelp;
        break;
      case Qt::Key_F2:
        command = kCmdVariables;
        break;
      case Qt::Key_F3:
        command = kCmdSwapUnits;
        break;
      case Qt::Key_F4:
        command = kCmdInternationalUnit;
        break;
      case Qt::Key_F5:
        command = kCmdFunctions;
        break;
      case Qt::Key_F6:
        command = kCmdUnitMode;
        break;
      case Qt::Key_F9:
        command = kCmdPreferences;
        break;
      case Qt::Key_O:
      case Qt::Key_S:
        if (mods == Qt::ControlModifier) {
          command = key->key() == Qt::Key_O ? kCmdOpenScript : kCmdSaveScript;
          acts = true;
        }
        break;
      default:
        break;
    }
    if (command != 0) {
      event->accept();
      if (type == QEvent::KeyPress && acts) {
        QAction* action = menu_->Action(command);
        if (action != nullptr && action->isEnabled()) action->trigger();
      }
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vr
