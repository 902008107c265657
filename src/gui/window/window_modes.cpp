// The keypad's commands and the modes of the main window: angle, arc,
// number base and unit conversion, and the keyboard shortcuts that reach
// them.
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <memory>

#include "gui/controls/round_button.h"
#include "gui/window/calculator_dialog.h"
#include "gui/window/expression_editor.h"
#include "gui/window/functions_dialog.h"
#include "gui/window/keypad.h"
#include "gui/window/menu_commands.h"
#include "gui/window/text_insertion.h"
#include "options/options_record.h"
#include "units/unit_converter.h"
#include "units/unit_tables.h"

namespace vr {

namespace {

const char* const kBaseCaptions[] = {"DEC", "Hex", "Oct", "Bin"};

void FillList(QComboBox* list, const std::vector<std::string>& names) {
  list->clear();
  for (const std::string& name : names) list->addItem(QString::fromStdString(name));
}

bool English() { return Options().english != 0; }

}  // namespace

void CalculatorDialog::BuildKeypad() {
  keypad_ = new Keypad(topKeys_, sideKeys_);
  connect(keypad_, &Keypad::keyClicked, this, &CalculatorDialog::OnKey);
  connect(keypad_->UnitTypeList(), &QComboBox::activated, this,
          &CalculatorDialog::OnUnitTypeChanged);
  // The keys never take the focus; the unit lists do, and give it back
  // after a choice so that typing goes on in the editor.
  for (QComboBox* list : {keypad_->UnitTypeList(), keypad_->FromList(), keypad_->ToList()}) {
    connect(list, &QComboBox::activated, this, [this] { editor_->setFocus(); });
    list->installEventFilter(this);
  }
  editor_->installEventFilter(this);
  editor_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(editor_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    std::unique_ptr<QMenu> menu(CreateEditorContextMenu());
    menu->exec(editor_->viewport()->mapToGlobal(pos));
  });
}

void CalculatorDialog::ShowNumberBase() {
  // Any base the window does not know shows as decimal.
  const int base = Options().numberBase;
  const bool decimal = base < 1 || base > 3;
  keypad_->SetBaseCaption(QString::fromLatin1(kBaseCaptions[decimal ? 0 : base]), decimal);
}

void CalculatorDialog::InsertText(const QString& text, bool isFunction) {
  vr::InsertText(*editor_, text, isFunction);
}

void CalculatorDialog::OnKey(int id) {
  const KeyInsertion insertion = InsertionOfKey(id, arcMode_);
  if (!insertion.text.isEmpty()) {
    InsertText(insertion.text, insertion.isFunction);
    return;
  }
  switch (id) {
    case kKeyEquals:
      EvaluateCurrentLine(false);
      break;
    case kKeyBack:
      DeleteBackwards(*editor_);
      break;
    case kKeyCls:
      ClearUndoably(*editor_);
      break;
    case kKeyArc:
      ToggleArcMode();
      break;
    case kKeyRad:
      ToggleAngleMode();
      break;
    case kKeyBase:
      ShowBaseMenu();
      break;
    case kKeyFunctions:
      ShowFunctionsList();
      break;
    case kKeyConv:
      ToggleUnitMode();
      break;
    case kKeySwap:
      ExchangeUnits();
      break;
    case kKeySI:
      SelectInternationalUnit();
      break;
    default:
      break;
  }
}

void CalculatorDialog::ApplyKeyColors() { keypad_->ApplyOptionColours(Options()); }

void CalculatorDialog::SetAngleMode(bool radians) {
  Options().radian = radians ? 1 : 0;
  keypad_->SetAngleCaption(radians);
  UpdateMenuMarks();
}

void CalculatorDialog::ToggleAngleMode() { SetAngleMode(Options().radian == 0); }

void CalculatorDialog::ToggleArcMode() {
  arcMode_ = !arcMode_;
  keypad_->SetArcColour(arcMode_);
}

void CalculatorDialog::SetNumberBase(int base) {
  if (base < 0 || base > 3) return;
  Options().numberBase = base;
  ShowNumberBase();
}

void CalculatorDialog::ShowBaseMenu() {
  const RoundButton* key = keypad_->Key(kKeyBase);
  baseMenu_->popup(key->mapToGlobal(QPoint(0, key->height())));
}

bool CalculatorDialog::UnitMode() const { return Options().unitMode != 0; }

void CalculatorDialog::ToggleUnitMode() {
  const bool on = !UnitMode();
  Options().unitMode = on ? 1 : 0;
  keypad_->ShowUnitControls(on);
  if (on) FillUnitTypeList();
  UpdateMenuMarks();
}

void CalculatorDialog::FillUnitTypeList() {
  QComboBox* types = keypad_->UnitTypeList();
  FillList(types, UnitTypeNames(Units(), English()));
  if (types->count() == 0) {
    keypad_->FromList()->clear();
    keypad_->ToList()->clear();
    return;
  }
  types->setCurrentIndex(0);
  OnUnitTypeChanged();
}

void CalculatorDialog::OnUnitTypeChanged() {
  const std::string key =
      GetUnitTypeKey(Units(), keypad_->UnitTypeList()->currentText().toStdString(), English());
  if (key.empty()) return;
  const std::vector<std::string> names = UnitNames(Units(), English(), key);
  for (QComboBox* list : {keypad_->FromList(), keypad_->ToList()}) {
    FillList(list, names);
    if (list->count() > 0) list->setCurrentIndex(0);
  }
}

void CalculatorDialog::ExchangeUnits() {
  QComboBox* from = keypad_->FromList();
  QComboBox* to = keypad_->ToList();
  const int a = from->currentIndex();
  const int b = to->currentIndex();
  if (a < 0 || b < 0) return;
  from->setCurrentIndex(b);
  to->setCurrentIndex(a);
}

void CalculatorDialog::SelectInternationalUnit() {
  if (keypad_->ToList()->count() > 0) keypad_->ToList()->setCurrentIndex(0);
}

QString CalculatorDialog::ConvertLineForUnits(const QString& line) const {
  if (!UnitMode()) return line;
  UnitSelection s;
  s.typeName = keypad_->UnitTypeList()->currentText().toStdString();
  s.fromName = keypad_->FromList()->currentText().toStdString();
  s.toName = keypad_->ToList()->currentText().toStdString();
  s.fromIndex = keypad_->FromList()->currentIndex();
  s.toIndex = keypad_->ToList()->currentIndex();
  return QString::fromStdString(ConvertLine(Units(), English(), s, line.toStdString()));
}

void CalculatorDialog::ShowFunctionsList() {
  const QString name = chooseFunction_ ? chooseFunction_() : ChooseFunction(this);
  if (!name.isEmpty()) InsertText(name, true);
  editor_->setFocus();
}

bool CalculatorDialog::HandleFunctionShortcut(int key) {
  const auto insert = [this](const char* name, bool arcVariant) {
    InsertText(QString::fromLatin1(arcVariant && arcMode_ ? "A" : "") + QString::fromLatin1(name),
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
      ToggleArcMode();
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
        QAction* action = MenuAction(command);
        if (action != nullptr && action->isEnabled()) action->trigger();
      }
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vr
