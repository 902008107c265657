#pragma once

#include <QString>
#include <functional>

#include "gui/window/editor_output.h"

namespace vr {

class CalculatorSession;
class ExpressionEditor;
class LineRunner;

// The road from Enter to the result line: which text of the expression
// window is evaluated, where the result goes and how it looks.
class LineFlow {
 public:
  LineFlow(ExpressionEditor& editor, CalculatorSession& session);

  // Evaluates the caret's line and writes the result directly below it, bold
  // in the highlight colour, with the caret on a fresh line after it.
  // moveToLineEnd evaluates the whole line instead of splitting it at the
  // caret.
  void EvaluateCurrentLine(bool moveToLineEnd);

  // The text shown for one line; empty when nothing is shown.
  QString CalculateLine(const QString& line) { return CalculateLine(line, line); }
  // The same for a typed line that runs rewritten (see CalculatorSession).
  QString CalculateLine(const QString& typed, const QString& evaluated);

  // A hook that may rewrite the line before it is calculated (unit
  // conversion mode wraps it in a conversion).
  void SetLineRewriter(std::function<QString(const QString&)> rewriter) {
    rewriter_ = std::move(rewriter);
  }

  OutputSink& Output() { return output_; }

  // Lines then run through `runner`, which keeps the window alive while
  // they take long; without one they run plainly.
  void SetRunner(LineRunner* runner) { runner_ = runner; }

 private:
  void TrimToMaxLines();

  ExpressionEditor& editor_;
  CalculatorSession& session_;
  EditorOutput output_;
  std::function<QString(const QString&)> rewriter_;
  LineRunner* runner_ = nullptr;
};

// Puts plain text on the clipboard; false when there is no clipboard.
bool CopyToClipboard(const QString& text);

}  // namespace vr
