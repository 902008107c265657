#pragma once

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <filesystem>
#include <memory>

#include "gui/window/calculator_dialog.h"
#include "gui/window/expression_editor.h"

namespace vr::test {

// A program folder of its own for each test, removed afterwards.
class ProgramFolder {
 public:
  ProgramFolder() { QVERIFY2(dir_.isValid(), "no temporary folder"); }
  std::filesystem::path Path() const { return std::filesystem::path(dir_.path().toStdString()); }
  QString FilePath(const QString& name) const { return QDir(dir_.path()).filePath(name); }

 private:
  QTemporaryDir dir_;
};

// A main window started in `folder`, with message boxes turned into a list
// of texts and a failed save answered by `closeAnyway`.
struct StartedWindow {
  explicit StartedWindow(const std::filesystem::path& folder, CommandLine commandLine = {})
      : dialog(std::make_unique<CalculatorDialog>(folder, std::move(commandLine))) {
    dialog->SetNotifier([this](const QString& text) { messages << text; });
    dialog->SetCloseConfirmation([this](const QString& text) {
      messages << text;
      return closeAnyway;
    });
    dialog->StartUp();
  }
  ExpressionEditor& Editor() const { return *dialog->Editor(); }

  std::unique_ptr<CalculatorDialog> dialog;
  QStringList messages;
  bool closeAnyway = true;
};

inline void SetCaret(ExpressionEditor& editor, int position) {
  QTextCursor c = editor.textCursor();
  c.setPosition(position < 0 ? editor.document()->characterCount() - 1 : position);
  editor.setTextCursor(c);
}

// Types a line at the caret and presses Enter, as the user does.
inline void TypeLine(ExpressionEditor& editor, const QString& line) {
  QTest::keyClicks(&editor, line);
  QTest::keyClick(&editor, Qt::Key_Return);
}

// Line and column of the caret.
inline QPair<int, int> CaretPlace(const ExpressionEditor& editor) {
  const QTextCursor c = editor.textCursor();
  return {c.blockNumber(), c.positionInBlock()};
}

}  // namespace vr::test
