#pragma once

#include <QDialog>
#include <functional>

#include "values/value_kind.h"

class QPushButton;
class QTreeWidget;

namespace vr {

class CalculatorSession;

// Asks the user to confirm a deletion; true to go on. A question box by
// default; tests answer it themselves.
using DeleteConfirmation = std::function<bool(QWidget* parent, const QString& question)>;

// The user's variables with their kind and value; deleting one or all of
// them takes effect in the session at once.
class VariablesDialog : public QDialog {
  Q_OBJECT

 public:
  VariablesDialog(CalculatorSession& session, QWidget* parent = nullptr);

  QTreeWidget* List() const { return list_; }
  void DeleteVariable();
  void DeleteAllVariables();

  static void SetConfirmation(DeleteConfirmation confirm);
  // The type name shown for a value kind in the UI language.
  static QString TypeName(ValueKind kind);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Fill();
  bool HandleDeleteKey(QKeyEvent* event);

  CalculatorSession& session_;
  QTreeWidget* list_;
};

// F2 and "Variables...".
void OpenVariablesDialog(QWidget* parent, CalculatorSession& session);

}  // namespace vr
