#include "gui/window/about_box.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/platform/app_icon.h"
#include "gui/platform/help_pages.h"
#include "options/options_record.h"

namespace vr {

AboutBox::AboutBox(std::filesystem::path programFolder, QWidget* parent)
    : QDialog(parent), programFolder_(std::move(programFolder)), link_(new QLabel(this)) {
  auto* icon = new QLabel(this);
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize) * 3 / 2;
  icon->setPixmap(AppIcon().pixmap(side, side));
  icon->setAlignment(Qt::AlignTop);

  auto* version = new QLabel(QStringLiteral("VadadeRivo Version 3.90"), this);
  QFont bold = version->font();
  bold.setBold(true);
  version->setFont(bold);

  link_->setTextFormat(Qt::RichText);
  link_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(link_, &QLabel::linkActivated, this,
          [this] { OpenHelp(programFolder_, Options().english != 0); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* text = new QVBoxLayout;
  text->addWidget(version);
  text->addWidget(link_);
  text->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addSpacing(fontMetrics().averageCharWidth() * 2);
  top->addLayout(text, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setWindowIcon(AppIcon());
  Retranslate();
}

void AboutBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void AboutBox::Retranslate() {
  setWindowTitle(tr("About VadadeRivo"));
  link_->setText(QStringLiteral("<a href=\"help\">%1</a>").arg(tr("How to use the calculator")));
}

}  // namespace vr
