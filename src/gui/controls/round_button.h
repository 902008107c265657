#pragma once

#include <QColor>
#include <QPoint>
#include <QPushButton>
#include <vector>

namespace vr {

// A key of the keypad: a push button clipped to the ellipse inscribed in
// its rectangle, drawn with a two-ring shaded edge lit from the upper left,
// a disc in the hover colour under the mouse and a centred caption. It never
// takes the keyboard focus, so the caret stays in the expression window
// while the keys are clicked. Only the ellipse is painted and takes clicks
// and hovering; the corners show the keypad. (A window mask would do the
// same but cut the edge in whole pixels, which shows on dense screens.)
class RoundButton : public QPushButton {
  Q_OBJECT

 public:
  explicit RoundButton(const QString& caption, QWidget* parent = nullptr);

  void SetTextColour(const QColor& colour);
  QColor TextColour() const { return textColour_; }
  void SetHoverColour(const QColor& colour);
  QColor HoverColour() const { return hoverColour_; }
  bool Hovering() const { return hovering_; }

  // Centre and radii of the drawn ellipse for the current size.
  QPoint Centre() const { return {width() / 2, height() / 2}; }
  int RadiusX() const { return width() / 2 - 1; }
  int RadiusY() const { return height() / 2 - 1; }

  // The points of an ellipse outline by the midpoint method, every quadrant
  // plotted from one computed arc.
  static std::vector<QPoint> EllipsePoints(QPoint centre, int radiusX, int radiusY);
  // The colour of an edge point at offset (dx, dy) from the centre (y
  // downward): `toward` at the upper left blending into `away` at the lower
  // right.
  static QColor ShadedColour(int dx, int dy, const QColor& toward, const QColor& away);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  void SetHovering(bool on);

  QColor textColour_;
  QColor hoverColour_{189, 193, 189};
  bool hovering_ = false;
};

}  // namespace vr
