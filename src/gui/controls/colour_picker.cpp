#include "gui/controls/colour_picker.h"

#include <QApplication>
#include <QColorDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>

#include "gui/controls/color_ref.h"

namespace vr {

namespace {

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
         (static_cast<std::uint32_t>(b) << 16);
}

constexpr int kColourCount = 40;

bool RunColourDialog(std::uint32_t& colour, QWidget* parent) {
  const QColor picked = QColorDialog::getColor(ColorFromColorRef(colour), parent);
  if (!picked.isValid()) return false;
  colour = ColorRefFromColor(picked);
  return true;
}

ColourDialogRunner& DialogRunner() {
  static ColourDialogRunner runner = RunColourDialog;
  return runner;
}

QColor Shown(std::uint32_t colour) {
  // The automatic marker is no colour of its own; it is drawn as the
  // desktop's button text, which is what "automatic" means for a label.
  if (colour == kAutomaticColour) return QApplication::palette().color(QPalette::ButtonText);
  return ColorFromColorRef(colour);
}

}  // namespace

const std::array<NamedColour, 40>& ColourTable() {
  static const std::array<NamedColour, 40> table = {{
      {"Black", Rgb(0, 0, 0)},
      {"Brown", Rgb(165, 42, 0)},
      {"Dark Olive Green", Rgb(0, 64, 64)},
      {"Dark Green", Rgb(0, 85, 0)},
      {"Dark Teal", Rgb(0, 0, 94)},
      {"Dark blue", Rgb(0, 0, 139)},
      {"Indigo", Rgb(75, 0, 130)},
      {"Dark grey", Rgb(40, 40, 40)},
      {"Dark red", Rgb(139, 0, 0)},
      {"Orange", Rgb(255, 104, 32)},
      {"Dark yellow", Rgb(139, 139, 0)},
      {"Green", Rgb(0, 147, 0)},
      {"Teal", Rgb(56, 142, 142)},
      {"Blue", Rgb(0, 0, 255)},
      {"Blue-grey", Rgb(123, 123, 192)},
      {"Grey - 40", Rgb(102, 102, 102)},
      {"Red", Rgb(255, 0, 0)},
      {"Light orange", Rgb(255, 173, 91)},
      {"Lime", Rgb(50, 205, 50)},
      {"Sea green", Rgb(60, 179, 113)},
      {"Aqua", Rgb(127, 255, 212)},
      {"Light blue", Rgb(125, 158, 192)},
      {"Violet", Rgb(128, 0, 128)},
      {"Grey - 50", Rgb(127, 127, 127)},
      {"Pink", Rgb(255, 192, 203)},
      {"Gold", Rgb(255, 215, 0)},
      {"Yellow", Rgb(255, 255, 0)},
      {"Bright green", Rgb(0, 255, 0)},
      {"Turquoise", Rgb(64, 224, 208)},
      {"Skyblue", Rgb(192, 255, 255)},
      {"Plum", Rgb(72, 0, 72)},
      {"Light grey", Rgb(192, 192, 192)},
      {"Rose", Rgb(255, 228, 225)},
      {"Tan", Rgb(210, 180, 140)},
      {"Light yellow", Rgb(255, 255, 224)},
      {"Pale green ", Rgb(152, 251, 152)},
      {"Pale turquoise", Rgb(175, 238, 238)},
      {"Pale blue", Rgb(104, 131, 139)},
      {"Lavender", Rgb(230, 230, 250)},
      {"White", Rgb(255, 255, 255)},
  }};
  return table;
}

// ---------------------------------------------------------------- pop-up --

