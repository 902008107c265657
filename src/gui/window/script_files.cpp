// Expression files: a text file with one expression per line, opened into
// the expression window with the results calculated, or saved from it.
#include <QFile>
#include <QFileDialog>
#include <QStringConverter>
#include <QTextCursor>
#include <QTextStream>

#include "engine/expression_engine.h"
#include "gui/window/calculator_dialog.h"
#include "gui/window/expression_editor.h"
#include "gui/window/line_flow.h"
#include "options/options_record.h"

namespace vr {

namespace {

QString FileFilter() {
  return CalculatorDialog::tr("Text Files (*.txt)") + QStringLiteral(";;") +
         CalculatorDialog::tr("All Files (*)");
}

}  // namespace

void CalculatorDialog::OpenScript() {
  const QString path = QFileDialog::getOpenFileName(this, QString(), QString(), FileFilter());
  if (!path.isEmpty()) LoadScriptFile(path);
  editor_->setFocus();
}

void CalculatorDialog::SaveScript() {
  QFileDialog dialog(this);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(FileFilter().split(QStringLiteral(";;")));
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.selectFile(QStringLiteral("expr.txt"));
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    SaveScriptFile(dialog.selectedFiles().constFirst());
  editor_->setFocus();
}

bool CalculatorDialog::LoadScriptFile(const QString& path) {
  editor_->clear();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QTextStream in(&file);
  in.setEncoding(QStringConverter::Utf8);
  const bool showResults = Options().showScriptResult != 0;
  QTextCursor c(editor_->document());
  c.movePosition(QTextCursor::End);
  auto append = [&](const QString& text) {
    c.insertText(text, editor_->NormalFormat());
    c.insertBlock(c.blockFormat(), editor_->NormalFormat());
  };
  // A script may print into the window and clear it: the cursor is taken
  // again from the document's end after every line.
  while (!in.atEnd()) {
    const QString line = in.readLine();
    c.movePosition(QTextCursor::End);
    append(line);
    if (IsSingleOperand(line.toStdString())) continue;
    const QString result = flow_->CalculateLine(line);
    c = QTextCursor(editor_->document());
    c.movePosition(QTextCursor::End);
    if (!result.isEmpty() && showResults) append(result);
  }
  editor_->setTextCursor(c);
  return true;
}

bool CalculatorDialog::SaveScriptFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  QTextStream out(&file);
  out.setEncoding(QStringConverter::Utf8);
  const bool keepResults = Options().saveResults != 0;
  const int count = editor_->LineCount();
  for (int i = 0; i < count; ++i) {
    const QString line = editor_->GetLineText(i);
    // With results not kept, a line that is one operand is taken for a
    // result, also when the user typed it.
    if (!keepResults && IsSingleOperand(line.toStdString())) continue;
    out << line << '\n';
  }
  out.flush();
  return file.error() == QFileDevice::NoError;
}

}  // namespace vr
