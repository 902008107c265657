// The colour picker: its named colours, the pop-up's highlight and keys, and
// how a choice ends.
#include "gui/controls/colour_picker.h"

#include <QSignalSpy>
#include <QTest>

using vr::ColourPicker;
using vr::ColourPopup;

namespace {

constexpr std::uint32_t kNotInTable = 0x00123456;

std::uint32_t TableColour(int index) {
  return vr::ColourTable()[static_cast<std::size_t>(index)].colour;
}

// The colour that opens the pop-up on `choice`.
std::uint32_t OpeningColour(int choice) {
  if (choice == ColourPopup::kAutomatic) return vr::kAutomaticColour;
  if (choice == ColourPopup::kCustom) return kNotInTable;
  return TableColour(choice);
}

}  // namespace

class ColourPickerTest : public QObject {
  Q_OBJECT

 private slots:
  void namedColours_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("rgb");
    QTest::newRow("first") << 0 << "Black" << QColor(0, 0, 0);
    QTest::newRow("red low byte") << 1 << "Brown" << QColor(165, 42, 0);
    QTest::newRow("end of row 0") << 7 << "Dark grey" << QColor(40, 40, 40);
    QTest::newRow("blue high byte") << 13 << "Blue" << QColor(0, 0, 255);
    QTest::newRow("trailing blank") << 35 << "Pale green " << QColor(152, 251, 152);
    QTest::newRow("last") << 39 << "White" << QColor(255, 255, 255);
  }
  void namedColours() {
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QColor, rgb);
    const vr::NamedColour& entry = vr::ColourTable()[static_cast<std::size_t>(index)];
    QCOMPARE(QString::fromLatin1(entry.name), name);
    const std::uint32_t expected = static_cast<std::uint32_t>(rgb.red()) |
                                   static_cast<std::uint32_t>(rgb.green()) << 8 |
                                   static_cast<std::uint32_t>(rgb.blue()) << 16;
    QCOMPARE(entry.colour, expected);
  }

  void initialHighlight_data() {
    QTest::addColumn<std::uint32_t>("colour");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("customText");
    QTest::addColumn<int>("current");
    QTest::newRow("table colour") << TableColour(28) << "Automatic"
                                  << "More" << 28;
    QTest::newRow("first equal entry") << TableColour(0) << ""
                                       << "" << 0;
    QTest::newRow("other colour") << kNotInTable << "Automatic"
                                  << "More" << -2;
    QTest::newRow("other colour, no custom") << kNotInTable << "Automatic"
                                             << "" << -1;
    QTest::newRow("automatic") << vr::kAutomaticColour << "Automatic"
                               << "More" << -3;
    QTest::newRow("automatic, no box") << vr::kAutomaticColour << ""
                                       << "More" << -2;
  }
  void initialHighlight() {
    QFETCH(std::uint32_t, colour);
    QFETCH(QString, defaultText);
    QFETCH(QString, customText);
    QFETCH(int, current);
    ColourPopup popup({0, 0}, colour, defaultText, customText);
    QCOMPARE(popup.Current(), current);
  }

  void arrowKeys_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<int>("to");
    const int down = Qt::Key_Down, up = Qt::Key_Up, left = Qt::Key_Left, right = Qt::Key_Right;
    const int a = ColourPopup::kAutomatic, m = ColourPopup::kCustom;
    QTest::newRow("down in grid") << 3 << down << true << true << 11;
    QTest::newRow("down off last row") << 35 << down << true << true << m;
    QTest::newRow("down off, no custom") << 35 << down << true << false << a;
    QTest::newRow("down off, no boxes") << 35 << down << false << false << 0;
    QTest::newRow("up in grid") << 12 << up << true << true << 4;
    QTest::newRow("up off first row") << 4 << up << true << true << a;
    QTest::newRow("up off, no automatic") << 4 << up << false << true << m;
    QTest::newRow("up off, no boxes") << 4 << up << false << false << 39;
    QTest::newRow("right wraps to next row") << 7 << right << true << true << 8;
    QTest::newRow("right off last") << 39 << right << true << true << m;
    QTest::newRow("left in row") << 9 << left << true << true << 8;
    QTest::newRow("left wraps to row above") << 16 << left << true << true << 15;
    QTest::newRow("left off first") << 0 << left << true << true << a;
    QTest::newRow("left off first, no boxes") << 0 << left << false << false << 39;
    QTest::newRow("automatic down") << a << down << true << true << 0;
    QTest::newRow("automatic up") << a << up << true << true << m;
    QTest::newRow("automatic up, no custom") << a << up << true << false << 39;
    QTest::newRow("custom down") << m << down << true << true << a;
    QTest::newRow("custom right, no automatic") << m << right << false << true << 0;
    QTest::newRow("custom up") << m << up << true << true << 39;
  }
  void arrowKeys() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(bool, automatic);
    QFETCH(bool, custom);
    QFETCH(int, to);
    ColourPopup popup({0, 0}, OpeningColour(from), automatic ? "Automatic" : "",
                      custom ? "More Colours..." : "");
    QCOMPARE(popup.Current(), from);
    QSignalSpy changed(&popup, &ColourPopup::selectionChanged);
    QTest::keyClick(&popup, Qt::Key(key));
    QCOMPARE(popup.Current(), to);
    QCOMPARE(changed.count(), 1);
    const std::uint32_t reported = changed.front().front().value<std::uint32_t>();
    if (to >= 0) QCOMPARE(reported, TableColour(to));
    if (to == ColourPopup::kAutomatic) QCOMPARE(reported, vr::kAutomaticColour);
    if (to == ColourPopup::kCustom) QCOMPARE(reported, OpeningColour(from));
  }

  // Every grid cell is where the mouse finds it.
  void cellsUnderTheMouse() {
    ColourPopup popup({0, 0}, TableColour(0), "Automatic", "More Colours...");
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    for (int i = 0; i < 40; ++i) {
      QCOMPARE(popup.ChoiceAt(i / ColourPopup::kColumns, i % ColourPopup::kColumns), i);
      const QRect cell = popup.ChoiceRect(i);
      QVERIFY(popup.rect().contains(cell));
      QTest::mouseMove(&popup, cell.center());
      QCOMPARE(popup.Current(), i);
    }
    QTest::mouseMove(&popup, popup.ChoiceRect(ColourPopup::kCustom).center());
    QCOMPARE(popup.Current(), ColourPopup::kCustom);
    QTest::mouseMove(&popup, popup.ChoiceRect(ColourPopup::kAutomatic).center());
    QCOMPARE(popup.Current(), ColourPopup::kAutomatic);
    QCOMPARE(popup.ChoiceAt(5, 0), ColourPopup::kNone);
  }

  void escapeRestoresTheStartingColour() {
    ColourPicker picker;
    picker.SetTrackSelection(true);
    picker.SetColour(TableColour(10));
    QSignalSpy changed(&picker, &ColourPicker::selectionChanged);
    QSignalSpy closed(&picker, &ColourPicker::closedUp);
    QSignalSpy cancelled(&picker, &ColourPicker::selectionCancelled);
    QSignalSpy ended(&picker, &ColourPicker::selectionEnded);
    picker.click();
    QVERIFY(picker.IsActive());
    ColourPopup* popup = picker.Popup();
    QVERIFY(popup != nullptr);
    QTest::keyClick(popup, Qt::Key_Right);
    QTest::keyClick(popup, Qt::Key_Down);
    QCOMPARE(picker.Colour(), TableColour(19));  // tracked while moving
    QCOMPARE(changed.count(), 2);
    QTest::keyClick(popup, Qt::Key_Escape);
    QVERIFY(!picker.IsActive());
    QCOMPARE(picker.Colour(), TableColour(10));
    QCOMPARE(closed.count(), 1);
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(cancelled.front().front().value<std::uint32_t>(), TableColour(10));
    QCOMPARE(ended.count(), 0);
  }

  void choosingWithKeysAndMouse() {
    ColourPicker picker;
    picker.SetColour(TableColour(0));
    QSignalSpy ended(&picker, &ColourPicker::selectionEnded);
    QSignalSpy dropped(&picker, &ColourPicker::droppedDown);

    picker.click();
    QCOMPARE(dropped.count(), 1);
    QTest::keyClick(picker.Popup(), Qt::Key_Down);
    QCOMPARE(picker.Colour(), TableColour(0));  // no tracking by default
    QTest::keyClick(picker.Popup(), Qt::Key_Return);
    QCOMPARE(picker.Colour(), TableColour(8));
    QCOMPARE(ended.count(), 1);

    picker.click();
    ColourPopup* popup = picker.Popup();
    const QPoint cell = popup->ChoiceRect(26).center();
    QTest::mouseMove(popup, cell);
    QTest::mouseRelease(popup, Qt::LeftButton, {}, cell);
    QCOMPARE(picker.Colour(), TableColour(26));
    QCOMPARE(ended.count(), 2);
    QCOMPARE(picker.Popup(), nullptr);
  }

  void moreColoursAsksTheColourDialog_data() {
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
  }
  void moreColoursAsksTheColourDialog() {
    QFETCH(bool, confirmed);
    std::uint32_t offered = 0;
    ColourPopup::SetColourDialog([&](std::uint32_t& colour, QWidget*) {
      offered = colour;
      colour = 0x00ABCDEF;
      return confirmed;
    });
    ColourPicker picker;
    picker.SetColour(kNotInTable);
    QSignalSpy ended(&picker, &ColourPicker::selectionEnded);
    QSignalSpy cancelled(&picker, &ColourPicker::selectionCancelled);
    picker.click();
    QCOMPARE(picker.Popup()->Current(), ColourPopup::kCustom);
    QTest::keyClick(picker.Popup(), Qt::Key_Space);
    QCOMPARE(offered, kNotInTable);
    QCOMPARE(picker.Colour(), confirmed ? 0x00ABCDEFu : kNotInTable);
    QCOMPARE(ended.count(), confirmed ? 1 : 0);
    QCOMPARE(cancelled.count(), confirmed ? 0 : 1);
    ColourPopup::SetColourDialog(nullptr);
  }
};

QTEST_MAIN(ColourPickerTest)
#include "colour_picker_test.moc"
