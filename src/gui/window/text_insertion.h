#pragma once

#include <QString>

namespace vr {

class ExpressionEditor;

// How the keypad puts text into the expression window. Every change is one
// undo step.
//
// A function name wraps a non-empty selection in its call, "Sin(7+1)" with
// the caret after it; with nothing selected it inserts "Sin()" with the
// caret between the parentheses. "(" and ")" wrap a selection in
// parentheses; any other text replaces the selection.
void InsertText(ExpressionEditor& editor, const QString& text, bool isFunction);

// The "<-" key: deletes the selection, or else the character before the
// caret.
void DeleteBackwards(ExpressionEditor& editor);

// The "CLS" key: empties the window in a way that can be undone.
void ClearUndoably(ExpressionEditor& editor);

}  // namespace vr
