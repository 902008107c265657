#include "gui/controls/round_button.h"

#include <QConicalGradient>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <cmath>
#include <numbers>

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

// A ring one pixel wide through the middles of the pixels an outline of
// radii (rx, ry) would set, drawn smooth.
void DrawSmoothOutline(QPainter& p, QPointF middle, int rx, int ry, const QBrush& brush) {
  if (rx <= 0 || ry <= 0) return;
  p.setPen(QPen(brush, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(middle, rx, ry);
}

// The shading of an outline as a brush: the colour each direction from
// the middle gets, so a smooth ring shades as the pixel-wise one does.
QBrush ShadedBrush(QPointF middle, const QColor& toward, const QColor& away) {
  constexpr int kStops = 72;
  constexpr double kReach = 10000.0;  // far enough out for the direction to be exact
  QConicalGradient gradient(middle, 0.0);
  for (int i = 0; i <= kStops; ++i) {
    // The gradient turns counter-clockwise on the screen, y downward.
    const double angle = 2.0 * std::numbers::pi * i / kStops;
    gradient.setColorAt(static_cast<double>(i) / kStops,
                        RoundButton::ShadedColour(static_cast<int>(std::lround(kReach * std::cos(angle))),
                                                  static_cast<int>(std::lround(-kReach * std::sin(angle))),
                                                  toward, away));
  }
  return QBrush(gradient);
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

bool RoundButton::hitButton(const QPoint& pos) const {
  return QRegion(rect(), QRegion::Ellipse).contains(pos);
}

void RoundButton::SetHovering(bool on) {
  if (hovering_ == on) return;
  hovering_ = on;
  update();
}

void RoundButton::enterEvent(QEnterEvent* event) {
  QPushButton::enterEvent(event);
  SetHovering(hitButton(event->position().toPoint()));
}

void RoundButton::mouseMoveEvent(QMouseEvent* event) {
  QPushButton::mouseMoveEvent(event);
  SetHovering(hitButton(event->position().toPoint()));
}

void RoundButton::leaveEvent(QEvent* event) {
  QPushButton::leaveEvent(event);
  SetHovering(false);
}

void RoundButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  // The key is the ellipse inscribed in its rectangle; around it the
  // keypad shows through. On a screen with several device pixels to a
  // pixel the ellipse, rings and disc are drawn smooth from their exact
  // outlines; at one to one they are set pixel by pixel.
  const bool fine = p.paintEngine()->paintDevice()->devicePixelRatio() != 1.0;
  if (fine) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.color(QPalette::Button));
    p.drawEllipse(QRectF(rect()));
  } else {
    p.setClipRegion(QRegion(rect(), QRegion::Ellipse));
    p.fillRect(rect(), pal.color(QPalette::Button));
  }
  const QPoint c = Centre();
  // The outline points are pixel corners around c; their middles lie
  // around this point.
  const QPointF middle = QPointF(c) + QPointF(0.5, 0.5);
  int rx = RadiusX();
  int ry = RadiusY();
  if (hovering_ && isEnabled()) {
    p.setPen(hoverColour_);
    p.setBrush(hoverColour_);
    if (fine) {
      p.drawEllipse(QRectF(3.5, 3.5, 2 * rx - 3, 2 * ry - 3));
    } else {
      p.drawEllipse(QRect(QPoint(3, 3), QPoint(2 * rx, 2 * ry)));
    }
  }

  // The desktop's 3D colours: highlight, light, shadow and dark shadow.
  const QColor highlight = pal.color(QPalette::Light);
  const QColor light = pal.color(QPalette::Midlight);
  const QColor shadow = pal.color(QPalette::Dark);
  const QColor dark = pal.color(QPalette::Shadow);
  const bool pressed = isDown();
  auto ring = [&](const QColor& a, const QColor& b) {
    if (fine) {
      DrawSmoothOutline(p, middle, rx, ry, ShadedBrush(middle, a, b));
    } else {
      DrawOutline(p, c, rx, ry, false, [&](int dx, int dy) { return ShadedColour(dx, dy, a, b); });
    }
    --rx;
    --ry;
  };
  auto plainRing = [&](const QColor& colour) {
    if (fine) {
      DrawSmoothOutline(p, middle, rx, ry, colour);
    } else {
      DrawOutline(p, c, rx, ry, false, [&](int, int) { return colour; });
    }
    --rx;
    --ry;
  };
  if (isFlat()) {
    plainRing(Qt::black);
    plainRing(highlight);
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
