#pragma once

#include <QObject>
#include <QString>

namespace vr {

class Keypad;

// Unit conversion mode: the unit lists that take the place of the top keys,
// and the wrapping of every evaluated line in the conversion between the
// two chosen units. The mode ("unitMode") is not saved; it starts off.
class UnitConversionMode : public QObject {
  Q_OBJECT

 public:
  explicit UnitConversionMode(Keypad& keypad, QObject* parent = nullptr);

  bool On() const;
  // Shows the unit lists (the types refilled, the first selected) or the
  // keys again.
  void Toggle();
  // The unit lists: refill the units of the shown type, swap the two units,
  // put the target back to the type's international unit.
  void OnUnitTypeChanged();
  void ExchangeUnits();
  void SelectInternationalUnit();
  // The unit types again, in the UI language now in force; only while on.
  void Retranslate();
  // The line as it is evaluated: wrapped while the mode is on.
  QString ConvertLine(const QString& line) const;

 signals:
  void toggled(bool on);
  // A choice was made in one of the lists; typing goes on in the editor.
  void listChosen();

 private:
  void FillUnitTypeList();

  Keypad& keypad_;
};

}  // namespace vr
