#pragma once

#include <QDialog>
#include <QString>

class QTreeWidget;

namespace vr {

// The list of the built-in functions with a short description of each, in
// the UI language. Choosing a row closes the dialog with that function's
// name; the dialog remembers where it stood in the "GeometryFuncs" setting.
class FunctionsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FunctionsDialog(QWidget* parent = nullptr);
  ~FunctionsDialog() override;

  // The chosen name; empty after Cancel or with no row selected.
  QString ChosenName() const { return chosen_; }
  QTreeWidget* List() const { return list_; }

 public slots:
  void Choose();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QSize ReadableSize() const;

  QTreeWidget* list_ = nullptr;
  QString chosen_;
};

// Opens the dialog and returns the chosen name, or an empty text.
QString ChooseFunction(QWidget* parent);

}  // namespace vr
