#include "gui/window/expression_files.h"

#include <QDir>
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

// Why a file could not be read, in the interface's language.
QString ReasonText(TextFileStatus status) {
  switch (status) {
    case TextFileStatus::Missing:
      return ExpressionFiles::tr("there is no such file");
    case TextFileStatus::NotText:
      return ExpressionFiles::tr("it is not a text file");
    case TextFileStatus::Unreadable:
    case TextFileStatus::Ok:
      break;
  }
  return ExpressionFiles::tr("it is not a regular file that can be read, or it is too large");
}

}  // namespace

ExpressionFiles::ExpressionFiles(QWidget& window, ExpressionEditor& editor, LineFlow& flow,
                                 std::function<void(const QString&)> notify)
    : QObject(&window), window_(window), editor_(editor), flow_(flow), notify_(std::move(notify)) {}

void ExpressionFiles::OpenScript() {
  const QString path = QFileDialog::getOpenFileName(&window_, QString(), QString(), FileFilter());
  QString reason;
  if (!path.isEmpty() && !LoadScriptFile(path, &reason)) {
    notify_(tr("The file \"%1\" cannot be opened: %2.").arg(QDir::toNativeSeparators(path), reason));
  }
  editor_.setFocus();
}

void ExpressionFiles::SaveScript() {
  QFileDialog dialog(&window_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(FileFilter().split(QStringLiteral(";;")));
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.selectFile(QStringLiteral("expr.txt"));
  QString reason;
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString path = dialog.selectedFiles().constFirst();
    if (!SaveScriptFile(path, &reason)) {
      notify_(tr("The file \"%1\" cannot be saved: %2.").arg(QDir::toNativeSeparators(path), reason));
    }
  }
  editor_.setFocus();
}

bool ExpressionFiles::LoadScriptFile(const QString& path, QString* reason) {
  // The program's one reader: a regular file only, no larger than the data
  // files may be, opened so that a pipe or a device cannot hang the window.
  // The window is emptied only once the file is in hand.
  std::string text;
  const TextFileStatus status = ReadTextFile(QFile::encodeName(path).toStdString(), text);
  if (status != TextFileStatus::Ok) {
    if (reason != nullptr) *reason = ReasonText(status);
    return false;
  }
  editor_.clear();
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

bool ExpressionFiles::SaveScriptFile(const QString& path, QString* reason) {
  // Written beside the target and renamed over it: a failure leaves the old
  // file whole.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
    if (reason != nullptr) *reason = file.errorString();
    return false;
  }
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
  if (file.commit()) return true;
  if (reason != nullptr) *reason = file.errorString();
  return false;
}

}  // namespace vr
