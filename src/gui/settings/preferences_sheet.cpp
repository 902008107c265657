#include "gui/settings/preferences_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/settings/preference_pages.h"

namespace vr {

PreferencesSheet::PreferencesSheet(OptionsRecord& working, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr(" Preferences"));
  tabs_ = new QTabWidget(this);
  pages_ = {new GeneralPage(working, tabs_), new StartExitPage(working, tabs_),
            new ResultsPage(working, tabs_), new ColourPage(working, tabs_)};
  // The Russian sheet names its tabs more briefly than the pages call
  // themselves.
  tabs_->addTab(pages_[0], tr("General"));
  tabs_->addTab(pages_[1], tr("Start && exit"));
  tabs_->addTab(pages_[2], tr("Results representation"));
  tabs_->addTab(pages_[3], tr("Colours"));
  visited_[0] = true;
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    // Leaving a page writes it; the one left is still marked visited.
    StoreVisited();
    if (index >= 0) visited_[static_cast<std::size_t>(index)] = true;
  });

  // No Apply: OK applies and saves, Cancel leaves everything as it was.
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  // "OK" is the same in both languages, whatever Qt's own translations say.
  buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons_->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  connect(buttons_, &QDialogButtonBox::accepted, this, &PreferencesSheet::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &PreferencesSheet::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons_);
  setMinimumWidth(430);
}

void PreferencesSheet::StoreVisited() {
  for (std::size_t i = 0; i < pages_.size(); ++i)
    if (visited_[i]) pages_[i]->Store();
}

void PreferencesSheet::accept() {
  StoreVisited();
  QDialog::accept();
}

}  // namespace vr
