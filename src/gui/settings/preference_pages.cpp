#include "gui/settings/preference_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/controls/colour_picker.h"
#include "gui/settings/hot_key_edit.h"

namespace vr {

namespace {

QCheckBox* Check(const char* name, const QString& text, std::int32_t value, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(value != 0);
  return box;
}

std::int32_t Flag(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

QGroupBox* Group(const QString& title, QWidget* parent) { return new QGroupBox(title, parent); }

}  // namespace

// ------------------------------------------------------------------ general

GeneralPage::GeneralPage(OptionsRecord& working, QWidget* parent)
    : PreferencePage(working, parent) {
  auto* results = Group(tr("  Calculation results ...  "), this);
  showCalcResult_ = Check("showCalcResult", tr("show them after calculating current line"),
                          working.showCalcResult, results);
  showScriptResult_ = Check("showScriptResult", tr("show intermediate ones while executing script"),
                            working.showScriptResult, results);
  saveResults_ = Check("saveResults", tr("save them in script"), working.saveResults, results);
  auto* resultsLayout = new QVBoxLayout(results);
  resultsLayout->addWidget(showCalcResult_);
  resultsLayout->addWidget(showScriptResult_);
  resultsLayout->addWidget(saveResults_);

  stayOnTop_ = Check("stayOnTop", tr("stay-on-top main form "), working.stayOnTop, this);
  minToTray_ = Check("minToTray", tr("minimize to tray"), working.minToTray, this);
  auto* hotKeyLabel = new QLabel(tr("calculator hotkey"), this);
  hotKey_ = new HotKeyEdit(this);
  hotKey_->setObjectName(QStringLiteral("hotKey"));
  hotKey_->SetHotKey(working.hotKeyKey, working.hotKeyModifiers);
  hotKeyLabel->setBuddy(hotKey_);
  autoClip_ = Check("autoClip", tr("autocopy result to the clipoard after calculation"),
                    working.autoClip, this);

  auto* hotKeyRow = new QHBoxLayout;
  hotKeyRow->addWidget(hotKeyLabel);
  hotKeyRow->addWidget(hotKey_, 1);

  // A line that runs longer is stopped with "Time limit reached".
  auto* timeLimitLabel = new QLabel(tr("time limit for one line, seconds (0: none)"), this);
  timeLimit_ = new QSpinBox(this);
  timeLimit_->setObjectName(QStringLiteral("timeLimit"));
  timeLimit_->setRange(0, 24 * 60 * 60);
  timeLimit_->setValue(std::max(working.timeLimit, 0));
  timeLimitLabel->setBuddy(timeLimit_);
  auto* timeLimitRow = new QHBoxLayout;
  timeLimitRow->addWidget(timeLimitLabel);
  timeLimitRow->addWidget(timeLimit_);
  timeLimitRow->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(results);
  layout->addSpacing(4);
  layout->addWidget(stayOnTop_);
  layout->addWidget(minToTray_);
  layout->addLayout(hotKeyRow);
  layout->addWidget(autoClip_);
  layout->addLayout(timeLimitRow);
  layout->addStretch(1);
}

void GeneralPage::Store() {
  working_.showCalcResult = Flag(showCalcResult_);
  working_.showScriptResult = Flag(showScriptResult_);
  working_.saveResults = Flag(saveResults_);
  working_.stayOnTop = Flag(stayOnTop_);
  working_.minToTray = Flag(minToTray_);
  working_.autoClip = Flag(autoClip_);
  // Untouched, a time limit the options file set beyond the box's range
  // stays as it was.
  if (timeLimit_->value() != std::clamp(working_.timeLimit, 0, timeLimit_->maximum())) {
    working_.timeLimit = timeLimit_->value();
  }
  working_.hotKeyKey = hotKey_->VirtualKey();
  working_.hotKeyModifiers = hotKey_->Modifiers();
}

// --------------------------------------------------------------- start/exit

StartExitPage::StartExitPage(OptionsRecord& working, QWidget* parent)
    : PreferencePage(working, parent) {
  autoStart_ =
      Check("autoStart", tr("start when the desktop session starts"), working.autoStart, this);
  // Starting minimised means nothing without starting with the session.
  startMinimized_ = Check("startMinimized", tr("start minimized"),
                          working.autoStart != 0 ? working.startMinimized : 0, this);
  startMinimized_->setEnabled(working.autoStart != 0);
  connect(autoStart_, &QCheckBox::clicked, this, [this](bool checked) {
    startMinimized_->setEnabled(checked);
    if (!checked) startMinimized_->setChecked(false);
  });
  closeMinimize_ = Check("closeMinimize", tr("close button operates as minimize one"),
                         working.closeMinimize, this);

  auto* saved = Group(tr("  Save on exit  "), this);
  saveVars_ = Check("saveVars", tr("variables"), working.saveVars, saved);
  saveExpr_ = Check("saveExpr", tr("expressions"), working.saveExpr, saved);
  saveWindowsPositions_ = Check("saveWindowsPositions", tr("window size and position"),
                                working.saveWindowsPositions, saved);
  auto* savedLayout = new QVBoxLayout(saved);
  savedLayout->addWidget(saveVars_);
  savedLayout->addWidget(saveExpr_);
  savedLayout->addWidget(saveWindowsPositions_);

  auto* minimizedRow = new QHBoxLayout;
  minimizedRow->addSpacing(20);
  minimizedRow->addWidget(startMinimized_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(autoStart_);
  layout->addLayout(minimizedRow);
  layout->addWidget(closeMinimize_);
  layout->addSpacing(4);
  layout->addWidget(saved);
  layout->addStretch(1);
}

void StartExitPage::Store() {
  working_.autoStart = Flag(autoStart_);
  working_.startMinimized = Flag(startMinimized_);
  working_.closeMinimize = Flag(closeMinimize_);
  working_.saveVars = Flag(saveVars_);
  working_.saveExpr = Flag(saveExpr_);
  working_.saveWindowsPositions = Flag(saveWindowsPositions_);
}

// ------------------------------------------------------------------ results

ResultsPage::ResultsPage(OptionsRecord& working, QWidget* parent)
    : PreferencePage(working, parent) {
  auto* format = Group(tr("  Number format  "), this);
  exponential_ = new QRadioButton(tr("exponential"), format);
  exponential_->setObjectName(QStringLiteral("exponential"));
  fixed_ = new QRadioButton(tr("fixed"), format);
  fixed_->setObjectName(QStringLiteral("fixed"));
  (working.format == 1 ? fixed_ : exponential_)->setChecked(true);
  auto* formatLayout = new QVBoxLayout(format);
  formatLayout->addWidget(exponential_);
  formatLayout->addWidget(fixed_);

  auto* precision = Group(tr("  Precision  "), this);
  precision_ = new QSpinBox(precision);
  precision_->setObjectName(QStringLiteral("precision"));
  // The spin box refuses every text outside the range, so no precision
  // outside it can ever reach the options.
  precision_->setRange(0, kMaxPrecision);
  precision_->setValue(ValidPrecision(working.precision));
  auto* digits = new QLabel(tr("decimal digits"), precision);
  digits->setBuddy(precision_);
  auto* precisionLayout = new QHBoxLayout(precision);
  precisionLayout->addWidget(precision_);
  precisionLayout->addWidget(digits, 1);

  auto* date = Group(tr("  Date format  "), this);
  dateFormat_ = new QComboBox(date);
  dateFormat_->setObjectName(QStringLiteral("dateFormat"));
  dateFormat_->addItems(
      {QStringLiteral("DD.MM.YYYY"), QStringLiteral("YYYY.MM.DD"), QStringLiteral("MM.DD.YYYY")});
  dateFormat_->setCurrentIndex(std::clamp(working.dateFormat, 0, 2));
  auto* dateLayout = new QHBoxLayout(date);
  dateLayout->addWidget(dateFormat_);
  dateLayout->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(format);
  layout->addWidget(precision);
  layout->addWidget(date);
  layout->addStretch(1);
}

void ResultsPage::Store() {
  precision_->interpretText();
  working_.precision = precision_->value();
  working_.format = fixed_->isChecked() ? 1 : 0;
  working_.dateFormat = dateFormat_->currentIndex();
}

// ------------------------------------------------------------------ colours

namespace {

struct PickerField {
  const char* name;
  const char* label;
  std::uint32_t OptionsRecord::*field;
};

// In the order of ColourPage::pickers_: three for the expression window,
// four for the keypad.
constexpr std::array<PickerField, 7> kPickerFields = {{
    {"textColor", QT_TRANSLATE_NOOP("vr::ColourPage", "Text"), &OptionsRecord::textColor},
    {"backColor", QT_TRANSLATE_NOOP("vr::ColourPage", "Background"), &OptionsRecord::backColor},
    {"textHighlight", QT_TRANSLATE_NOOP("vr::ColourPage", "Last result"),
     &OptionsRecord::textHighlight},
    {"digitColor", QT_TRANSLATE_NOOP("vr::ColourPage", "Digits"), &OptionsRecord::digitColor},
    {"operationColor", QT_TRANSLATE_NOOP("vr::ColourPage", "Operations"),
     &OptionsRecord::operationColor},
    {"functionColor", QT_TRANSLATE_NOOP("vr::ColourPage", "Functions"),
     &OptionsRecord::functionColor},
    {"buttonHighlight", QT_TRANSLATE_NOOP("vr::ColourPage", "Highlight"),
     &OptionsRecord::buttonHighlight},
}};

}  // namespace

ColourPage::ColourPage(OptionsRecord& working, QWidget* parent) : PreferencePage(working, parent) {
  auto* editor = Group(tr("  Expression window  "), this);
  auto* buttons = Group(tr("  Buttons  "), this);
  auto* editorLayout = new QGridLayout(editor);
  auto* buttonsLayout = new QGridLayout(buttons);
  for (std::size_t i = 0; i < kPickerFields.size(); ++i) {
    const PickerField& f = kPickerFields[i];
    QGroupBox* group = i < 3 ? editor : buttons;
    QGridLayout* grid = i < 3 ? editorLayout : buttonsLayout;
    auto* picker = new ColourPicker(group);
    picker->setObjectName(QString::fromLatin1(f.name));
    // The options keep real colours only; there is no "automatic" one.
    picker->SetDefaultText({});
    auto* label = new QLabel(tr(f.label), group);
    label->setBuddy(picker);
    const int row = static_cast<int>(i < 3 ? i : i - 3);
    grid->addWidget(label, row, 0);
    grid->addWidget(picker, row, 1);
    pickers_[i] = picker;
  }
  fontSize_ = new QComboBox(editor);
  fontSize_->setObjectName(QStringLiteral("fontSize"));
  for (const char* size : {"9", "10", "11", "12", "14", "16"})
    fontSize_->addItem(QString::fromLatin1(size));
  fontSize_->setCurrentIndex(std::clamp<int>(working.fontSize, 0, 5));
  auto* fontLabel = new QLabel(tr("Font size"), editor);
  fontLabel->setBuddy(fontSize_);
  editorLayout->addWidget(fontLabel, 3, 0);
  editorLayout->addWidget(fontSize_, 3, 1);
  for (QGridLayout* grid : {editorLayout, buttonsLayout}) {
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(1, 90);
  }
  ShowColours();

  auto* reset = new QPushButton(tr("Reset to default"), this);
  reset->setObjectName(QStringLiteral("resetToDefault"));
  connect(reset, &QPushButton::clicked, this, &ColourPage::ResetToDefault);
  auto* resetRow = new QHBoxLayout;
  resetRow->addStretch(1);
  resetRow->addWidget(reset);

  auto* groups = new QHBoxLayout;
  groups->addWidget(editor, 1, Qt::AlignTop);
  groups->addWidget(buttons, 1, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addStretch(1);
  layout->addLayout(resetRow);
}

void ColourPage::ShowColours() {
  for (std::size_t i = 0; i < kPickerFields.size(); ++i)
    pickers_[i]->SetColour(working_.*kPickerFields[i].field);
}

void ColourPage::ResetToDefault() {
  // The colours a fresh options record starts with are the defaults.
  const OptionsRecord defaults;
  for (const PickerField& f : kPickerFields) working_.*f.field = defaults.*f.field;
  ShowColours();
  fontSize_->setCurrentIndex(1);
}

void ColourPage::Store() {
  for (std::size_t i = 0; i < kPickerFields.size(); ++i)
    working_.*kPickerFields[i].field = pickers_[i]->Colour();
  working_.fontSize = static_cast<std::int16_t>(fontSize_->currentIndex());
}

}  // namespace vr
