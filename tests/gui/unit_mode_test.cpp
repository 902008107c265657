// Unit conversion mode: the lists beside the editor, the keys that work on
// them and the wrapping of every evaluated line.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTest>

#include "gui/controls/round_button.h"
#include "gui/window/keypad.h"
#include "gui/window/menu_commands.h"
#include "gui_test_support.h"
#include "settings/options_record.h"

using vr::test::StartedWindow;
using vr::test::TypeLine;

namespace {

const char kUnitFile[] =
    "# two types, the international unit first in each\n"
    "Length|Length|Длина\n"
    "+Length|m|м=1\n"
    "+Length|km|км=1000\n"
    "-Length|mile|?=1609.344\n"
    "Temperature|Temperature|Температура\n"
    "+Temperature|°C|°C=1\n"
    "+Temperature|°F|°F=5/9-160/9|9/5+32\n";

QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

}  // namespace

class UnitModeTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<vr::test::ProgramFolder>();
    QFile units(folder_->FilePath("units.dat"));
    QVERIFY(units.open(QIODevice::WriteOnly));
    units.write(kUnitFile);
    units.close();
    window_ = std::make_unique<StartedWindow>(folder_->Path());
  }
  void cleanup() {
    if (window_->dialog->UnitMode()) window_->dialog->ToggleUnitMode();
    window_.reset();
    folder_.reset();
  }

  void switchingShowsTheListsInsteadOfTheTopKeys() {
    vr::CalculatorDialog& dialog = *window_->dialog;
    vr::Keypad& keys = dialog.Keys();
    QAction* menuItem = dialog.MenuAction(vr::kCmdUnitMode);
    QVERIFY(!dialog.UnitMode());
    QVERIFY(keys.Key(vr::kKeySwap)->isHidden());
    keys.Key(vr::kKeyConv)->click();
    QVERIFY(dialog.UnitMode());
    QVERIFY(menuItem->isChecked());
    for (int id : {int(vr::kKeyRad), int(vr::kKeyCls), int(vr::kKeyFunctions), int(vr::kKeyConv)})
      QVERIFY2(keys.Key(id)->isHidden(), qPrintable(QString::number(id)));
    QVERIFY(!keys.Key(vr::kKeySwap)->isHidden());
    QVERIFY(!keys.Key(vr::kKeySI)->isHidden());
    QVERIFY(!keys.Key(vr::kKey7)->isHidden());
    QCOMPARE(Items(keys.UnitTypeList()), (QStringList{"Length", "Temperature"}));
    // The unit "mile" has no Russian name but is offered in English.
    QCOMPARE(Items(keys.FromList()), (QStringList{"m", "km", "mile"}));
    QCOMPARE(keys.FromList()->currentIndex(), 0);
    QCOMPARE(keys.ToList()->currentIndex(), 0);

    menuItem->trigger();
    QVERIFY(!dialog.UnitMode());
    QVERIFY(!menuItem->isChecked());
    QVERIFY(!keys.Key(vr::kKeyRad)->isHidden());
    QVERIFY(keys.Key(vr::kKeySI)->isHidden());
  }

  void linesAreConverted_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("swap");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("result");
    QTest::newRow("km to m") << 0 << 1 << 0 << false << "5"
                             << "5000";
    QTest::newRow("mile to km") << 0 << 2 << 1 << false << "1"
                                << "1.609344";
    QTest::newRow("°F to °C") << 1 << 1 << 0 << false << "41"
                              << "5";
    QTest::newRow("°C to °F by swapping") << 1 << 1 << 0 << true << "5"
                                          << "41";
    QTest::newRow("same unit: unchanged") << 0 << 1 << 1 << false << "2+3"
                                          << "5";
    QTest::newRow("expressions are wrapped whole") << 0 << 1 << 0 << false << "1+2"
                                                   << "3000";
  }
  void linesAreConverted() {
    QFETCH(int, type);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, swap);
    QFETCH(QString, line);
    QFETCH(QString, result);
    vr::CalculatorDialog& dialog = *window_->dialog;
    vr::Keypad& keys = dialog.Keys();
    dialog.ToggleUnitMode();
    keys.UnitTypeList()->setCurrentIndex(type);
    dialog.OnUnitTypeChanged();
    keys.FromList()->setCurrentIndex(from);
    keys.ToList()->setCurrentIndex(to);
    if (swap) keys.Key(vr::kKeySwap)->click();
    TypeLine(window_->Editor(), line);
    QCOMPARE(window_->Editor().GetLineText(0), line);
    QCOMPARE(window_->Editor().GetLineText(1), result);
  }

  void unitKeysAndTheirShortcuts() {
    vr::CalculatorDialog& dialog = *window_->dialog;
    vr::Keypad& keys = dialog.Keys();
    QAction* swap = dialog.MenuAction(vr::kCmdSwapUnits);
    QAction* international = dialog.MenuAction(vr::kCmdInternationalUnit);
    // Outside the mode F3 and F4 do nothing.
    keys.FromList()->addItems({"a", "b"});
    keys.FromList()->setCurrentIndex(1);
    swap->trigger();
    QCOMPARE(keys.FromList()->currentIndex(), 1);

    // F6 switches the mode only without modifiers.
    QTest::keyClick(&window_->Editor(), Qt::Key_F6, Qt::ShiftModifier);
    QVERIFY(!dialog.UnitMode());
    QTest::keyClick(&window_->Editor(), Qt::Key_F6);
    QVERIFY(dialog.UnitMode());
    QTest::keyClick(&window_->Editor(), Qt::Key_F3);
    QCOMPARE(keys.FromList()->currentIndex(), 0);
    QCOMPARE(window_->Editor().toPlainText(), QString());

    keys.FromList()->setCurrentIndex(2);
    swap->trigger();
    QCOMPARE(keys.FromList()->currentIndex(), 0);
    QCOMPARE(keys.ToList()->currentIndex(), 2);
    international->trigger();
    QCOMPARE(keys.ToList()->currentIndex(), 0);
    keys.ToList()->setCurrentIndex(1);
    keys.Key(vr::kKeySI)->click();
    QCOMPARE(keys.ToList()->currentIndex(), 0);
    // A list without a selection: nothing is exchanged.
    keys.ToList()->setCurrentIndex(-1);
    keys.FromList()->setCurrentIndex(1);
    keys.Key(vr::kKeySwap)->click();
    QCOMPARE(keys.FromList()->currentIndex(), 1);
    QCOMPARE(keys.ToList()->currentIndex(), -1);
  }

  void changingTheTypeRefillsBothLists() {
    vr::CalculatorDialog& dialog = *window_->dialog;
    vr::Keypad& keys = dialog.Keys();
    dialog.ToggleUnitMode();
    keys.FromList()->setCurrentIndex(1);
    keys.UnitTypeList()->setCurrentIndex(1);
    dialog.OnUnitTypeChanged();
    QCOMPARE(Items(keys.FromList()), (QStringList{"°C", "°F"}));
    QCOMPARE(Items(keys.ToList()), (QStringList{"°C", "°F"}));
    QCOMPARE(keys.FromList()->currentIndex(), 0);
    // Switching the mode on again starts from the first type.
    dialog.ToggleUnitMode();
    dialog.ToggleUnitMode();
    QCOMPARE(keys.UnitTypeList()->currentIndex(), 0);
    QCOMPARE(keys.FromList()->currentText(), QString("m"));
  }

 private:
  std::unique_ptr<vr::test::ProgramFolder> folder_;
  std::unique_ptr<StartedWindow> window_;
};

QTEST_MAIN(UnitModeTest)
#include "unit_mode_test.moc"
