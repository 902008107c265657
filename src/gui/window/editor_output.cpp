#include "gui/window/editor_output.h"

#include <QTextCursor>

#include "gui/window/expression_editor.h"
#include "gui/window/line_breaks.h"

namespace vr {

void EditorOutput::WriteLine(std::string_view text) {
  QTextCursor c = editor_.textCursor();
  const QString line =
      NormalizeLineBreaks(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  c.insertText(line, editor_.NormalFormat());
  c.insertBlock(c.blockFormat(), editor_.NormalFormat());
  editor_.setTextCursor(c);
}

void EditorOutput::ClearWindow() {
  // Through a cursor rather than clear(), so that an accidental "cls" can be
  // undone.
  QTextCursor c = editor_.textCursor();
  c.select(QTextCursor::Document);
  c.removeSelectedText();
  c.setCharFormat(editor_.NormalFormat());
  editor_.setTextCursor(c);
}

}  // namespace vr
