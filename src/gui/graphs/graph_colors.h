#pragma once

#include <QColor>
#include <QFont>
#include <QPen>

namespace vr {

// The look the three graphs share: green curves, dotted blue axes and small
// fixed-pitch labels.
inline const QColor kCurveColor{0, 200, 0};

inline QPen AxisPen() {
  QPen pen(QColor(0, 0, 200), 1);
  pen.setStyle(Qt::DotLine);
  return pen;
}

inline QFont LabelFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(11);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace vr
