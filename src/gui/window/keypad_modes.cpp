#include "gui/window/keypad_modes.h"

#include <QString>

#include "gui/window/keypad.h"
#include "options/options_record.h"

namespace vr {

namespace {

const char* const kBaseCaptions[] = {"DEC", "Hex", "Oct", "Bin"};

}  // namespace

KeypadModes::KeypadModes(Keypad& keypad, QObject* parent) : QObject(parent), keypad_(keypad) {}

void KeypadModes::ToggleArc() {
  arc_ = !arc_;
  keypad_.SetArcColour(arc_);
}

void KeypadModes::SetAngleMode(bool radians) {
  Options().radian = radians ? 1 : 0;
  keypad_.SetAngleCaption(radians);
  emit angleModeChanged();
}

void KeypadModes::ToggleAngleMode() { SetAngleMode(Options().radian == 0); }

void KeypadModes::SetNumberBase(int base) {
  if (base < 0 || base > 3) return;
  Options().numberBase = base;
  ShowNumberBase();
}

void KeypadModes::ShowNumberBase() {
  // Any base the window does not know shows as decimal.
  const int base = Options().numberBase;
  const bool decimal = base < 1 || base > 3;
  keypad_.SetBaseCaption(QString::fromLatin1(kBaseCaptions[decimal ? 0 : base]), decimal);
}

}  // namespace vr
