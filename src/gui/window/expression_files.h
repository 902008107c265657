#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace vr {

class ExpressionEditor;
class LineFlow;

// Expression files: a text file with one expression per line, opened into
// the expression window with the results calculated, or saved from it.
class ExpressionFiles : public QObject {
  Q_OBJECT

 public:
  // `window` owns the file dialogs; the lines are calculated through `flow`;
  // a file that cannot be opened or saved is told through `notify`.
  ExpressionFiles(QWidget& window, ExpressionEditor& editor, LineFlow& flow,
                  std::function<void(const QString&)> notify);

  // The file dialogs, and what they do with the chosen file; a failure is
  // told and leaves the window as it was.
  void OpenScript();
  void SaveScript();
  // Fills the window from the file, calculating every line that is not a
  // single operand. False, with the window untouched and `reason` (when
  // given) saying why, when the file cannot be read.
  bool LoadScriptFile(const QString& path, QString* reason = nullptr);
  // Writes the window's lines; result lines are left out unless
  // "SaveResults" is set. False, with `reason`, when the file cannot be
  // written; an existing file is then left whole.
  bool SaveScriptFile(const QString& path, QString* reason = nullptr);

 private:
  QWidget& window_;
  ExpressionEditor& editor_;
  LineFlow& flow_;
  std::function<void(const QString&)> notify_;
};

}  // namespace vr
