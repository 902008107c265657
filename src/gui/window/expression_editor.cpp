#include "gui/window/expression_editor.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <iterator>

#include "gui/controls/color_ref.h"
#include "gui/window/line_breaks.h"
#include "options/options_record.h"

namespace vr {

ExpressionEditor::ExpressionEditor(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setLineWrapMode(QTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setTabChangesFocus(false);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  SetFontSizeIndex(1);

  // Typing goes in the normal format wherever the caret lands, also right
  // behind the highlighted result. With a selection the format must not be
  // touched: it would restyle the selected text.
  connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
    if (!textCursor().hasSelection()) setCurrentCharFormat(NormalFormat());
  });
}

void ExpressionEditor::ApplyAppearance(const OptionsRecord& options) {
  SetFontSizeIndex(options.fontSize);
  SetColors(ColorFromColorRef(options.textColor), ColorFromColorRef(options.backColor),
            ColorFromColorRef(options.textHighlight));
}

int ExpressionEditor::LineCount() const { return document()->blockCount(); }

QString ExpressionEditor::GetLineText(int lineIndex, int capacity) const {
  const QTextBlock block = document()->findBlockByNumber(lineIndex);
  if (!block.isValid()) return {};
  QString text = block.text();
  if (text.size() <= capacity) return text;
  // Never keep half of a character that takes two UTF-16 units.
  qsizetype cut = capacity;
  if (cut > 0 && text.at(cut - 1).isHighSurrogate()) --cut;
  return text.left(cut);
}

QStringList ExpressionEditor::Lines() const {
  QStringList lines;
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) lines << b.text();
  return lines;
}

void ExpressionEditor::SetColors(const QColor& text, const QColor& background,
                                 const QColor& highlight) {
  textColor_ = text;
  highlightColor_ = highlight;
  // Normal text carries no colour of its own: it is drawn in the palette's
  // text colour, so changing the colour needs no edit of the document.
  QPalette p = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Base, background);
    p.setColor(group, QPalette::Text, text);
  }
  setPalette(p);
}

int ExpressionEditor::PointSizeForIndex(int index) {
  constexpr int count = static_cast<int>(std::size(kFontSizes));
  return (index >= 0 && index < count) ? kFontSizes[index] : kFontSizes[count - 1];
}

void ExpressionEditor::SetFontSizeIndex(int index) {
  QFont f = font();
  f.setPointSize(PointSizeForIndex(index));
  setFont(f);
  // Bigger letters push the caret's line down, out of the part shown.
  ensureCursorVisible();
}

QTextCharFormat ExpressionEditor::NormalFormat() const {
  QTextCharFormat f;
  f.setFontWeight(QFont::Normal);
  return f;
}

QTextCharFormat ExpressionEditor::ResultFormat() const {
  QTextCharFormat f;
  f.setFontWeight(QFont::Bold);
  f.setForeground(highlightColor_);
  return f;
}

void ExpressionEditor::SetWindowText(const QString& text) {
  setPlainText(NormalizeLineBreaks(text));
  moveCursor(QTextCursor::End);
  setCurrentCharFormat(NormalFormat());
}

void ExpressionEditor::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    event->accept();
    if (event->modifiers() & Qt::ShiftModifier) {
      // A line break without evaluating. QTextEdit would insert a soft line
      // break here, which would make two lines look like one.
      QTextCursor c = textCursor();
      c.insertBlock(c.blockFormat(), NormalFormat());
      setTextCursor(c);
      ensureCursorVisible();
      return;
    }
    emit evaluateRequested();
    return;
  }
  if (key == Qt::Key_Escape) {
    event->accept();  // never closes the window
    return;
  }
  QTextEdit::keyPressEvent(event);
}

bool ExpressionEditor::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText();
}

void ExpressionEditor::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return;
  QTextCursor c = textCursor();
  c.insertText(NormalizeLineBreaks(source->text()), NormalFormat());
  setTextCursor(c);
  ensureCursorVisible();
}

}  // namespace vr
