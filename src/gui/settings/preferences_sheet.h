#pragma once

#include <QDialog>
#include <array>

#include "options/options_record.h"

class QDialogButtonBox;
class QTabWidget;

namespace vr {

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

}  // namespace vr
