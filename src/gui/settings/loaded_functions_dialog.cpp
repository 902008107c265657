#include "gui/settings/loaded_functions_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "scripts/script_statement_list.h"

namespace vr {

LoadedFunctionsDialog::LoadedFunctionsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Loaded functions"));
  list_ = new QTreeWidget(this);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setAllColumnsShowFocus(true);
  list_->setHeaderLabels({tr("Name"), tr("Description")});
  list_->header()->setStretchLastSection(true);
  list_->setColumnWidth(0, 100);

  auto* close = new QPushButton(tr("&Close"), this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  resize(480, 300);
  Fill();
}

void LoadedFunctionsDialog::Fill() {
  list_->clear();
  const std::vector<std::string> functions = ListUserFunctions();
  for (const std::string& text : functions) {
    const QString whole = QString::fromStdString(text);
    const qsizetype mark = whole.indexOf(QLatin1String("##"));
    QStringList columns;
    if (mark < 0) {
      columns << whole;
    } else {
      columns << whole.left(mark) << whole.mid(mark + 2);
    }
    auto* item = new QTreeWidgetItem(list_, columns);
    for (int c = 0; c < columns.size(); ++c) item->setToolTip(c, columns[c]);
  }
  if (functions.empty()) {
    auto* none = new QTreeWidgetItem(list_, {tr("No function is loaded")});
    none->setFirstColumnSpanned(true);
  }
}

void OpenLoadedFunctionsDialog(QWidget* parent) {
  LoadedFunctionsDialog dialog(parent);
  dialog.exec();
}

}  // namespace vr
