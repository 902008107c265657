// The colour picker and its pop-up, the round key, and the desktop's side:
// hot key codes and the autostart entry.

#include "gui/controls/colour_picker.h"
#include "gui/controls/round_button.h"
#include "gui/platform/autostart.h"
#include "gui/platform/virtual_key.h"
#include "gui_test_support.h"

#include <numbers>

using namespace vr;
using Popup = vr::ColourPopup;

namespace {

constexpr std::uint32_t kNotInTable = 0x00123456;

std::uint32_t TableColour(int index) {
  return ColourTable()[static_cast<std::size_t>(index)].colour;
}

QColor Rgb(std::uint32_t ref) { return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF); }

// The colour that opens the pop-up on `choice`.
std::uint32_t OpeningColour(int choice) {
  if (choice == Popup::kAutomatic) return kAutomaticColour;
  if (choice == Popup::kCustom) return kNotInTable;
  return TableColour(choice);
}

QString Pixel(const QImage& image, QPoint p) { return QColor(image.pixel(p)).name(); }

int RedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += c.red() > 150 && c.green() < 100 && c.blue() < 100;
    }
  return count;
}

}  // namespace

class ControlsTest : public QObject {
  Q_OBJECT

 private slots:
  // Which choice is lit when the pop-up opens on a colour.
  void initialHighlight() {
    using Row = std::tuple<std::uint32_t, const char*, const char*, int>;
    for (const auto& [colour, automatic, custom, current] :
         std::initializer_list<Row>{{TableColour(28), "Automatic", "More", 28},
                                    {TableColour(0), "", "", 0},
                                    {kNotInTable, "Automatic", "More", Popup::kCustom},
                                    {kNotInTable, "Automatic", "", Popup::kNone},
                                    {kAutomaticColour, "Automatic", "More", Popup::kAutomatic},
                                    {kAutomaticColour, "", "More", Popup::kCustom}})
      QCOMPARE(Popup({0, 0}, colour, automatic, custom).Current(), current);
  }

  void arrowKeys() {
    const int down = Qt::Key_Down, up = Qt::Key_Up, left = Qt::Key_Left, right = Qt::Key_Right;
    const int a = Popup::kAutomatic, m = Popup::kCustom;
    using Row = std::tuple<int, int, bool, bool, int>;  // from, key, the two boxes, to
    for (const auto& [from, key, automatic, custom, to] : std::initializer_list<Row>{
             {3, down, true, true, 11},   {35, down, true, true, m},   {35, down, true, false, a},
             {35, down, false, false, 0}, {12, up, true, true, 4},     {4, up, true, true, a},
             {4, up, false, true, m},     {4, up, false, false, 39},   {7, right, true, true, 8},
             {39, right, true, true, m},  {9, left, true, true, 8},    {8, left, true, true, 7},    {16, left, true, true, 15},
             {0, left, true, true, a},    {0, left, false, false, 39}, {a, down, true, true, 0},
             {a, up, true, true, m},      {a, up, true, false, 39},    {m, down, true, true, a},
             {m, right, false, true, 0},  {m, up, true, true, 39}}) {
      Popup popup({0, 0}, OpeningColour(from), automatic ? "Automatic" : "",
                  custom ? "More Colours..." : "");
      QCOMPARE(popup.Current(), from);
      QSignalSpy changed(&popup, &Popup::selectionChanged);
      QTest::keyClick(&popup, Qt::Key(key));
      QCOMPARE(popup.Current(), to);
      QCOMPARE(changed.count(), 1);
      QCOMPARE(changed.front().front().value<std::uint32_t>(),
               to >= 0 ? TableColour(to) : OpeningColour(to == a ? a : from));
    }
  }

