#pragma once

#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

namespace vr {

// Colours are 0x00BBGGRR integers, as the options keep them. "Automatic"
// reports this marker (high byte set), which no real colour has.
inline constexpr std::uint32_t kAutomaticColour = 0xFF000000u;

struct NamedColour {
  const char* name;
  std::uint32_t colour;
};

// The 40 colours of the pop-up grid, in grid order (8 columns, 5 rows).
const std::array<NamedColour, 40>& ColourTable();

// Runs the desktop's colour dialog starting at `colour`; true with the new
// colour in `colour` when the user confirmed it.
using ColourDialogRunner = std::function<bool(std::uint32_t& colour, QWidget* parent)>;

// The grid that drops down under a ColourPicker: the 40 named colours, an
// optional "Automatic" box above them and an optional "More Colours..." box
// below. It ends with exactly one of chosen() and cancelled() and then
// deletes itself.
class ColourPopup : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kColumns = 8;
  static constexpr int kNone = -1;
  static constexpr int kCustom = -2;
  static constexpr int kAutomatic = -3;

  ColourPopup(const QPoint& topLeft, std::uint32_t colour, const QString& defaultText,
              const QString& customText, QWidget* parent = nullptr);

  // The highlighted choice: 0..39 a colour, kAutomatic, kCustom or kNone.
  int Current() const { return current_; }
  int Rows() const;
  // Where a choice is drawn, in the pop-up's coordinates; empty for none.
  QRect ChoiceRect(int choice) const;
  // The choice at (row, column): kAutomatic or kCustom for those rows when
  // the box exists, kNone outside the grid.
  int ChoiceAt(int row, int column) const;

  // The colour dialog behind "More Colours..."; tests put their own in,
  // an empty runner brings the desktop's back.
  static void SetColourDialog(ColourDialogRunner runner);

 signals:
  void selectionChanged(std::uint32_t colour);
  void chosen(std::uint32_t colour);
  void cancelled(std::uint32_t colour);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool event(QEvent* event) override;

 private:
  bool HasAutomatic() const { return !defaultText_.isEmpty(); }
  bool HasCustom() const { return !customText_.isEmpty(); }
  int TextBoxHeight() const;
  int GridTop() const;
  int ChoiceAtPoint(const QPoint& point) const;
  void Highlight(int choice);
  // The choice to take when moving past an end of the grid.
  int AfterLast() const;
  int BeforeFirst() const;
  int Next(int key) const;
  void End(bool confirmed);

  QString defaultText_;
  QString customText_;
  std::uint32_t initialColour_;
  std::uint32_t chosenColour_;
  int current_ = kNone;
  int margin_ = 2;
  int boxSize_ = 18;
  bool ended_ = false;
};

// A push button that shows a colour and drops down a ColourPopup to choose
// another. It reports every step of a choice through its signals.
class ColourPicker : public QPushButton {
  Q_OBJECT

 public:
  explicit ColourPicker(QWidget* parent = nullptr);

  std::uint32_t Colour() const { return colour_; }
  void SetColour(std::uint32_t colour);
  std::uint32_t DefaultColour() const { return defaultColour_; }
  void SetDefaultColour(std::uint32_t colour) { defaultColour_ = colour; }
  // When on, the button takes over every colour passed over in the pop-up.
  void SetTrackSelection(bool track) { trackSelection_ = track; }
  // An empty text removes that box from the pop-up.
  void SetDefaultText(const QString& text) { defaultText_ = text; }
  void SetCustomText(const QString& text) { customText_ = text; }
  bool IsActive() const { return active_; }
  // The open pop-up, or nullptr.
  ColourPopup* Popup() const { return popup_; }

  QSize sizeHint() const override;

 signals:
  void selectionChanged(std::uint32_t colour);
  void droppedDown(std::uint32_t colour);
  void closedUp(std::uint32_t colour);
  void selectionEnded(std::uint32_t colour);
  void selectionCancelled(std::uint32_t colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DropDown();
  void Finish(std::uint32_t colour, bool confirmed);

  std::uint32_t colour_;
  std::uint32_t defaultColour_;
  bool trackSelection_ = false;
  bool active_ = false;
  QString defaultText_;
  QString customText_;
  QPointer<ColourPopup> popup_;
};

}  // namespace vr
