#include "gui/window/text_insertion.h"

#include <QTextCursor>

#include "gui/window/expression_editor.h"

namespace vr {

void InsertText(ExpressionEditor& editor, const QString& text, bool isFunction) {
  QTextCursor c = editor.textCursor();
  // Inserted text takes the normal colour even next to the highlighted
  // result.
  const QTextCharFormat format = editor.NormalFormat();
  const QString selected = c.selectedText();
  c.beginEditBlock();
  if (isFunction) {
    if (!selected.isEmpty()) {
      c.insertText(text + QLatin1Char('(') + selected + QLatin1Char(')'), format);
    } else {
      c.insertText(text + QStringLiteral("()"), format);
      c.movePosition(QTextCursor::PreviousCharacter);
    }
  } else if ((text == QLatin1String("(") || text == QLatin1String(")")) && !selected.isEmpty()) {
    c.insertText(QLatin1Char('(') + selected + QLatin1Char(')'), format);
  } else {
    c.insertText(text, format);
  }
  c.endEditBlock();
  editor.setTextCursor(c);
  editor.ensureCursorVisible();
}

void DeleteBackwards(ExpressionEditor& editor) {
  QTextCursor c = editor.textCursor();
  if (!c.hasSelection()) {
    if (c.position() == 0) return;
    c.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
  }
  c.removeSelectedText();
  editor.setTextCursor(c);
}

void ClearUndoably(ExpressionEditor& editor) {
  QTextCursor c = editor.textCursor();
  c.select(QTextCursor::Document);
  c.removeSelectedText();
  editor.setTextCursor(c);
}

}  // namespace vr
