#include "gui/settings/variables_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "options/options_record.h"
#include "session/calculator_session.h"
#include "values/value_text.h"

namespace vr {

namespace {

DeleteConfirmation& Confirmation() {
  static DeleteConfirmation confirm = [](QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, parent->windowTitle(), question,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    box.button(QMessageBox::Cancel)->setText(VariablesDialog::tr("Cancel"));
    return box.exec() == QMessageBox::Ok;
  };
  return confirm;
}

}  // namespace

QString VariablesDialog::TypeName(ValueKind kind) {
  switch (kind) {
    case ValueKind::Real:
      return tr("Decimal");
    case ValueKind::Integer:
      return tr("Hex");
    case ValueKind::Time:
      return tr("Time");
    case ValueKind::Complex:
      return tr("Complex");
    case ValueKind::Fraction:
      return tr("Fraction");
    case ValueKind::String:
      return tr("String");
    case ValueKind::Date:
      return tr("Date");
    default:
      return {};
  }
}

void VariablesDialog::SetConfirmation(DeleteConfirmation confirm) {
  Confirmation() = std::move(confirm);
}

VariablesDialog::VariablesDialog(CalculatorSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setWindowTitle(tr("Variable list"));
  list_ = new QTreeWidget(this);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setAllColumnsShowFocus(true);
  list_->setHeaderLabels({tr("Name"), tr("Type"), tr("Value")});
  list_->header()->setStretchLastSection(true);
  list_->setColumnWidth(0, 100);
  list_->setColumnWidth(1, 80);
  list_->installEventFilter(this);

  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName(QStringLiteral("close"));
  auto* deleteOne = new QPushButton(tr("&Delete variable"), this);
  deleteOne->setObjectName(QStringLiteral("deleteVariable"));
  auto* deleteAll = new QPushButton(tr("Delete &all variables"), this);
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
    const QStringList columns = {QString::fromStdString(entry->name), TypeName(entry->value.kind),
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
  if (!Confirmation()(this, tr("Do you really want to delete the variable?"))) return;
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return;
  table.Remove(selected.front()->text(0).toStdString());
  Fill();
}

void VariablesDialog::DeleteAllVariables() {
  VariableTable& table = session_.Engine().Variables();
  if (table.Count() == 0) return;
  if (!Confirmation()(this, tr("Are you sure to delete all variables?"))) return;
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
