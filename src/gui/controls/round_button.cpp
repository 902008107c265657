#include "gui/controls/round_button.h"

#include <QEnterEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <cmath>

namespace vr {

namespace {

// Plots the outline point by point, each in the colour `colourOf` gives it;
// `dotted` keeps every other point only.
template <typename ColourOf>
void DrawOutline(QPainter& p, QPoint centre, int rx, int ry, bool dotted, ColourOf colourOf) {
  if (rx <= 0 || ry <= 0) return;
  const std::vector<QPoint> points = RoundButton::EllipsePoints(centre, rx, ry);
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (dotted && (i / 4) % 2 == 1) continue;  // four symmetric points per step
    const QPoint& pt = points[i];
    p.setPen(colourOf(pt.x() - centre.x(), pt.y() - centre.y()));
    p.drawPoint(pt);
  }
}

}  // namespace

RoundButton::RoundButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
  setMouseTracking(true);
  textColour_ = palette().color(QPalette::ButtonText);
}

void RoundButton::SetTextColour(const QColor& colour) {
  if (textColour_ == colour) return;
  textColour_ = colour;
  update();
}

void RoundButton::SetHoverColour(const QColor& colour) {
  if (hoverColour_ == colour) return;
  hoverColour_ = colour;
  update();
}

std::vector<QPoint> RoundButton::EllipsePoints(QPoint centre, int radiusX, int radiusY) {
  std::vector<QPoint> points;
  if (radiusX < 0 || radiusY < 0) return points;
  const long long a2 = static_cast<long long>(radiusX) * radiusX;
  const long long b2 = static_cast<long long>(radiusY) * radiusY;
  auto plot = [&](int x, int y) {
    points.emplace_back(centre.x() + x, centre.y() + y);
    points.emplace_back(centre.x() - x, centre.y() + y);
    points.emplace_back(centre.x() - x, centre.y() - y);
    points.emplace_back(centre.x() + x, centre.y() - y);
  };
  // Region 1: the slope is above -1, x steps every time.
  long long x = 0;
  long long y = radiusY;
  long long d = 4 * b2 - 4 * a2 * radiusY + a2;
  while (b2 * x <= a2 * y) {
    plot(static_cast<int>(x), static_cast<int>(y));
    if (d >= 0) {
      d += 8 * a2 * (1 - y);
      --y;
    }
    d += 4 * b2 * (2 * x + 3);
    ++x;
  }
  // Region 2: y steps every time, from the bottom of the arc to y = 0.
  x = radiusX;
  y = 0;
  d = 4 * a2 - 4 * b2 * radiusX + b2;
  while (a2 * y <= b2 * x) {
    plot(static_cast<int>(x), static_cast<int>(y));
    if (d >= 0) {
      d += 8 * b2 * (1 - x);
      --x;
    }
    d += 4 * a2 * (2 * y + 3);
    ++y;
  }
  return points;
}

QColor RoundButton::ShadedColour(int dx, int dy, const QColor& toward, const QColor& away) {
  const double phi = std::atan2(static_cast<double>(dy), static_cast<double>(dx));
  double s = -2.356 - phi;
  if (s < -3.1415) {
    s += 6.293;
  } else if (s > 3.1415) {
    s = 6.293 - s;
  }
  const double t = (std::cos(s) + 1.0) / 2.0;
  auto mix = [t](int a, int b) { return static_cast<int>(a * t + b * (1.0 - t)); };
  return {mix(toward.red(), away.red()), mix(toward.green(), away.green()),
          mix(toward.blue(), away.blue())};
}

void RoundButton::resizeEvent(QResizeEvent* event) {
  QPushButton::resizeEvent(event);
  setMask(QRegion(rect(), QRegion::Ellipse));
}

bool RoundButton::hitButton(const QPoint& pos) const {
  return QRegion(rect(), QRegion::Ellipse).contains(pos);
}

void RoundButton::enterEvent(QEnterEvent* event) {
  QPushButton::enterEvent(event);
  if (!hovering_) {
    hovering_ = true;
    update();
  }
}

void RoundButton::leaveEvent(QEvent* event) {
  QPushButton::leaveEvent(event);
  hovering_ = false;
  update();
}

void RoundButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Button));
  const QPoint c = Centre();
  int rx = RadiusX();
  int ry = RadiusY();
  if (hovering_ && isEnabled()) {
    p.setPen(hoverColour_);
    p.setBrush(hoverColour_);
    p.drawEllipse(QRect(QPoint(3, 3), QPoint(2 * rx, 2 * ry)));
  }

  // The desktop's 3D colours: highlight, light, shadow and dark shadow.
  const QColor highlight = pal.color(QPalette::Light);
  const QColor light = pal.color(QPalette::Midlight);
  const QColor shadow = pal.color(QPalette::Dark);
  const QColor dark = pal.color(QPalette::Shadow);
  const bool pressed = isDown();
  auto ring = [&](const QColor& a, const QColor& b) {
    DrawOutline(p, c, rx, ry, false, [&](int dx, int dy) { return ShadedColour(dx, dy, a, b); });
    --rx;
    --ry;
  };
  if (isFlat()) {
    DrawOutline(p, c, rx--, ry--, false, [](int, int) { return QColor(Qt::black); });
    DrawOutline(p, c, rx--, ry--, false, [&](int, int) { return highlight; });
  } else if (!pressed) {
    ring(highlight, dark);
    ring(highlight, shadow);
  } else {
    ring(dark, highlight);
    ring(shadow, light);
  }

  if (!text().isEmpty()) {
    p.setFont(font());
    QPainterPath clip;
    clip.addEllipse(QRect(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry));
    p.setClipPath(clip);
    QRect textRect = rect();
    if (pressed) textRect.translate(1, 1);
    p.setPen(isEnabled() ? textColour_ : pal.color(QPalette::Disabled, QPalette::ButtonText));
    p.drawText(textRect, Qt::AlignCenter, text());
    p.setClipping(false);
  }
}

}  // namespace vr
