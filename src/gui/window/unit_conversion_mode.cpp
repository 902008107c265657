#include "gui/window/unit_conversion_mode.h"

#include <QComboBox>
#include <string>
#include <vector>

#include "gui/window/keypad.h"
#include "options/options_record.h"
#include "units/unit_converter.h"
#include "units/unit_tables.h"

namespace vr {

namespace {

void FillList(QComboBox* list, const std::vector<std::string>& names) {
  list->clear();
  for (const std::string& name : names) list->addItem(QString::fromStdString(name));
}

bool English() { return Options().english != 0; }

}  // namespace

UnitConversionMode::UnitConversionMode(Keypad& keypad, QObject* parent)
    : QObject(parent), keypad_(keypad) {
  connect(keypad_.UnitTypeList(), &QComboBox::activated, this,
          &UnitConversionMode::OnUnitTypeChanged);
  for (QComboBox* list : {keypad_.UnitTypeList(), keypad_.FromList(), keypad_.ToList()})
    connect(list, &QComboBox::activated, this, &UnitConversionMode::listChosen);
}

bool UnitConversionMode::On() const { return Options().unitMode != 0; }

void UnitConversionMode::Toggle() {
  const bool on = !On();
  Options().unitMode = on ? 1 : 0;
  keypad_.ShowUnitControls(on);
  if (on) FillUnitTypeList();
  emit toggled(on);
}

void UnitConversionMode::Retranslate() {
  if (On()) FillUnitTypeList();
}

void UnitConversionMode::FillUnitTypeList() {
  QComboBox* types = keypad_.UnitTypeList();
  FillList(types, UnitTypeNames(Units(), English()));
  if (types->count() == 0) {
    keypad_.FromList()->clear();
    keypad_.ToList()->clear();
    return;
  }
  types->setCurrentIndex(0);
  OnUnitTypeChanged();
}

void UnitConversionMode::OnUnitTypeChanged() {
  const std::string key =
      GetUnitTypeKey(Units(), keypad_.UnitTypeList()->currentText().toStdString(), English());
  if (key.empty()) return;
  const std::vector<std::string> names = UnitNames(Units(), English(), key);
  for (QComboBox* list : {keypad_.FromList(), keypad_.ToList()}) {
    FillList(list, names);
    if (list->count() > 0) list->setCurrentIndex(0);
  }
}

void UnitConversionMode::ExchangeUnits() {
  QComboBox* from = keypad_.FromList();
  QComboBox* to = keypad_.ToList();
  const int a = from->currentIndex();
  const int b = to->currentIndex();
  if (a < 0 || b < 0) return;
  from->setCurrentIndex(b);
  to->setCurrentIndex(a);
}

void UnitConversionMode::SelectInternationalUnit() {
  if (keypad_.ToList()->count() > 0) keypad_.ToList()->setCurrentIndex(0);
}

QString UnitConversionMode::ConvertLine(const QString& line) const {
  if (!On()) return line;
  UnitSelection s;
  s.typeName = keypad_.UnitTypeList()->currentText().toStdString();
  s.fromName = keypad_.FromList()->currentText().toStdString();
  s.toName = keypad_.ToList()->currentText().toStdString();
  s.fromIndex = keypad_.FromList()->currentIndex();
  s.toIndex = keypad_.ToList()->currentIndex();
  return QString::fromStdString(vr::ConvertLine(Units(), English(), s, line.toStdString()));
}

}  // namespace vr
