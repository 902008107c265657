#pragma once

#include <QDialog>
#include <array>

#include "settings/options_record.h"

class QDialogButtonBox;
class QTabWidget;

namespace vr {

class CalculatorDialog;
class PreferencePage;

// The preferences: four pages over a working copy of the options. A page
// writes its controls into the working copy when the user leaves it and on
// OK or Apply; a page never looked at writes nothing, so its fields keep
// the working copy's values.
class PreferencesSheet : public QDialog {
  Q_OBJECT

 public:
  explicit PreferencesSheet(OptionsRecord& working, QWidget* parent = nullptr);

  QTabWidget* Tabs() const { return tabs_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 public slots:
  void accept() override;

 private:
  void StoreVisited();

  QTabWidget* tabs_;
  QDialogButtonBox* buttons_;
  std::array<PreferencePage*, 4> pages_{};
  std::array<bool, 4> visited_{};
};

// Copies `working` into the live options and makes the window follow what
// changed since `before`: saves the options file, re-colours the editor and
// the keypad, rebuilds the number pattern, and updates always-on-top and the
// autostart entry when those changed.
void CommitPreferences(CalculatorDialog& dialog, const OptionsRecord& working,
                       const OptionsRecord& before);

// F9 and "Preferences...": runs the sheet over a copy of the live options
// and commits it on OK and Apply. The global hot key is released while the
// sheet is open, so that pressing it there records it instead of firing.
void OpenPreferences(CalculatorDialog& dialog);

}  // namespace vr
