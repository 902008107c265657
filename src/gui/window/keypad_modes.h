#pragma once

#include <QObject>

namespace vr {

class Keypad;

// The modes the keypad shows on its keys: arc mode (the trigonometric keys
// insert their inverses; it lives only as long as the window), the angle
// mode ("Radian") and the number base ("NumberBase"). The two settings live
// in the options; this keeps the keys' captions and colours in step with
// them.
class KeypadModes : public QObject {
  Q_OBJECT

 public:
  explicit KeypadModes(Keypad& keypad, QObject* parent = nullptr);

  bool Arc() const { return arc_; }
  void ToggleArc();

  void SetAngleMode(bool radians);
  void ToggleAngleMode();

  // 0 decimal, 1 hexadecimal, 2 octal, 3 binary; any other base is refused.
  void SetNumberBase(int base);
  // The base key's caption and colour for the "NumberBase" in force, which
  // the options file may have brought.
  void ShowNumberBase();

 signals:
  // The menu marks of the angle mode follow it.
  void angleModeChanged();

 private:
  Keypad& keypad_;
  bool arc_ = false;
};

}  // namespace vr
