#include "gui/window/expression_files.h"

#include <QFile>
#include <QFileDialog>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextCursor>
#include <QTextStream>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"
#include "files/text_file.h"
#include "gui/window/expression_editor.h"
#include "gui/window/line_flow.h"
#include "options/options_record.h"

namespace vr {

namespace {

QString FileFilter() {
  return ExpressionFiles::tr("Text Files (*.txt)") + QStringLiteral(";;") +
         ExpressionFiles::tr("All Files (*)");
}

}  // namespace

ExpressionFiles::ExpressionFiles(QWidget& window, ExpressionEditor& editor, LineFlow& flow)
    : QObject(&window), window_(window), editor_(editor), flow_(flow) {}

void ExpressionFiles::OpenScript() {
  const QString path = QFileDialog::getOpenFileName(&window_, QString(), QString(), FileFilter());
  if (!path.isEmpty()) LoadScriptFile(path);
  editor_.setFocus();
}

void ExpressionFiles::SaveScript() {
  QFileDialog dialog(&window_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(FileFilter().split(QStringLiteral(";;")));
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.selectFile(QStringLiteral("expr.txt"));
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    SaveScriptFile(dialog.selectedFiles().constFirst());
  editor_.setFocus();
}

bool ExpressionFiles::LoadScriptFile(const QString& path) {
  editor_.clear();
  // The program's one reader: a regular file only, no larger than the data
  // files may be, opened so that a pipe or a device cannot hang the window.
  std::string text;
  if (ReadTextFile(QFile::encodeName(path).toStdString(), text) != TextFileStatus::Ok) return false;
  const bool showResults = Options().showScriptResult != 0;
  QTextCursor c(editor_.document());
  c.movePosition(QTextCursor::End);
  auto append = [&](const QString& line) {
    c.insertText(line, editor_.NormalFormat());
    c.insertBlock(c.blockFormat(), editor_.NormalFormat());
  };
  // A script may print into the window and clear it: the cursor is taken
  // again from the document's end after every line.
  for (const std::string_view raw : SplitLines(text)) {
    const QString line = QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
    c.movePosition(QTextCursor::End);
    append(line);
    if (IsSingleOperand(std::string(raw))) continue;
    const QString result = flow_.CalculateLine(line);
    c = QTextCursor(editor_.document());
    c.movePosition(QTextCursor::End);
    if (!result.isEmpty() && showResults) append(result);
  }
  editor_.setTextCursor(c);
  return true;
}

bool ExpressionFiles::SaveScriptFile(const QString& path) {
  // Written beside the target and renamed over it: a failure leaves the old
  // file whole.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  QTextStream out(&file);
  out.setEncoding(QStringConverter::Utf8);
  const bool keepResults = Options().saveResults != 0;
  const int count = editor_.LineCount();
  for (int i = 0; i < count; ++i) {
    const QString line = editor_.GetLineText(i);
    // With results not kept, a line that is one operand is taken for a
    // result, also when the user typed it.
    if (!keepResults && IsSingleOperand(line.toStdString())) continue;
    out << line << '\n';
  }
  out.flush();
  return file.commit();
}

}  // namespace vr
