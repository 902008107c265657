#include "gui/window/line_flow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <limits>

#include "gui/window/expression_editor.h"
#include "gui/window/line_runner.h"
#include "options/options_record.h"
#include "session/calculator_session.h"

namespace vr {

namespace {

// Closing characters that the caret steps over before the line is split, so
// that a caret left inside "Sin()" by the keypad evaluates the whole call.
bool IsSkippedCloser(QChar ch) {
  return ch == QLatin1Char(')') || ch == QLatin1Char('"') || ch == QLatin1Char('#');
}

}  // namespace

bool CopyToClipboard(const QString& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->setText(text);
  return true;
}

LineFlow::LineFlow(ExpressionEditor& editor, CalculatorSession& session)
    : editor_(editor), session_(session), output_(editor) {}

QString LineFlow::CalculateLine(const QString& typed, const QString& evaluated) {
  session_.SetOutput(&output_);
  std::string shown;
  const auto calculate = [&] {
    shown = session_.CalculateLine(typed.toStdString(), evaluated.toStdString());
  };
  if (runner_ == nullptr) {
    calculate();
  } else if (!runner_->Run(calculate)) {
    return {};  // a line is running already
  }
  return QString::fromStdString(shown);
}

void LineFlow::EvaluateCurrentLine(bool moveToLineEnd) {
  // One line at a time: the window lets nothing start a second one while a
  // line runs, and this keeps it so for any other caller.
  if (runner_ != nullptr && runner_->Busy()) return;
  session_.SetOutput(&output_);
  QTextDocument* doc = editor_.document();
  QTextCursor cursor = editor_.textCursor();
  const QTextBlock block = doc->findBlock(cursor.selectionStart());
  const int line = block.blockNumber();

  int p = moveToLineEnd ? block.position() + block.length() - 1 : cursor.selectionStart();
  const int lastPosition = doc->characterCount() - 1;
  while (p < lastPosition && IsSkippedCloser(doc->characterAt(p))) ++p;

  // Split the line at the caret: what stands before it is evaluated, the
  // rest moves to the next line.
  cursor.setPosition(p);
  cursor.beginEditBlock();
  cursor.insertBlock(cursor.blockFormat(), editor_.NormalFormat());
  cursor.endEditBlock();
  editor_.setTextCursor(cursor);

  // The whole line: the session refuses one longer than the line buffer
  // rather than evaluating a part the user did not mean.
  const QString text = editor_.GetLineText(line, std::numeric_limits<int>::max());
  const QString result = CalculateLine(text, rewriter_ ? rewriter_(text) : text);

  if (!result.isEmpty()) {
    if (Options().autoClip != 0) CopyToClipboard(result);
    // Write statements may have moved the caret; the result goes where it is.
    QTextCursor c = editor_.textCursor();
    const int s = c.position();
    c.joinPreviousEditBlock();
    QTextCursor all(doc);
    all.select(QTextCursor::Document);
    all.setCharFormat(editor_.NormalFormat());  // only the latest result stays highlighted
    c.setPosition(s);
    c.insertText(result, editor_.ResultFormat());
    c.insertBlock(c.blockFormat(), editor_.NormalFormat());
    c.endEditBlock();
    editor_.setTextCursor(c);
    editor_.setCurrentCharFormat(editor_.NormalFormat());
  }
  TrimToMaxLines();
  editor_.ensureCursorVisible();
}

void LineFlow::TrimToMaxLines() {
  QTextDocument* doc = editor_.document();
  const int excess = doc->blockCount() - ExpressionEditor::kMaxLines;
  if (excess <= 0) return;
  // The oldest lines go in one cut; the caret's cursor follows the text, so
  // it keeps its place relative to what remains.
  QTextCursor c(doc);
  c.joinPreviousEditBlock();
  c.setPosition(0);
  c.setPosition(doc->findBlockByNumber(excess).position(), QTextCursor::KeepAnchor);
  c.removeSelectedText();
  c.endEditBlock();
}

}  // namespace vr
