#include "gui/settings/variables_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/settings/ui_text.h"
#include "session/calculator_session.h"
#include "settings/options_record.h"
#include "values/value_text.h"

namespace vr {

namespace {

DeleteConfirmation& Confirmation() {
  static DeleteConfirmation confirm = [](QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, parent->windowTitle(), question,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    box.button(QMessageBox::Cancel)->setText(UiText("Cancel", "Отмена"));
    return box.exec() == QMessageBox::Ok;
  };
  return confirm;
}

}  // namespace

QString VariableTypeName(ValueKind kind) {
  switch (kind) {
    case ValueKind::Real:
      return UiText("Decimal", "Десятичное");
    case ValueKind::Integer:
      return UiText("Hex", "Шестнадцатеричное");
    case ValueKind::Time:
      return UiText("Time", "Время");
    case ValueKind::Complex:
      return UiText("Complex", "Комплексное");
    case ValueKind::Fraction:
      return UiText("Fraction", "Дробь");
    case ValueKind::String:
      return UiText("String", "Строка");
    case ValueKind::Date:
      return UiText("Date", "Дата");
    default:
      return {};
  }
}

void VariablesDialog::SetConfirmation(DeleteConfirmation confirm) {
  Confirmation() = std::move(confirm);
}

VariablesDialog::VariablesDialog(CalculatorSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setWindowTitle(UiText("Variable list", "Список переменных"));
  list_ = new QTreeWidget(this);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setAllColumnsShowFocus(true);
  list_->setHeaderLabels(
      {UiText("Name", "Имя"), UiText("Type", "Тип числа"), UiText("Value", "Значение")});
  list_->header()->setStretchLastSection(true);
  list_->setColumnWidth(0, 100);
  list_->setColumnWidth(1, 80);
  list_->installEventFilter(this);

  auto* close = new QPushButton(UiText("&Close", "&Закрыть"), this);
  close->setObjectName(QStringLiteral("close"));
  auto* deleteOne = new QPushButton(UiText("&Delete variable", "&Удалить переменную"), this);
  deleteOne->setObjectName(QStringLiteral("deleteVariable"));
  auto* deleteAll =
      new QPushButton(UiText("Delete &all variables", "У&далить все переменные"), this);
  deleteAll->setObjectName(QStringLiteral("deleteAllVariables"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(deleteOne, &QPushButton::clicked, this, &VariablesDialog::DeleteVariable);
  connect(deleteAll, &QPushButton::clicked, this, &VariablesDialog::DeleteAllVariables);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(deleteOne);
  buttons->addWidget(deleteAll);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  resize(460, 300);
  Fill();
}

void VariablesDialog::Fill() {
  list_->clear();
  const VariableTable& table = session_.Engine().Variables();
  for (int i = 0; i < table.Count(); ++i) {
    const VariableEntry* entry = table.At(i);
    if (entry == nullptr || entry->name.empty()) continue;
    const QStringList columns = {QString::fromStdString(entry->name),
                                 VariableTypeName(entry->value.kind),
                                 QString::fromStdString(FormatValue(entry->value))};
    auto* item = new QTreeWidgetItem(list_, columns);
    // A long value does not fit its column; the tip shows it whole.
    for (int c = 0; c < columns.size(); ++c) item->setToolTip(c, columns[c]);
  }
  if (list_->topLevelItemCount() > 0) {
    list_->setCurrentItem(list_->topLevelItem(0));
    list_->topLevelItem(0)->setSelected(true);
  }
}

void VariablesDialog::DeleteVariable() {
  VariableTable& table = session_.Engine().Variables();
  if (table.Count() == 0) return;
  if (!Confirmation()(this, UiText("Do you really want to delete the variable?",
                                   "Вы действительно желаете удалить переменную?")))
    return;
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return;
  table.Remove(selected.front()->text(0).toStdString());
  Fill();
}

void VariablesDialog::DeleteAllVariables() {
  VariableTable& table = session_.Engine().Variables();
  if (table.Count() == 0) return;
  if (!Confirmation()(this, UiText("Are you sure to delete all variables?",
                                   "Вы действительно желаете удалить все переменные?")))
    return;
  table.Clear();
  Fill();
}

bool VariablesDialog::HandleDeleteKey(QKeyEvent* event) {
  if (event->key() != Qt::Key_Delete) return false;
  // Delete alone or with Control alone; any other modifier leaves the key
  // to whoever wants it.
  const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                           Qt::AltModifier | Qt::MetaModifier);
  if (mods != Qt::NoModifier && mods != Qt::ControlModifier) return false;
  DeleteVariable();
  return true;
}

bool VariablesDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress &&
      HandleDeleteKey(static_cast<QKeyEvent*>(event)))
    return true;
  return QDialog::eventFilter(watched, event);
}

void VariablesDialog::keyPressEvent(QKeyEvent* event) {
  if (!HandleDeleteKey(event)) QDialog::keyPressEvent(event);
}

void OpenVariablesDialog(QWidget* parent, CalculatorSession& session) {
  VariablesDialog dialog(session, parent);
  const OptionsRecord& o = Options();
  if (o.varsDialogLeft != -1 && o.varsDialogTop != -1)
    dialog.move(o.varsDialogLeft, o.varsDialogTop);
  dialog.exec();
}

}  // namespace vr