ColourPopup::ColourPopup(const QPoint& topLeft, std::uint32_t colour, const QString& defaultText,
                         const QString& customText, QWidget* parent)
    : QWidget(parent, Qt::Popup),
      defaultText_(defaultText),
      customText_(customText),
      initialColour_(colour),
      chosenColour_(colour) {
  setAttribute(Qt::WA_DeleteOnClose);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  margin_ = std::max(1, style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
  if (boxSize_ - 2 * margin_ - 2 < 5) boxSize_ = 2 * margin_ + 7;

  if (colour == kAutomaticColour && HasAutomatic()) {
    current_ = kAutomatic;
  } else {
    current_ = kNone;
    for (int i = 0; i < kColourCount; ++i) {
      if (ColourTable()[static_cast<std::size_t>(i)].colour == colour) {
        current_ = i;
        break;
      }
    }
    if (current_ == kNone && HasCustom()) current_ = kCustom;
  }

  int height = margin_ + Rows() * boxSize_ + margin_;
  if (HasAutomatic()) height += TextBoxHeight() + margin_;
  if (HasCustom()) height += TextBoxHeight() + margin_;
  const QSize size(kColumns * boxSize_ + 2 * margin_, height);
  // Kept on the screen the button is on, as a drop-down list would be.
  QPoint place = topLeft;
  if (const QScreen* screen = QApplication::screenAt(topLeft)) {
    const QRect area = screen->availableGeometry();
    if (place.x() + size.width() > area.right()) place.setX(area.right() - size.width());
    if (place.y() + size.height() > area.bottom()) place.setY(area.bottom() - size.height());
    place.setX(std::max(place.x(), area.left()));
    place.setY(std::max(place.y(), area.top()));
  }
  setGeometry(QRect(place, size));
}

void ColourPopup::SetColourDialog(ColourDialogRunner runner) {
  DialogRunner() = runner ? std::move(runner) : ColourDialogRunner(RunColourDialog);
}

int ColourPopup::Rows() const {
  return kColourCount / kColumns + (kColourCount % kColumns ? 1 : 0);
}

int ColourPopup::TextBoxHeight() const { return fontMetrics().height() + 2 * margin_ + 4; }

int ColourPopup::GridTop() const {
  return margin_ + (HasAutomatic() ? TextBoxHeight() + margin_ : 0);
}

int ColourPopup::ChoiceAt(int row, int column) const {
  if (row == kAutomatic || column == kAutomatic) return HasAutomatic() ? kAutomatic : kNone;
  if (row == kCustom || column == kCustom) return HasCustom() ? kCustom : kNone;
  if (row < 0 || column < 0 || row >= Rows() || column >= kColumns) return kNone;
  const int index = row * kColumns + column;
  return index < kColourCount ? index : kNone;
}

QRect ColourPopup::ChoiceRect(int choice) const {
  const int fullWidth = kColumns * boxSize_;
  if (choice == kAutomatic && HasAutomatic())
    return QRect(margin_, margin_, fullWidth, TextBoxHeight());
  if (choice == kCustom && HasCustom())
    return QRect(margin_, GridTop() + Rows() * boxSize_ + margin_, fullWidth, TextBoxHeight());
  if (choice < 0 || choice >= kColourCount) return {};
  return QRect((choice % kColumns) * boxSize_ + margin_, (choice / kColumns) * boxSize_ + GridTop(),
               boxSize_, boxSize_);
}

int ColourPopup::ChoiceAtPoint(const QPoint& point) const {
  for (int choice : {kAutomatic, kCustom})
    if (ChoiceRect(choice).contains(point)) return choice;
  const int x = point.x() - margin_;
  const int y = point.y() - GridTop();
  if (x < 0 || y < 0) return kNone;
  return ChoiceAt(y / boxSize_, x / boxSize_);
}

int ColourPopup::AfterLast() const {
  if (HasCustom()) return kCustom;
  if (HasAutomatic()) return kAutomatic;
  return 0;
}

int ColourPopup::BeforeFirst() const {
  if (HasAutomatic()) return kAutomatic;
  if (HasCustom()) return kCustom;
  return kColourCount - 1;
}

int ColourPopup::Next(int key) const {
  const int last = kColourCount - 1;
  const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
  if (current_ == kAutomatic) return forward ? 0 : (HasCustom() ? kCustom : last);
  if (current_ == kCustom) return forward ? (HasAutomatic() ? kAutomatic : 0) : last;
  if (current_ == kNone) return forward ? 0 : last;
  const int row = current_ / kColumns;
  const int column = current_ % kColumns;
  switch (key) {
    case Qt::Key_Down: {
      const int next = ChoiceAt(row + 1, column);
      return next == kNone ? AfterLast() : next;
    }
    case Qt::Key_Right:
      return current_ + 1 < kColourCount ? current_ + 1 : AfterLast();
    case Qt::Key_Up:
      return row >= 1 ? ChoiceAt(row - 1, column) : BeforeFirst();
    case Qt::Key_Left:
      if (column > 0) return current_ - 1;
      return row >= 1 ? ChoiceAt(row - 1, kColumns - 1) : BeforeFirst();
    default:
      return current_;
  }
}

void ColourPopup::Highlight(int choice) {
  if (choice == current_) return;
  update(ChoiceRect(current_).adjusted(-1, -1, 1, 1));
  current_ = choice;
  update(ChoiceRect(current_).adjusted(-1, -1, 1, 1));
  if (choice >= 0) {
    chosenColour_ = ColourTable()[static_cast<std::size_t>(choice)].colour;
  } else if (choice == kAutomatic) {
    chosenColour_ = kAutomaticColour;
  } else {
    chosenColour_ = initialColour_;
  }
  emit selectionChanged(chosenColour_);
}

void ColourPopup::End(bool confirmed) {
  if (ended_) return;
  ended_ = true;
  hide();
  if (confirmed && current_ == kCustom) {
    std::uint32_t colour = initialColour_;
    confirmed = DialogRunner()(colour, parentWidget());
    chosenColour_ = confirmed ? colour : initialColour_;
  }
  if (!confirmed) chosenColour_ = initialColour_;
  if (confirmed) {
    emit chosen(chosenColour_);
  } else {
    emit cancelled(chosenColour_);
  }
  deleteLater();
}

void ColourPopup::mouseMoveEvent(QMouseEvent* event) {
  const int choice = ChoiceAtPoint(event->position().toPoint());
  if (choice != kNone) Highlight(choice);
}

void ColourPopup::mouseReleaseEvent(QMouseEvent* event) {
  End(rect().contains(event->position().toPoint()));
}

void ColourPopup::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      End(true);
      return;
    case Qt::Key_Escape:
      chosenColour_ = initialColour_;
      End(false);
      return;
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Right:
      Highlight(Next(event->key()));
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void ColourPopup::hideEvent(QHideEvent* event) {
  // A click elsewhere closes a pop-up without asking it first: that ends
  // the choice as cancelled.
  QWidget::hideEvent(event);
  if (!ended_) End(false);
}

bool ColourPopup::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int choice = ChoiceAtPoint(help->pos());
    if (choice >= 0) {
      QToolTip::showText(help->globalPos(),
                         QString::fromLatin1(ColourTable()[static_cast<std::size_t>(choice)].name),
                         this, ChoiceRect(choice));
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(event);
}

void ColourPopup::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Window));
  p.setPen(pal.color(QPalette::Dark));
  p.drawRect(rect().adjusted(0, 0, -1, -1));

  auto frame = [&](const QRect& r, bool highlighted, bool selected) {
    if (highlighted) {
      p.fillRect(r, pal.color(QPalette::Highlight).lighter(170));
      p.setPen(pal.color(QPalette::Highlight));
      p.drawRect(r.adjusted(0, 0, -1, -1));
    } else if (selected) {
      p.setPen(pal.color(QPalette::Dark));
      p.drawRect(r.adjusted(0, 0, -1, -1));
    }
  };

  for (int i = 0; i < kColourCount; ++i) {
    const QRect cell = ChoiceRect(i);
    const std::uint32_t colour = ColourTable()[static_cast<std::size_t>(i)].colour;
    frame(cell, i == current_, colour == initialColour_);
    const QRect swatch = cell.adjusted(margin_ + 1, margin_ + 1, -margin_ - 1, -margin_ - 1);
    p.fillRect(swatch, ColorFromColorRef(colour));
    p.setPen(pal.color(QPalette::Shadow));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
  }

  p.setFont(font());
  for (int choice : {kAutomatic, kCustom}) {
    const QRect box = ChoiceRect(choice);
    if (box.isEmpty()) continue;
    frame(box, choice == current_, false);
    if (choice == kAutomatic && initialColour_ == kAutomaticColour && current_ != choice) {
      p.setPen(pal.color(QPalette::Dark));
      p.drawRect(box.adjusted(0, 0, -1, -1));
    }
    p.setPen(pal.color(QPalette::WindowText));
    p.drawText(box, Qt::AlignCenter, choice == kAutomatic ? defaultText_ : customText_);
  }
}

