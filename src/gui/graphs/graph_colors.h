#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QPolygonF>
#include <vector>

#include "graphs/pixel_point.h"

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

// A picture with more than one device pixel to a pixel: it is drawn from
// the unrounded geometry, antialiased. At one to one the pixels are set
// exactly as the drawing rules place them.
inline bool IsFine(const QImage& picture) { return picture.devicePixelRatio() != 1.0; }

// Pixel (c, r) is the square from (c, r) to (c + 1, r + 1): a line through
// it runs through its middle.
inline void PrepareFinePainter(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(0.5, 0.5);
}

inline void DrawFineCurve(QPainter& painter, const std::vector<FinePoint>& curve) {
  if (curve.empty()) return;
  QPolygonF line;
  line.reserve(static_cast<qsizetype>(curve.size()));
  for (const FinePoint& p : curve) line << QPointF(p.x, p.y);
  painter.drawPolyline(line);
}

// The same at one to one: the curve through the pixels the drawing rules
// placed.
inline void DrawPixelCurve(QPainter& painter, const std::vector<PixelPoint>& curve) {
  if (curve.empty()) return;
  QPolygon line;
  line.reserve(static_cast<qsizetype>(curve.size()));
  for (const PixelPoint& p : curve) line << QPoint(p.x, p.y);
  painter.drawPolyline(line);
}

}  // namespace vr
