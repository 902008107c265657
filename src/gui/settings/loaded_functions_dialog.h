#pragma once

#include <QDialog>

class QTreeWidget;

namespace vr {

// The user-defined functions the script files supplied, each with the
// description its author wrote after "##".
class LoadedFunctionsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit LoadedFunctionsDialog(QWidget* parent = nullptr);
  QTreeWidget* List() const { return list_; }

 private:
  void Fill();

  QTreeWidget* list_;
};

// "User-defined functions...".
void OpenLoadedFunctionsDialog(QWidget* parent);

}  // namespace vr