// ---------------------------------------------------------------- button --

ColourPicker::ColourPicker(QWidget* parent)
    : QPushButton(parent),
      colour_(ColorRefFromColor(QApplication::palette().color(QPalette::Button))),
      defaultColour_(ColorRefFromColor(QApplication::palette().color(QPalette::ButtonText))),
      defaultText_(QStringLiteral("Automatic")),
      customText_(QStringLiteral("More Colours...")) {
  connect(this, &QPushButton::clicked, this, &ColourPicker::DropDown);
}

void ColourPicker::SetColour(std::uint32_t colour) {
  colour_ = colour;
  update();
}

QSize ColourPicker::sizeHint() const {
  const QSize base = QPushButton::sizeHint();
  return {std::max(base.width(), fontMetrics().height() * 4), base.height()};
}

void ColourPicker::DropDown() {
  if (popup_) return;
  active_ = true;
  auto* popup = new ColourPopup(mapToGlobal(rect().bottomLeft() + QPoint(0, 1)), colour_,
                                defaultText_, customText_, this);
  popup_ = popup;
  connect(popup, &ColourPopup::selectionChanged, this, [this](std::uint32_t colour) {
    if (trackSelection_) SetColour(colour);
    emit selectionChanged(colour);
  });
  connect(popup, &ColourPopup::chosen, this,
          [this](std::uint32_t colour) { Finish(colour, true); });
  connect(popup, &ColourPopup::cancelled, this,
          [this](std::uint32_t colour) { Finish(colour, false); });
  emit droppedDown(colour_);
  popup->show();
  popup->setFocus();
}

