#pragma once

#include <QWidget>
#include <array>

#include "options/options_record.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace vr {

class ColourPicker;
class HotKeyEdit;

// One page of the preferences sheet. A page shows the working copy of the
// options it was built with and writes its controls back into that copy
// with Store(). Every control that edits a field carries the field's name
// as its object name.
class PreferencePage : public QWidget {
  Q_OBJECT

 public:
  explicit PreferencePage(OptionsRecord& working, QWidget* parent = nullptr)
      : QWidget(parent), working_(working) {}
  virtual void Store() = 0;

 protected:
  OptionsRecord& working_;
};

// Results, window behaviour, hot key, clipboard.
class GeneralPage : public PreferencePage {
  Q_OBJECT

 public:
  explicit GeneralPage(OptionsRecord& working, QWidget* parent = nullptr);
  void Store() override;

 private:
  QCheckBox* showCalcResult_;
  QCheckBox* showScriptResult_;
  QCheckBox* saveResults_;
  QCheckBox* stayOnTop_;
  QCheckBox* minToTray_;
  HotKeyEdit* hotKey_;
  QCheckBox* autoClip_;
  QSpinBox* timeLimit_;
};

// Starting with the desktop session, closing, and what is kept at exit.
class StartExitPage : public PreferencePage {
  Q_OBJECT

 public:
  explicit StartExitPage(OptionsRecord& working, QWidget* parent = nullptr);
  void Store() override;

 private:
  QCheckBox* autoStart_;
  QCheckBox* startMinimized_;
  QCheckBox* closeMinimize_;
  QCheckBox* saveVars_;
  QCheckBox* saveExpr_;
  QCheckBox* saveWindowsPositions_;
};

// Number pattern, precision and date order of results.
class ResultsPage : public PreferencePage {
  Q_OBJECT

 public:
  explicit ResultsPage(OptionsRecord& working, QWidget* parent = nullptr);
  void Store() override;

 private:
  QRadioButton* exponential_;
  QRadioButton* fixed_;
  QSpinBox* precision_;
  QComboBox* dateFormat_;
};

// Colours and font size of the expression window and the keypad.
class ColourPage : public PreferencePage {
  Q_OBJECT

 public:
  explicit ColourPage(OptionsRecord& working, QWidget* parent = nullptr);
  void Store() override;

 private:
  void ResetToDefault();
  void ShowColours();

  // textColor, backColor, textHighlight, digitColor, operationColor,
  // functionColor, buttonHighlight.
  std::array<ColourPicker*, 7> pickers_{};
  QComboBox* fontSize_;
};

}  // namespace vr
