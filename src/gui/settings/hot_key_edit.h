#pragma once

#include <QKeySequenceEdit>
#include <cstdint>

namespace vr {

// The field in which the global hot key is pressed: exactly one chord. A key
// pressed without modifiers is taken as Control+Alt+key, so that a plain
// letter never becomes a desktop-wide key; Backspace or Delete alone clears
// the field. Tab still moves on to the next control.
class HotKeyEdit : public QKeySequenceEdit {
  Q_OBJECT

 public:
  explicit HotKeyEdit(QWidget* parent = nullptr);

  // The chord as the options keep it: virtual-key code (0: none) and the
  // modifier flags.
  void SetHotKey(std::uint16_t virtualKey, std::uint16_t modifiers);
  std::uint16_t VirtualKey() const;
  std::uint16_t Modifiers() const;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace vr
