#include "gui/window/functions_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "operations/builtins/function_catalogue.h"
#include "options/options_record.h"

namespace vr {

namespace {

constexpr int kNameColumnWidth = 100;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FunctionsDialog::FunctionsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Functions list"));
  setMinimumSize(250, 100);

  list_ = new QTreeWidget(this);
  list_->setColumnCount(2);
  list_->setHeaderLabels({tr("Function"), tr("Short description")});
  list_->setRootIsDecorated(false);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->header()->setStretchLastSection(false);
  list_->viewport()->installEventFilter(this);
  for (const FunctionDescription& row : FunctionCatalogue()) {
    auto* item = new QTreeWidgetItem(list_);
    item->setText(0, FromUtf8(row.name));
    item->setText(1, FromUtf8(DescriptionText(row)));
  }
  if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
  connect(list_, &QTreeWidget::itemDoubleClicked, this, &FunctionsDialog::Choose);
  connect(list_, &QTreeWidget::itemActivated, this, &FunctionsDialog::Choose);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* select = buttons->addButton(tr("&Select"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
  select->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &FunctionsDialog::Choose);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);

  resize(ReadableSize());

  const WindowRect& r = Options().functionsDialog;
  if (r.left != -1 && r.top != -1) move(r.left, r.top);
  list_->setFocus();
}

FunctionsDialog::~FunctionsDialog() {
  WindowRect& r = Options().functionsDialog;
  r.left = x();
  r.top = y();
  r.width = width();
  r.height = height();
}

QSize FunctionsDialog::ReadableSize() const {
  // Wide enough that the longest description is read whole, as tall as
  // about twenty rows; never more than the screen.
  const QFontMetrics fm(list_->font());
  int widest = fm.horizontalAdvance(list_->headerItem()->text(1));
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    widest = qMax(widest, fm.horizontalAdvance(list_->topLevelItem(i)->text(1)));
  const QMargins margins = layout()->contentsMargins();
  const int chrome = margins.left() + margins.right() + 2 * list_->frameWidth() +
                     list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  // The description column gets the viewport's width less 120 pixels; a
  // little more keeps the last letters clear of the item's own padding.
  QSize size(widest + 120 + 2 * fm.averageCharWidth() + chrome,
             20 * (fm.height() + 4) + list_->header()->sizeHint().height() +
                 layout()->itemAt(1)->sizeHint().height() + margins.top() + margins.bottom());
  if (const QScreen* screen = this->screen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  return size.expandedTo(minimumSize());
}

void FunctionsDialog::Choose() {
  const QTreeWidgetItem* item = list_->currentItem();
  chosen_ = (item != nullptr && item->isSelected()) ? item->text(0) : QString();
  accept();
}

bool FunctionsDialog::eventFilter(QObject* watched, QEvent* event) {
  // The columns follow the list's client area, which settles only when the
  // layout has run and changes when a scroll bar comes or goes.
  if (watched == list_->viewport() && event->type() == QEvent::Resize) {
    list_->setColumnWidth(0, kNameColumnWidth);
    list_->setColumnWidth(1, qMax(40, list_->viewport()->width() - 120));
  }
  return QDialog::eventFilter(watched, event);
}

QString ChooseFunction(QWidget* parent) {
  FunctionsDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.ChosenName();
}

}  // namespace vr
