#include "gui/settings/preferences_sheet.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/platform/autostart.h"
#include "gui/settings/preference_pages.h"
#include "gui/settings/ui_text.h"
#include "gui/window/calculator_dialog.h"
#include "gui/window/expression_editor.h"
#include "gui/window/session_keeper.h"

namespace vr {

PreferencesSheet::PreferencesSheet(OptionsRecord& working, QWidget* parent) : QDialog(parent) {
  setWindowTitle(UiText(" Preferences", "  Настройки"));
  tabs_ = new QTabWidget(this);
  pages_ = {new GeneralPage(working, tabs_), new StartExitPage(working, tabs_),
            new ResultsPage(working, tabs_), new ColourPage(working, tabs_)};
  // The Russian sheet names its tabs more briefly than the pages call
  // themselves.
  tabs_->addTab(pages_[0], UiText("General", "Общие"));
  tabs_->addTab(pages_[1], UiText("Start && exit", "Сохранение"));
  tabs_->addTab(pages_[2], UiText("Results representation", "Данные"));
  tabs_->addTab(pages_[3], UiText("Colours", "Цвета"));
  visited_[0] = true;
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    // Leaving a page writes it; the one left is still marked visited.
    StoreVisited();
    if (index >= 0) visited_[static_cast<std::size_t>(index)] = true;
  });

  buttons_ = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
  buttons_->button(QDialogButtonBox::Ok)->setText(UiText("OK", "OK"));
  buttons_->button(QDialogButtonBox::Cancel)->setText(UiText("Cancel", "Отмена"));
  buttons_->button(QDialogButtonBox::Apply)->setText(UiText("&Apply", "&Применить"));
  connect(buttons_, &QDialogButtonBox::accepted, this, &PreferencesSheet::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &PreferencesSheet::reject);
  connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, [this] {
    StoreVisited();
    emit applied();
  });

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

void CommitPreferences(CalculatorDialog& dialog, const OptionsRecord& working,
                       const OptionsRecord& before) {
  OptionsRecord& live = Options();
  live = working;
  // A failed save is not worth a message here: the file is written again
  // at exit, where a failure is reported.
  dialog.Keeper().SaveNow();

  dialog.ApplyKeyColors();
  if (live.backColor != before.backColor || live.textColor != before.textColor ||
      live.textHighlight != before.textHighlight || live.fontSize != before.fontSize)
    dialog.ApplyEditorAppearance();
  live.RebuildNumberFormat();
  if (live.stayOnTop != before.stayOnTop) dialog.ApplyStayOnTop();
  if (live.autoStart != before.autoStart || live.startMinimized != before.startMinimized)
    UpdateAutostart(live.autoStart != 0, live.startMinimized != 0,
                    QCoreApplication::applicationFilePath());
}

void OpenPreferences(CalculatorDialog& dialog) {
  dialog.UnregisterHotKey();
  OptionsRecord working = Options();
  OptionsRecord before = Options();
  PreferencesSheet sheet(working, &dialog);
  QObject::connect(&sheet, &PreferencesSheet::applied, &sheet, [&] {
    CommitPreferences(dialog, working, before);
    before = Options();
  });
  if (sheet.exec() == QDialog::Accepted) CommitPreferences(dialog, working, before);
  dialog.RegisterHotKey(false);
}

}  // namespace vr