void ColourPicker::Finish(std::uint32_t colour, bool confirmed) {
  active_ = false;
  popup_ = nullptr;
  SetColour(colour);
  emit closedUp(colour);
  if (confirmed) {
    emit selectionEnded(colour);
  } else {
    emit selectionCancelled(colour);
  }
}

void ColourPicker::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  if (active_) option.state |= QStyle::State_Sunken;
  p.drawControl(QStyle::CE_PushButton, option);

  // The colour fills the face; a drop-down arrow on the right says that a
  // choice opens below.
  const QRect face = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  const int arrowWidth = std::max(8, face.height() / 2);
  const QRect arrow(face.right() - arrowWidth, face.top(), arrowWidth, face.height());
  const QRect swatch = QRect(face.left(), face.top(), face.width() - arrowWidth - 4, face.height())
                           .adjusted(1, 2, 0, -2);
  p.fillRect(swatch, isEnabled() ? Shown(colour_) : palette().color(QPalette::Window));
  p.setPen(palette().color(isEnabled() ? QPalette::Shadow : QPalette::Mid));
  p.drawRect(swatch.adjusted(0, 0, -1, -1));
  p.setPen(palette().color(QPalette::Mid));
  p.drawLine(arrow.left() - 2, face.top() + 2, arrow.left() - 2, face.bottom() - 2);
  QStyleOption arrowOption;
  arrowOption.initFrom(this);
  arrowOption.rect = arrow;
  p.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrowOption);
}

}  // namespace vr
