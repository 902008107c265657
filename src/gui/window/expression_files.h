#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace vr {

class ExpressionEditor;
class LineFlow;

// Expression files: a text file with one expression per line, opened into
// the expression window with the results calculated, or saved from it.
class ExpressionFiles : public QObject {
  Q_OBJECT

 public:
  // `window` owns the file dialogs; the lines are calculated through `flow`.
  ExpressionFiles(QWidget& window, ExpressionEditor& editor, LineFlow& flow);

  // The file dialogs, and what they do with the chosen file.
  void OpenScript();
  void SaveScript();
  // Fills the window from the file, calculating every line that is not a
  // single operand. False when the file cannot be read (the window is then
  // empty).
  bool LoadScriptFile(const QString& path);
  // Writes the window's lines; result lines are left out unless
  // "SaveResults" is set. False when the file cannot be written.
  bool SaveScriptFile(const QString& path);

 private:
  QWidget& window_;
  ExpressionEditor& editor_;
  LineFlow& flow_;
};

}  // namespace vr