  // Eight cells a row, five rows, tiled between the two text boxes, with a
  // margin all round; each cell where the mouse finds it.
  void popupLayout() {
    for (bool boxes : {true, false}) {
      Popup popup({0, 0}, TableColour(0), boxes ? "Automatic" : "", boxes ? "More Colours..." : "");
      const QRect first = popup.ChoiceRect(0), last = popup.ChoiceRect(39);
      const QRect automatic = popup.ChoiceRect(Popup::kAutomatic);
      const QRect custom = popup.ChoiceRect(Popup::kCustom);
      const int margin = first.left();
      QVERIFY(margin >= 1);
      for (int i = 1; i < 40; ++i) {
        const QRect cell = popup.ChoiceRect(i);
        QCOMPARE(cell.size(), first.size());
        QCOMPARE(cell.topLeft(), i % 8 ? popup.ChoiceRect(i - 1).topRight() + QPoint(1, 0)
                                       : popup.ChoiceRect(i - 8).bottomLeft() + QPoint(0, 1));
      }
      QCOMPARE(popup.width(), last.right() + 1 + margin);
      QCOMPARE(popup.height(), (boxes ? custom : last).bottom() + 1 + margin);
      QCOMPARE(first.top(), boxes ? automatic.bottom() + 1 + margin : margin);
      if (boxes) {
        QCOMPARE(automatic, QRect(margin, margin, last.right() + 1 - margin, automatic.height()));
        QCOMPARE(custom, automatic.translated(0, last.bottom() + 1 + margin - automatic.top()));
        QVERIFY(automatic.height() > popup.fontMetrics().height());
      } else {
        QVERIFY(automatic.isEmpty() && custom.isEmpty());
      }
      QCOMPARE(popup.ChoiceAt(Popup::kAutomatic, 0), boxes ? Popup::kAutomatic : Popup::kNone);
      QCOMPARE(popup.ChoiceAt(0, Popup::kCustom), boxes ? Popup::kCustom : Popup::kNone);
      QVERIFY(popup.ChoiceAt(4, 7) == 39 && popup.ChoiceAt(1, 0) == 8);
      for (auto [row, column] : {std::pair{5, 0}, std::pair{0, 8}, std::pair{-1, 0}})
        QCOMPARE(popup.ChoiceAt(row, column), Popup::kNone);
    }

    Popup popup({0, 0}, TableColour(0), "Automatic", "More Colours...");
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    for (int i = 0; i < 40; ++i) {
      const QRect cell = popup.ChoiceRect(i);
      QTest::mouseMove(&popup, i % 2 ? cell.topLeft() : cell.bottomRight());
      QCOMPARE(popup.Current(), i);
    }
    QTest::mouseMove(&popup, QPoint(0, popup.ChoiceRect(8).center().y()));  // the margin
    QCOMPARE(popup.Current(), 39);
    for (int choice : {Popup::kCustom, Popup::kAutomatic}) {
      QTest::mouseMove(&popup, popup.ChoiceRect(choice).center());
      QCOMPARE(popup.Current(), choice);
    }
    // A cell names its colour in a tip; the boxes have none.
    QHelpEvent onCell(QEvent::ToolTip, popup.ChoiceRect(1).center(), popup.mapToGlobal(QPoint()));
    QApplication::sendEvent(&popup, &onCell);
    QCOMPARE(QToolTip::text(), QString("Brown"));
    QHelpEvent onBox(QEvent::ToolTip, popup.ChoiceRect(Popup::kCustom).center(), QPoint());
    QApplication::sendEvent(&popup, &onBox);
    QTRY_COMPARE(QToolTip::text(), QString());
  }

