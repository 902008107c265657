#pragma once

#include <QColor>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextEdit>

#include "session/line_capacity.h"

namespace vr {

struct OptionsRecord;

// The expression window: plain text with character formats, one expression
// per line, no wrapping. Only the latest result is drawn bold in the
// highlight colour; everything else, including whatever the user types, is
// in the normal text colour.
class ExpressionEditor : public QTextEdit {
  Q_OBJECT

 public:
  // The window keeps at most this many lines; the oldest go first.
  static constexpr int kMaxLines = 500;
  // Point sizes selected by the "FontSize" index; other indexes take the last.
  static constexpr int kFontSizes[] = {9, 10, 11, 12, 14, 16};

  explicit ExpressionEditor(QWidget* parent = nullptr);

  int LineCount() const;
  // The text of line `lineIndex` (0-based) without its line break, cut to
  // `capacity` characters; empty for a line that does not exist.
  QString GetLineText(int lineIndex, int capacity = kLineCapacity) const;
  // Every line in order, whole.
  QStringList Lines() const;

  // Colours of normal text, the background and the latest result. The whole
  // text takes the normal colour, which also ends the highlighting.
  void SetColors(const QColor& text, const QColor& background, const QColor& highlight);
  // Font size from the "FontSize" index.
  void SetFontSizeIndex(int index);
  static int PointSizeForIndex(int index);
  // The font size and the colours the options hold ("FontSize", "TextColor",
  // "BackColor", "TextHighlight").
  void ApplyAppearance(const OptionsRecord& options);

  QTextCharFormat NormalFormat() const;
  QTextCharFormat ResultFormat() const;

  // Replaces the whole text with plain text in the normal format and puts
  // the caret at its end.
  void SetWindowText(const QString& text);

 signals:
  // Enter without Shift: evaluate the caret's line.
  void evaluateRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  QColor textColor_{Qt::black};
  QColor highlightColor_{0, 0, 200};
};

}  // namespace vr