  // Near the screen's corner the pop-up moves to stay whole on it.
  void popupStaysOnTheScreen() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    Popup popup(area.bottomRight() - QPoint(5, 5), TableColour(0), "Automatic", "More");
    QVERIFY(area.contains(popup.geometry()));
    QCOMPARE(popup.geometry().bottomRight(), area.bottomRight() - QPoint(1, 1));
    Popup placed(area.topLeft() + QPoint(10, 20), TableColour(0), "Automatic", "More");
    QCOMPARE(placed.pos(), area.topLeft() + QPoint(10, 20));
  }

  // Each cell shows its colour; the lit one is filled and framed in the
  // highlight, the colour in use framed.
  void popupPainting() {
    Popup popup({0, 0}, TableColour(9), "Automatic", "More Colours...");
    QTest::keyClick(&popup, Qt::Key_Right);
    const QImage image = popup.grab().toImage();
    const QPalette& pal = popup.palette();
    for (int i = 0; i < 40; ++i)
      QCOMPARE(Pixel(image, popup.ChoiceRect(i).center()), Rgb(TableColour(i)).name());
    const int margin = popup.ChoiceRect(0).left();
    const QPoint lit = popup.ChoiceRect(10).topLeft(), used = popup.ChoiceRect(9).topLeft(),
                 plain = popup.ChoiceRect(13).topLeft();
    QCOMPARE(Pixel(image, lit), pal.color(QPalette::Highlight).name());
    QCOMPARE(Pixel(image, lit + QPoint(1, 1)), pal.color(QPalette::Highlight).lighter(170).name());
    QCOMPARE(Pixel(image, used), pal.color(QPalette::Dark).name());
    QCOMPARE(Pixel(image, plain), pal.color(QPalette::Window).name());
    QCOMPARE(Pixel(image, plain + QPoint(margin + 1, margin + 1)),
             pal.color(QPalette::Shadow).name());

    Popup automatic({0, 0}, kAutomaticColour, "Automatic", "More Colours...");
    const QPoint box = automatic.ChoiceRect(Popup::kAutomatic).topLeft();
    QCOMPARE(Pixel(automatic.grab().toImage(), box), pal.color(QPalette::Highlight).name());
    QTest::keyClick(&automatic, Qt::Key_Down);
    QCOMPARE(Pixel(automatic.grab().toImage(), box), pal.color(QPalette::Dark).name());
  }

  // Enter and a release on a cell choose; Escape and a release outside give
  // the starting colour back; "More Colours..." asks the colour dialog.
  // With tracking the button follows the highlight.
  void choosingAColour() {
    ColourPicker picker;
    picker.SetColour(TableColour(10));
    QSignalSpy ended(&picker, &ColourPicker::selectionEnded);
    QSignalSpy cancelled(&picker, &ColourPicker::selectionCancelled);
    picker.click();
    QVERIFY(picker.IsActive());
    QCOMPARE(picker.Popup()->pos(), picker.mapToGlobal(picker.rect().bottomLeft()) + QPoint(0, 1));
    QTest::keyClick(picker.Popup(), Qt::Key_Down);
    QCOMPARE(picker.Colour(), TableColour(10));
    QTest::keyClick(picker.Popup(), Qt::Key_Return);
    QCOMPARE(picker.Colour(), TableColour(18));
    QVERIFY(!picker.IsActive() && picker.Popup() == nullptr && ended.count() == 1);

    picker.SetTrackSelection(true);
    picker.click();
    QTest::keyClick(picker.Popup(), Qt::Key_Right);
    QCOMPARE(picker.Colour(), TableColour(19));
    QTest::keyClick(picker.Popup(), Qt::Key_Escape);
    QCOMPARE(picker.Colour(), TableColour(18));
    QCOMPARE(cancelled.front().front().value<std::uint32_t>(), TableColour(18));

    for (bool inside : {false, true}) {
      picker.click();
      const QPoint cell = picker.Popup()->ChoiceRect(inside ? 26 : 3).center();
      QTest::mouseMove(picker.Popup(), cell);
      QTest::mouseRelease(picker.Popup(), Qt::LeftButton, {}, inside ? cell : QPoint(-5, -5));
      QCOMPARE(picker.Colour(), TableColour(inside ? 26 : 18));
    }
    for (bool confirmed : {true, false}) {
      std::uint32_t offered = 0;
      Popup::SetColourDialog([&](std::uint32_t& colour, QWidget*) {
        offered = colour;
        colour = 0x00ABCDEF;
        return confirmed;
      });
      picker.SetColour(kNotInTable);
      picker.click();
      QCOMPARE(picker.Popup()->Current(), Popup::kCustom);
      QTest::keyClick(picker.Popup(), Qt::Key_Space);
      QCOMPARE(offered, kNotInTable);
      QCOMPARE(picker.Colour(), confirmed ? 0x00ABCDEFu : kNotInTable);
    }
    Popup::SetColourDialog(nullptr);
    QCOMPARE(ended.count(), 3);
    QCOMPARE(cancelled.count(), 3);
  }

  // The button's face shows the colour left of its drop-down arrow; the
  // automatic colour as the button text, a disabled picker none.
  void pickerFace() {
    ColourPicker picker;
    picker.resize(100, 30);
    const QPoint face(20, 15), arrow(picker.width() - 8, 7);
    for (auto [colour, shown] : std::initializer_list<std::pair<std::uint32_t, QColor>>{
             {0x000000FF, QColor(255, 0, 0)},
             {kAutomaticColour, picker.palette().color(QPalette::ButtonText)}}) {
      picker.SetColour(colour);
      const QImage image = picker.grab().toImage();
      QCOMPARE(Pixel(image, face), shown.name());
      QVERIFY(Pixel(image, arrow) != shown.name());
    }
    picker.setEnabled(false);
    QCOMPARE(Pixel(picker.grab().toImage(), face), picker.palette().color(QPalette::Window).name());
  }

  // --------------------------------------------------------- the round key

  void roundKeyShape() {
    RoundButton key("7");
    key.resize(40, 30);
    QVERIFY(key.RadiusX() == 19 && key.RadiusY() == 14);
    QSignalSpy clicked(&key, &QPushButton::clicked);
    QTest::mouseClick(&key, Qt::LeftButton, {}, QPoint(20, 15));
    QTest::mouseClick(&key, Qt::LeftButton, {}, QPoint(1, 1));  // a corner outside the ellipse
    QCOMPARE(clicked.count(), 1);

    // The outline: symmetric, every column and row of the quarter reached,
    // each pixel within half a pixel of the ellipse.
    for (auto [rx, ry] :
         std::initializer_list<std::pair<int, int>>{{19, 14}, {10, 10}, {5, 12}, {30, 8}}) {
      std::set<std::pair<int, int>> ring;
      for (const QPoint& p : RoundButton::EllipsePoints({50, 60}, rx, ry))
        ring.insert({p.x() - 50, p.y() - 60});
      std::set<int> columns, rows;
      for (auto [x, y] : ring) {
        QVERIFY(ring.count({-x, y}) && ring.count({x, -y}));
        const double yExact = ry * std::sqrt(std::max(0.0, 1.0 - double(x * x) / (rx * rx)));
        const double xExact = rx * std::sqrt(std::max(0.0, 1.0 - double(y * y) / (ry * ry)));
        QVERIFY(std::abs(std::abs(y) - yExact) <= 0.5 || std::abs(std::abs(x) - xExact) <= 0.5);
        columns.insert(std::abs(x));
        rows.insert(std::abs(y));
      }
      QVERIFY(int(columns.size()) == rx + 1 && *columns.rbegin() == rx);
      QVERIFY(int(rows.size()) == ry + 1 && *rows.rbegin() == ry);
    }
    // Lit from the upper left.
    const QColor white(255, 255, 255), black(0, 0, 0);
    QVERIFY(RoundButton::ShadedColour(-10, -10, white, black).red() >= 254);
    QVERIFY(RoundButton::ShadedColour(10, 10, white, black).red() <= 1);
    QCOMPARE(RoundButton::ShadedColour(10, -10, white, black).red(), 127);
  }

  // The outer ring shaded from the upper left (the other way when pressed),
  // the caption in its colour, the hover colour inside while the mouse is
  // over the key.
  void roundKeyPainting() {
    RoundButton key("8");
    key.resize(40, 30);
    key.SetTextColour(QColor(255, 0, 0));
    key.SetHoverColour(QColor(0, 0, 255));
    const QPalette& pal = key.palette();
    const QPoint c = key.Centre(), inside(c.x() - 12, c.y());
    for (bool pressed : {false, true}) {
      key.setDown(pressed);
      const QImage image = key.grab().toImage();
      int wrong = 0;
      for (const QPoint& p : RoundButton::EllipsePoints(c, 19, 14)) {
        const QColor a = pal.color(pressed ? QPalette::Shadow : QPalette::Light);
        const QColor b = pal.color(pressed ? QPalette::Light : QPalette::Shadow);
        wrong +=
            image.pixel(p) != RoundButton::ShadedColour(p.x() - c.x(), p.y() - c.y(), a, b).rgb();
      }
      QVERIFY2(wrong <= 4, qPrintable(QString::number(wrong)));
      QVERIFY(RedPixels(image) > 5);
      QCOMPARE(Pixel(image, inside), pal.color(QPalette::Button).name());
    }
    key.setDown(false);
    const QPointF at(c);
    QEnterEvent enter(at, at, at);
    QApplication::sendEvent(&key, &enter);
    QVERIFY(key.Hovering());
    QCOMPARE(Pixel(key.grab().toImage(), inside), QString("#0000ff"));
    key.setEnabled(false);
    QCOMPARE(RedPixels(key.grab().toImage()), 0);
  }

  // On a screen with two device pixels to a pixel the key is drawn smooth:
  // its edge blends into what lies around it, and the rings keep their
  // shading at the same places.
  void roundKeyAtTwiceThePixels() {
    RoundButton key("=");
    key.resize(120, 30);  // as wide as three keys, like "="
    const QPalette& pal = key.palette();
    QImage image(key.size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(QColor(255, 0, 255));
    key.render(&image, {}, {}, QWidget::DrawChildren);
    const QColor face = pal.color(QPalette::Button);
    int blended = 0, shadedWrong = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        blended += c != QColor(255, 0, 255) && c.red() > c.green() + 8 && c.blue() > c.green() + 8 &&
                   std::abs(c.red() - c.blue()) < 8 && c.green() < face.green() - 8;
      }
    QVERIFY2(blended > 40, qPrintable(QString::number(blended)));
    // The outer ring at a few directions: its colour where the pixel-wise
    // ring has it, within what smoothing mixes in.
    const QPointF middle = QPointF(key.Centre()) + QPointF(0.5, 0.5);
    for (int degrees = 0; degrees < 360; degrees += 15) {
      const double a = degrees * std::numbers::pi / 180;
      const double dx = (key.RadiusX() - 0.25) * std::cos(a), dy = (key.RadiusY() - 0.25) * std::sin(a);
      const QColor got =
          image.pixelColor(int(std::floor(2 * (middle.x() + dx))), int(std::floor(2 * (middle.y() + dy))));
      const QColor want = RoundButton::ShadedColour(int(100 * dx), int(100 * dy), pal.color(QPalette::Light),
                                                    pal.color(QPalette::Shadow));
      shadedWrong += std::abs(got.red() - want.red()) > 40 || std::abs(got.blue() - want.blue()) > 40;
    }
    QVERIFY2(shadedWrong == 0, qPrintable(QString::number(shadedWrong)));
  }

  // ---------------------------------------------------------- the desktop

  void hotKeyCodes() {
    using Row = std::tuple<int, int, uint>;  // the virtual key, Qt's key, the X11 keysym
    const Row rows[] = {{0x41, Qt::Key_A, 0x61},
                        {0x5A, Qt::Key_Z, 0x7A},
                        {0x30, Qt::Key_0, 0x30},
                        {0x39, Qt::Key_9, 0x39},
                        {0x70, Qt::Key_F1, 0xFFBE},
                        {0x87, Qt::Key_F24, 0xFFD5},
                        {0x0D, Qt::Key_Return, 0xFF0D},
                        {0x69, 0, 0xFFB9},
                        {0x88, 0, 0},
                        {0x40, 0, 0},
                        {0x3A, 0, 0},
                        {0xFF, 0, 0}};
    for (const auto& [virtualKey, qtKey, keysym] : rows) {
      QCOMPARE(QtKeyFromVirtualKey(static_cast<std::uint16_t>(virtualKey)), qtKey);
      QCOMPARE(KeysymFromVirtualKey(static_cast<std::uint16_t>(virtualKey)), keysym);
      if (qtKey != 0) QCOMPARE(int(VirtualKeyFromQtKey(qtKey)), virtualKey);
    }
    // Keys typed in lower case, Enter beside Return; keys without a code.
    const std::pair<int, int> typed[] = {{'a', 0x41},           {'z', 0x5A},
                                         {Qt::Key_Enter, 0x0D}, {Qt::Key_Plus, 0x6B},
                                         {Qt::Key_F25, 0},      {0, 0}};
    for (auto [qtKey, vk] : typed) QCOMPARE(int(VirtualKeyFromQtKey(qtKey)), vk);
    // A chord chosen in the preferences comes back as the same key.
    int named = 0;
    for (int vk = 1; vk < 256; ++vk) {
      const int qtKey = QtKeyFromVirtualKey(static_cast<std::uint16_t>(vk));
      if (qtKey == 0) continue;
      ++named;
      QCOMPARE(int(VirtualKeyFromQtKey(qtKey)), vk);
    }
    QVERIFY(named > 60);
    // The hot key is grabbed on the first key code whose map entry lists the
    // keysym, in whichever column; key codes count from the map's first.
    const std::uint32_t map[] = {0x31, 0x21, 0x61, 0x41, 0x62, 0x42, 0x61, 0xE1};
    const std::pair<std::uint32_t, int> lookups[] = {{0x31, 8}, {0x41, 9}, {0x61, 9}, {0x42, 10},
                                                     {0xE1, 11}, {0x7A, 0}};
    for (auto [keysym, keycode] : lookups)
      QCOMPARE(int(KeycodeListingKeysym(map, 4, 2, 8, keysym)), keycode);
    const std::pair<int, Qt::KeyboardModifiers> chords[] = {
        {1, Qt::ShiftModifier},
        {6, Qt::ControlModifier | Qt::AltModifier},
        {8, Qt::MetaModifier},
        {15, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier}};
    for (auto [flags, modifiers] : chords) {
      QCOMPARE(int(QtModifiersFromHotKey(static_cast<std::uint16_t>(flags))), int(modifiers));
      QCOMPARE(int(HotKeyModifiersFromQt(modifiers)), flags);
    }
  }

  // The start-up entry's command, quoted as desktop entries want it.
  void autostartCommand() {
    for (auto [path, command] : std::initializer_list<std::pair<QString, QString>>{
             {"/home/me/My Apps/vr", "\"/home/me/My Apps/vr\""},
             {"/a\"b", "\"/a\\\\\"b\""},
             {"/a$b`c", "\"/a\\\\$b\\\\`c\""},
             {"/a\\b", "\"/a\\\\\\\\b\""},
             {"/100%/vr", "\"/100%%/vr\""}})
      QCOMPARE(AutostartCommand(path, false), command);
  }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
