// The main window: what Enter and the keys do to the expression window, its
// modes, menus, shortcuts and files, and how it is laid out. Its life from
// start-up to exit is in startup_test.cpp.

#include <sys/stat.h>

#include "gui/controls/round_button.h"
#include "gui/window/about_box.h"
#include "gui/window/command_line.h"
#include "gui/window/expression_files.h"
#include "gui/window/functions_dialog.h"
#include "gui/window/keypad.h"
#include "gui/window/keypad_modes.h"
#include "gui/window/line_flow.h"
#include "gui/window/line_runner.h"
#include "gui/window/main_menu.h"
#include "gui/window/menu_commands.h"
#include "gui/window/ui_language.h"
#include "gui/window/unit_conversion_mode.h"
#include "gui_test_support.h"
#include "operations/builtins/function_catalogue.h"
#include "session/calculator_session.h"

using namespace vr;
using namespace vr::test;

namespace {

const QColor kBlue(0, 0, 200), kRed(170, 0, 0);
constexpr auto kCS = Qt::ControlModifier | Qt::ShiftModifier;

// What the engine shows for a line, for rows whose text is the engine's.
QString EngineText(const QString& line) {
  CalculatorSession probe;
  return QString::fromStdString(probe.CalculateLine(line.toStdString()));
}

// Bold in `colour` (a result) or plain (anything else), fragment by fragment.
bool Looks(const QTextBlock& block, bool bold, const QColor& colour = {}) {
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextCharFormat f = it.fragment().charFormat();
    if ((f.fontWeight() == QFont::Bold) != bold) return false;
    if (bold ? f.foreground().color() != colour : f.hasProperty(QTextFormat::ForegroundBrush))
      return false;
  }
  return true;
}

QRect Place(const QWidget* w, const QWidget* in) { return {w->mapTo(in, QPoint()), w->size()}; }

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

  WindowFixture w_;

  ExpressionEditor& Editor() { return w_.Editor(); }
  CalculatorDialog& Dialog() { return w_.Dialog(); }
  Keypad& Keys() { return Dialog().Keys(); }
  void Restart(const std::function<void(OptionsRecord&)>& options = {}, CommandLine line = {}) {
    w_.Restart(options, std::move(line));
  }
  void StartWithUnits() {
    WriteFile(w_.folder->FilePath("units.dat"),
              "Length|Length|Длина\n+Length|m|м=1\n+Length|km|км=1000\n-Length|mile|?=1609.344\n"
              "Temperature|Temperature|Температура\n+Temperature|°C|°C=1\n"
              "+Temperature|°F|°F=5/9-160/9|9/5+32\n");
    Restart();
  }
  // Presses a key in the editor; names the modal dialog it opened, if any.
  QString Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {},
                const std::function<void(QWidget*)>& look = {}) {
    return ModalOpenedBy([&] { QTest::keyClick(&Editor(), key, modifiers); }, look);
  }
  static QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }

 private slots:
  void init() { w_.Begin(); }
  void cleanup() { w_.End(); }

  // A long line leaves the window alive: timers fire, typing is held back,
  // the commands but Stop are off, and Esc or Stop ends the line with
  // "Interrupted" as its result. Closing waits for the line, then closes.
  void longLinesCanBeStopped() {
    WriteFile(w_.folder->FilePath("spin.usc"),
              "func spin(a)\nagain:\nintegral('sqrt(x)';0;1;0)\ngoto again\nendfunc\n");
    Restart();
    Dialog().show();
    const std::function<void()> stops[] = {
        [&] { QTest::keyClick(&Editor(), Qt::Key_Escape); },
        [&] { Dialog().Menu().Action(kCmdStop)->trigger(); },
    };
    for (const auto& stop : stops) {
      SetText(Editor(), "spin(1)");
      bool fired = false;
      QTimer::singleShot(LineRunner::kBusyAfterMs + 100, &Dialog(), [&] {
        fired = Dialog().Runner().Busy();
        QVERIFY(Dialog().Menu().Action(kCmdStop)->isEnabled());
        QVERIFY(!Dialog().Menu().Action(kCmdPreferences)->isEnabled());
        QTest::keyClicks(&Editor(), "9");
        QTest::keyClick(&Editor(), Qt::Key_Return);  // no second line meanwhile
        stop();
      });
      QTest::keyClick(&Editor(), Qt::Key_Return);
      QVERIFY(fired);
      QCOMPARE(Editor().Lines(), QStringList({"spin(1)", "Interrupted", ""}));
      QVERIFY(!Dialog().Menu().Action(kCmdStop)->isEnabled());
      QVERIFY(Dialog().Menu().Action(kCmdPreferences)->isEnabled());
    }

    // A close, or Exit where the close button only minimises: both wait
    // for the line, and Exit still ends the program.
    for (const bool exit : {false, true}) {
      Restart();
      Dialog().show();
      Options().closeMinimize = exit ? 1 : 0;
      SetText(Editor(), "spin(1)");
      bool openWhileRunning = false;
      QSignalSpy finished(&Dialog(), &QDialog::finished);
      QTimer::singleShot(LineRunner::kBusyAfterMs, &Dialog(), [&] {
        exit ? Dialog().Exit() : (void)Dialog().close();
        openWhileRunning = Dialog().isVisible();
      });
      QTest::keyClick(&Editor(), Qt::Key_Return);
      QVERIFY(openWhileRunning);
      QCOMPARE(Editor().Lines(), QStringList({"spin(1)", "Interrupted", ""}));
      QTRY_COMPARE(finished.count(), 1);
      QVERIFY(!Dialog().isMinimized());
    }
  }

  // A start-up script that runs long shows the window while it runs; Esc
  // stops its line and start-up goes on.
  void longStartUpScriptsShowTheWindowFirst() {
    WriteFile(w_.folder->FilePath("spin.usc"),
              "func spin(a)\nagain:\nintegral('sqrt(x)';0;1;0)\ngoto again\nendfunc\n");
    WriteFile(w_.folder->FilePath("startup.usc"), "spin(1)\nseen=5\n");
    bool shownWhileRunning = false;
    QTimer::singleShot(LineRunner::kBusyAfterMs + 100, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<CalculatorDialog*>(w) == nullptr || !w->isVisible()) continue;
        shownWhileRunning = true;
        QTest::keyClick(w, Qt::Key_Escape);
      }
    });
    w_.window.reset();
    w_.window = std::make_unique<StartedWindow>(w_.folder->Path());
    QVERIFY(shownWhileRunning);
    TypeLine(Editor(), "seen");
    QCOMPARE(Editor().Lines().at(1), QString("5"));
  }

  // Enter evaluates the text before the caret, stepping over closing
  // characters, moves the rest to the next line and puts the caret after
  // the result.
  void enterEvaluatesTheTextBeforeTheCaret() {
    const QString fullLine = QString("1+").repeated(127) + "1";  // 255 characters
    const QString longLine = fullLine + " ";
    // The text, the caret (-1: the end), whether the whole line is taken
    // (from the command line), the lines after and the caret's line.
    using Row = std::tuple<QString, int, bool, QStringList, int>;
    const Row rows[] = {
        {"2+3", -1, false, {"2+3", "5", ""}, 2},
        {"12+34", 3, false, {"12+", EngineText("12+"), "34"}, 2},
        {"12+34", 3, true, {"12+34", "46", ""}, 2},  // from the command line
        {"Sqrt(16)", 7, false, {"Sqrt(16)", "4", ""}, 2},
        {"Abs(Abs(-2))", 10, false, {"Abs(Abs(-2))", "2", ""}, 2},
        {"\"ab\"", 3, false, {"\"ab\"", EngineText("\"ab\""), ""}, 2},
        {"#15.03.2024#", 11, false, {"#15.03.2024#", EngineText("#15.03.2024#"), ""}, 2},
        {"", -1, false, {"", ""}, 1},
        {"1+1\n5*5\n", 3, false, {"1+1", "2", "", "5*5", ""}, 2},
        {fullLine, -1, false, {fullLine, "128", ""}, 2},
        {longLine, -1, false, {longLine, "Line is too long: at most 255 characters", ""}, 2}};
    for (const auto& [text, caret, wholeLine, lines, caretLine] : rows) {
      SetText(Editor(), text, caret);
      if (wholeLine) Dialog().Flow().EvaluateCurrentLine(true);
      if (!wholeLine) QTest::keyClick(&Editor(), Qt::Key_Return);
      QCOMPARE(Editor().Lines(), lines);
      QCOMPARE(Editor().textCursor().blockNumber(), caretLine);
      QCOMPARE(Editor().textCursor().positionInBlock(), 0);
    }
    // The result stands out, bold in the highlight colour (blue unless the
    // options say otherwise); its line stays plain.
    SetText(Editor(), "2+3", -1);
    QTest::keyClick(&Editor(), Qt::Key_Return);
    QVERIFY(Looks(Editor().document()->findBlockByNumber(0), false));
    QVERIFY(Looks(Editor().document()->findBlockByNumber(1), true, kBlue));
  }

  void keysOfTheEditor() {
    QSignalSpy finished(&Dialog(), &QDialog::finished);
    using Row = std::tuple<Qt::Key, Qt::KeyboardModifiers, QString>;
    const Row rows[] = {{Qt::Key_Return, Qt::NoModifier, "2+3\n5\n"},
                        {Qt::Key_Enter, Qt::KeypadModifier, "2+3\n5\n"},
                        {Qt::Key_Return, Qt::ControlModifier, "2+3\n5\n"},
                        {Qt::Key_Return, Qt::ShiftModifier, "2+3\n"},  // a line break only
                        {Qt::Key_Escape, Qt::NoModifier, "2+3"}};
    for (const auto& [key, modifiers, text] : rows) {
      SetText(Editor(), "2+3");
      QTest::keyClick(&Editor(), key, modifiers);
      QCOMPARE(Editor().toPlainText(), text);
    }
    QTest::keyClick(&Dialog(), Qt::Key_Escape);
    QCOMPARE(finished.count(), 0);
    QVERIFY(Dialog().isVisible());
  }

  void theOldestLinesGoAndTheCaretKeepsItsPlace() {
    for (auto [lineCount, evaluated] :
         std::initializer_list<std::pair<int, int>>{{500, 499}, {500, 250}, {620, 600}}) {
      QStringList lines;
      for (int i = 0; i < lineCount; ++i) lines << QString("n%1").arg(i);
      lines[evaluated] = "7*6";
      Editor().SetWindowText(lines.join('\n'));
      SetText(Editor(), lines.join('\n'),
              Editor().document()->findBlockByNumber(evaluated).position() + 3);
      QTest::keyClick(&Editor(), Qt::Key_Return);
      const int removed = lineCount + 2 - ExpressionEditor::kMaxLines;
      const int line = evaluated - removed;
      QCOMPARE(Editor().LineCount(), ExpressionEditor::kMaxLines);
      QCOMPARE(Editor().GetLineText(0), QString("n%1").arg(removed));
      QCOMPARE(Editor().GetLineText(line + 1), QString("42"));
      QCOMPARE(Editor().textCursor().blockNumber(), line + 2);
    }
  }

  void resultGoesToTheClipboardWhenAsked() {
    for (int autoClip : {1, 0}) {
      Options().autoClip = autoClip;
      QGuiApplication::clipboard()->setText("left alone");
      TypeLine(Editor(), "6*7");
      QCOMPARE(QGuiApplication::clipboard()->text(), QString(autoClip ? "42" : "left alone"));
    }
  }

  // What a key puts in and where the caret ends; a selection is replaced
  // or, by functions and parentheses, wrapped.
  void keypadKeys() {
    // The text, the selection, the key, arc mode, the text after, the caret.
    using Row = std::tuple<QString, int, int, int, bool, QString, int>;
    const Row rows[] = {{"12", 2, 2, kKey1 + 6, false, "127", 3},
                        {"", 0, 0, kKey1, false, "1", 1},
                        {"", 0, 0, kKey9, false, "9", 1},
                        {"123", 1, 2, kKey0, false, "103", 2},
                        {"", 0, 0, kKeyA, false, "A", 1},
                        {"", 0, 0, kKeyA + 2, false, "C", 1},
                        {"", 0, 0, kKeyD, false, "D", 1},
                        {"2*7+1", 2, 5, kKeyOpen, false, "2*(7+1)", 7},
                        {"7+1", 0, 3, kKeyClose, false, "(7+1)", 5},
                        {"2+", 2, 2, kKeySin, false, "2+Sin()", 6},
                        {"7+1", 0, 3, kKeySin, false, "Sin(7+1)", 8},
                        {"", 0, 0, kKeySin, true, "ASin()", 5},
                        {"12345", 1, 3, kKeyBack, false, "145", 1},
                        {"12345", 3, 3, kKeyBack, false, "1245", 2},
                        {"12", 0, 0, kKeyBack, false, "12", 0},
                        {"2+3", 3, 3, kKeyEquals, false, "2+3\n5\n", 6},
                        {"7+1", 0, 3, kKeyCls, false, "", 0}};
    for (const auto& [text, start, end, key, arc, expected, caret] : rows) {
      if (arc) Dialog().Modes().ToggleArc();
      SetText(Editor(), text, start, end);
      Keys().Key(key)->click();
      if (arc) Dialog().Modes().ToggleArc();
      QCOMPARE(Editor().toPlainText(), expected);
      QCOMPARE(Editor().textCursor().position(), caret);
      QVERIFY(!Editor().textCursor().hasSelection());
      Editor().undo();  // one step
      QCOMPARE(Editor().toPlainText(), text);
    }
  }

  // Keys the window takes before the editor: Control+Shift+letter inserts
  // a function, the function keys and Control+O/S open what the menus do.
  void shortcuts() {
    Dialog().Prompts().chooseFunction = [] { return QString("max"); };
    using Row = std::tuple<Qt::Key, Qt::KeyboardModifiers, bool, QString, QString>;
    const Row rows[] = {{Qt::Key_A, kCS, false, "Abs()", ""},
                        {Qt::Key_C, kCS, false, "Cos()", ""},
                        {Qt::Key_C, kCS, true, "ACos()", ""},
                        {Qt::Key_T, kCS, true, "ATan()", ""},
                        {Qt::Key_Z, kCS, false, "", ""},  // the other letters are taken too
                        {Qt::Key_O, kCS, false, "", ""},
                        {Qt::Key_F5, Qt::NoModifier, false, "max()", ""},
                        {Qt::Key_F5, Qt::AltModifier, false, "", ""},
                        {Qt::Key_F2, Qt::NoModifier, false, "", "vr::VariablesDialog"},
                        {Qt::Key_F9, Qt::NoModifier, false, "", "vr::PreferencesSheet"},
                        {Qt::Key_F9, Qt::ShiftModifier, false, "", ""},
                        {Qt::Key_O, Qt::ControlModifier, false, "", "QFileDialog"},
                        {Qt::Key_S, Qt::ControlModifier, false, "", "QFileDialog"}};
    for (const auto& [key, modifiers, arc, text, dialog] : rows) {
      if (arc) Dialog().Modes().ToggleArc();
      SetText(Editor(), "");
      QCOMPARE(Press(key, modifiers), dialog);
      if (arc) Dialog().Modes().ToggleArc();
      QCOMPARE(Editor().toPlainText(), text);
    }
    // Ctrl+O opens a script file, Ctrl+S saves the window's text as one.
    using Mode = std::pair<Qt::Key, QFileDialog::AcceptMode>;
    for (auto [key, mode] : {Mode{Qt::Key_O, QFileDialog::AcceptOpen},
                             Mode{Qt::Key_S, QFileDialog::AcceptSave}}) {
      std::optional<QFileDialog::AcceptMode> seen;
      Press(key, Qt::ControlModifier, [&](QWidget* dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(dialog)) seen = files->acceptMode();
      });
      QCOMPARE(seen, std::optional(mode));
    }
  }

  void variablesDialogOpensWhereItWasLeft() {
    for (int left : {-1, 60}) {
      Options().varsDialogLeft = left;
      Options().varsDialogTop = 70;
      QPoint at;
      Press(Qt::Key_F2, {}, [&](QWidget* dialog) { at = dialog->pos(); });
      QCOMPARE(at == QPoint(left, 70), left != -1);
    }
  }

  void arcAndAngleModes() {
    RoundButton *arc = Keys().Key(kKeyArc), *rad = Keys().Key(kKeyRad);
    QTest::keyClick(&Editor(), Qt::Key_I, kCS);
    QVERIFY(Dialog().Modes().Arc() && arc->TextColour() == QColor(200, 0, 0));
    arc->click();
    QVERIFY(!Dialog().Modes().Arc() && arc->TextColour() == kBlue);
    QAction *degrees = Dialog().Menu().Action(kCmdDegrees),
            *radians = Dialog().Menu().Action(kCmdRadians);
    degrees->trigger();
    QVERIFY(Options().radian == 0 && rad->text() == "Deg");
    QVERIFY(degrees->isChecked() && !radians->isChecked());
    rad->click();
    QVERIFY(Options().radian == 1 && rad->text() == "Rad");
    QVERIFY(!degrees->isChecked() && radians->isChecked());
    radians->trigger();  // the mode in force stays
    QCOMPARE(Options().radian, 1);
    Restart([](OptionsRecord& o) { o.radian = 0; });
    QCOMPARE(Keys().Key(kKeyRad)->text(), QString("Deg"));
    QVERIFY(Dialog().Menu().Action(kCmdDegrees)->isChecked());
  }

  // The base menu sets the option, the key's caption and colour and the
  // display of the next result; the options file's base shows at start.
  void numberBase() {
    using Row = std::tuple<int, int, QString, QColor, QString, QString>;
    const Row rows[] = {{kCmdHexadecimal, 1, "Hex", kRed, "255s", "ff"},
                        {kCmdOctal, 2, "Oct", kRed, "8s", "10"},
                        {kCmdBinary, 3, "Bin", kRed, "5s", "101"},
                        {kCmdDecimal, 0, "DEC", kBlue, "5s", "5"}};
    for (const auto& [command, base, caption, colour, line, shown] : rows) {
      Dialog().Menu().Action(command)->trigger();
      QCOMPARE(Options().numberBase, base);
      QCOMPARE(Keys().Key(kKeyBase)->text(), caption);
      QCOMPARE(Keys().Key(kKeyBase)->TextColour(), colour);
      QCOMPARE(Dialog().Flow().CalculateLine(line), shown);
    }
    // A base the window does not know shows as decimal.
    const Row restarts[] = {{kCmdHexadecimal, 1, "Hex", kRed, "255s", "ff"},
                            {kCmdOctal, 2, "Oct", kRed, "8s", "10"},
                            {kCmdDecimal, 7, "DEC", kBlue, "5s", "5"}};
    for (const auto& [command, base, caption, colour, line, shown] : restarts) {
      Restart([&, base = base](OptionsRecord& o) {
        o.numberBase = base;
        o.radian = 0;
      });
      QCOMPARE(Keys().Key(kKeyBase)->text(), caption);
      QCOMPARE(Keys().Key(kKeyBase)->TextColour(), colour);
      QCOMPARE(Dialog().Flow().CalculateLine(line), shown);
      QVERIFY(Dialog().Menu().Action(kCmdDegrees)->isChecked() &&
              Dialog().Menu().Action(kCmdEnglish)->isChecked());
    }
  }

  // The label colours of the options, taken when the key areas repaint
  // (all the preferences ask for); the fixed colours stay.
  // The about box carries the program's icon, half as big again as a message
  // box's, beside its version line.
  void aboutBox() {
    AboutBox box(std::filesystem::temp_directory_path());
    const int messageIcon = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    bool iconShown = false, versionShown = false;
    for (const QLabel* label : box.findChildren<QLabel*>()) {
      const QPixmap pixmap = label->pixmap();
      if (!pixmap.isNull()) iconShown = pixmap.width() >= messageIcon * 3 / 2;
      versionShown = versionShown || label->text().startsWith("VadadeRivo Version");
    }
    QVERIFY(iconShown && versionShown);
  }

  // Options changed while the window is up reach the keys at their next paint.
  void keyColoursFollowTheOptions() {
    QVERIFY(QTest::qWaitForWindowExposed(&Dialog()));
    Options().digitColor = 0x000000FF;      // red
    Options().functionColor = 0x0000FF00;   // green
    Options().operationColor = 0x00FF0000;  // blue
    Options().buttonHighlight = 0x00102030;
    Dialog().Keys().SideArea()->repaint();
    Dialog().Keys().TopArea()->repaint();
    const std::pair<int, QColor> colours[] = {{kKey0, Qt::red},
                                              {kKey1, Qt::red},
                                              {kKeyTan, Qt::green},
                                              {kKeyPower, Qt::blue},
                                              {kKeyPi, QColor(0, 100, 0)},
                                              {kKeySemicolon, QColor(0, 90, 180)},
                                              {kKeyBack, kRed},
                                              {kKeyArc, kBlue}};
    for (auto [id, colour] : colours) QCOMPARE(Keys().Key(id)->TextColour(), colour);
    for (int id : Keys().KeyIds())
      QCOMPARE(Keys().Key(id)->HoverColour(), QColor(0x30, 0x20, 0x10));
  }

  // The editor takes what the window gains; the keys keep their size, the
  // block beside the editor on its right, top-aligned, the rows above it.
  void layout() {
    CalculatorDialog& d = Dialog();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    const QFontMetrics fm(Editor().font());
    QVERIFY(Editor().width() >= 44 * fm.averageCharWidth());
    QVERIFY(Editor().height() >= 18 * fm.lineSpacing());
    QCOMPARE(d.minimumSize(), d.size());
    // Small enough for a 1920 x 1080 screen at twice the pixels per point
    // (960 x 540 points), with room for a title bar above.
    QVERIFY2(d.width() <= 960 && d.height() <= 540 - 40,
             qPrintable(QStringLiteral("%1 x %2").arg(d.width()).arg(d.height())));
    const QRect editor = Place(&Editor(), &d), top = Place(d.Keys().TopArea(), &d),
                side = Place(d.Keys().SideArea(), &d);
    QVERIFY(top.bottom() < editor.top() && top.left() == editor.left());
    QVERIFY(editor.right() < side.left() && side.top() == editor.top());
    d.resize(d.size() + QSize(200, 100));
    QTRY_COMPARE(Editor().size(), editor.size() + QSize(200, 100));
    QCOMPARE(Place(d.Keys().SideArea(), &d), side.translated(200, 0));
    QCOMPARE(Place(d.Keys().TopArea(), &d).topLeft(), top.topLeft());

    // The keys in their rows and columns, each wide enough for its caption.
    auto at = [&](int id) { return Place(Keys().Key(id), &d); };
    const QRect a = at(kKeyA);
    const int gap = at(kKeyA + 1).left() - a.right() - 1;
    const QRect rad = at(kKeyRad);
    using Row = std::tuple<int, int, int, QRect>;  // key, row, column, first key of the block
    const Row rows[] = {{kKeyHexF, 0, 4, a},   {kKeyBack, 1, 4, a},   {kKey7, 2, 0, a},
                        {kKeyOpen, 2, 4, a},   {kKey0, 5, 0, a},      {kKeySemicolon, 5, 4, a},
                        {kKeyConv, 6, 1, a},   {kKeyEquals, 6, 2, a}, {kKeyNumberE, 0, 7, rad},
                        {kKeyBase, 1, 0, rad}, {kKeyCls, 1, 7, rad}};
    for (const auto& [id, row, column, first] : rows)
      QCOMPARE(at(id).topLeft(), first.topLeft() + QPoint(column * (first.width() + gap),
                                                          row * (first.height() + gap)));
    QCOMPARE(at(kKeyEquals).right(), at(kKeySemicolon).right());
    QVERIFY(at(kKeyCls).bottom() <= Place(d.Keys().TopArea(), &d).bottom());
    for (int id : Keys().KeyIds()) {
      const RoundButton* key = Keys().Key(id);
      const QFontMetrics keyFont(key->font());
      QVERIFY2(
          key->width() > keyFont.horizontalAdvance(key->text()) && key->height() > keyFont.height(),
          qPrintable(key->text()));
      QCOMPARE(key->font().bold(), (id >= kKey1 && id <= kKey0) || id == kKeyFunctions);
    }
    const QFont serif = Keys().Key(kKeyFunctions)->font();
    QCOMPARE(serif.styleHint(), QFont::Serif);
    QVERIFY(QFontMetrics(serif).height() <= 24 && QFontMetrics(serif).height() >= 20);
  }

  // F6, "Conv" and the menu switch the mode: the unit lists with their
  // labels take the place of the top rows, and every line is converted.
  void unitMode() {
    StartWithUnits();
    QComboBox *types = Keys().UnitTypeList(), *from = Keys().FromList(), *to = Keys().ToList();
    QAction* menuItem = Dialog().Menu().Action(kCmdUnitMode);
    from->addItems({"a", "b"});
    from->setCurrentIndex(1);
    QTest::keyClick(&Editor(), Qt::Key_F3);  // nothing outside the mode
    QTest::keyClick(&Editor(), Qt::Key_F6, Qt::ShiftModifier);
    QVERIFY(!Dialog().Conversion().On() && from->currentIndex() == 1);
    Keys().Key(kKeyConv)->click();
    QVERIFY(Dialog().Conversion().On() && menuItem->isChecked());
    for (int id : {kKeyRad, kKeyCls, kKeyFunctions, kKeyConv}) QVERIFY(Keys().Key(id)->isHidden());
    for (int id : {kKeySwap, kKeySI, kKey7}) QVERIFY(!Keys().Key(id)->isHidden());
    QCOMPARE(Items(types), (QStringList{"Length", "Temperature"}));
    // "mile" has no Russian name but is offered in English.
    QCOMPARE(Items(from), (QStringList{"m", "km", "mile"}));
    QVERIFY(from->currentIndex() == 0 && to->currentIndex() == 0);
    QVERIFY(QTest::qWaitForWindowExposed(&Dialog()));
    auto label = [&](const char* text) {
      for (QLabel* l : Dialog().findChildren<QLabel*>())
        if (l->text() == text) return Place(l, &Dialog());
      return QRect();
    };
    const QRect type = Place(types, &Dialog()), a = Place(from, &Dialog()),
                b = Place(to, &Dialog());
    QVERIFY(label("Unit type:").right() < type.left() && type.bottom() < a.top());
    QVERIFY(label("From:").right() < a.left() && a.right() < label("To:").left());
    QVERIFY(label("To:").right() < b.left() && label("To:").width() * 2 < b.width());
    QVERIFY(type.left() == a.left() && type.right() == b.right() && a.width() == b.width());
    QCOMPARE(a.top(), b.top());

    // F3 and "<->" exchange the units, F4 and "SI" pick the first.
    from->setCurrentIndex(2);
    QTest::keyClick(&Editor(), Qt::Key_F3);
    QVERIFY(from->currentIndex() == 0 && to->currentIndex() == 2);
    QTest::keyClick(&Editor(), Qt::Key_F4);
    QCOMPARE(to->currentIndex(), 0);
    to->setCurrentIndex(1);
    Keys().Key(kKeySI)->click();
    QCOMPARE(to->currentIndex(), 0);
    to->setCurrentIndex(-1);  // without a selection nothing is exchanged
    from->setCurrentIndex(1);
    Keys().Key(kKeySwap)->click();
    QVERIFY(from->currentIndex() == 1 && to->currentIndex() == -1);
    QCOMPARE(Editor().toPlainText(), QString());

    // The type, the units from and to, swapped or not, a line and its result.
    using Row = std::tuple<int, int, int, bool, QString, QString>;
    const Row rows[] = {{0, 1, 0, false, "1+2", "3000"},
                        {0, 2, 1, false, "1", "1.609344"},
                        {1, 1, 0, true, "5", "41"},
                        {0, 1, 1, false, "2+3", "5"},
                        // The line buffer holds the line as typed, not its
                        // conversion: 255 characters, 1+1+...+1 is 128.
                        {0, 1, 0, false, "1" + QString("+1").repeated(127), "128000"},
                        {0, 1, 0, false, "1" + QString("+1").repeated(128) + " ",
                         "Line is too long: at most 255 characters"}};
    for (const auto& [type, a, b, swap, line, result] : rows) {
      types->setCurrentIndex(type);
      Dialog().Conversion().OnUnitTypeChanged();  // refills both lists from their first entries
      QVERIFY(from->currentIndex() == 0 && to->currentIndex() == 0 && to->count() == from->count());
      from->setCurrentIndex(a);
      to->setCurrentIndex(b);
      if (swap) Keys().Key(kKeySwap)->click();
      SetText(Editor(), line);
      QTest::keyClick(&Editor(), Qt::Key_Return);
      QCOMPARE(Editor().Lines(), (QStringList{line, result, ""}));
    }
    QCOMPARE(Items(to), (QStringList{"m", "km", "mile"}));
    types->setCurrentIndex(1);
    QTest::keyClick(&Editor(), Qt::Key_F6);
    QVERIFY(!Dialog().Conversion().On() && !menuItem->isChecked());
    QVERIFY(!Keys().Key(kKeyRad)->isHidden() && Keys().Key(kKeySI)->isHidden());
    menuItem->trigger();  // on again from the first type
    QVERIFY(Dialog().Conversion().On() && types->currentIndex() == 0 && from->currentText() == "m");
  }

  void openingAFile() {
    const QString path = w_.folder->FilePath("expr.txt");
    // A single operand is taken for a result and not evaluated.
    using Row = std::tuple<QByteArray, bool, QString>;
    const Row rows[] = {{"1+1\n2\n", true, "1+1\n2\n2\n"},
                        {"1+1\n2\n", false, "1+1\n2\n"},
                        {"\r\n1+2\r\n", true, "\n1+2\n3\n"},
                        {"2*3", true, "2*3\n6\n"}};
    for (const auto& [file, showResults, window] : rows) {
      Options().showScriptResult = showResults ? 1 : 0;
      WriteFile(path, file);
      SetText(Editor(), "old text");
      QVERIFY(Dialog().Files().LoadScriptFile(path));
      QCOMPARE(Editor().toPlainText(), window);
    }
    // A file that cannot be read says why and leaves the window as it was;
    // a pipe is refused at once instead of waiting for a writer.
    const QString pipe = w_.folder->FilePath("pipe.txt");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString binary = w_.folder->FilePath("binary.txt");
    WriteFile(binary, QByteArray("1+1\0\x01", 5));
    const std::pair<QString, QString> failures[] = {
        {w_.folder->FilePath("none.txt"), "there is no such file"},
        {binary, "it is not a text file"},
        {pipe, "it is not a regular file that can be read, or it is too large"}};
    for (const auto& [file, why] : failures) {
      SetText(Editor(), "kept");
      QString reason;
      QVERIFY(!Dialog().Files().LoadScriptFile(file, &reason));
      QCOMPARE(reason, why);
      QCOMPARE(Editor().toPlainText(), QString("kept"));
    }
  }

  void savingAFile() {
    // The typed 5 is a single operand too and goes with the results.
    SetText(Editor(), "1+1\n2\n\n5\nx=5");
    const QString path = w_.folder->FilePath("out.txt");
    for (int keep : {0, 1}) {
      Options().saveResults = keep;
      QVERIFY(Dialog().Files().SaveScriptFile(path));
      QCOMPARE(ReadFile(path), QByteArray(keep ? "1+1\n2\n\n5\nx=5\n" : "1+1\n\nx=5\n"));
    }
    QString reason;
    QVERIFY(!Dialog().Files().SaveScriptFile(w_.folder->FilePath("no/such/folder.txt"), &reason));
    QVERIFY(!reason.isEmpty());
    // Nothing but the saved file is left beside it.
    QCOMPARE(QFileInfo(path).dir().entryList({"out*"}, QDir::Files | QDir::Hidden),
             QStringList{"out.txt"});
  }

  // Russian saves everything and starts the program again; English while
  // in English only rebuilds the tips; English from Russian switches now.
  void language() {
    QStringList restarts;
    Dialog().Prompts().restart = [&](const std::filesystem::path& folder) {
      restarts << QString::fromStdString(folder.string());
      return true;
    };
    Keys().Key(kKeyConv)->setToolTip(QString());
    Dialog().Menu().Action(kCmdEnglish)->trigger();
    QCOMPARE(Keys().Key(kKeyConv)->toolTip(), QString("Unit converter"));
    QVERIFY(Dialog().Menu().Action(kCmdEnglish)->isChecked());
    QVERIFY(!Dialog().Menu().Action(kCmdRussian)->isChecked() && restarts.isEmpty());
    QSignalSpy finished(&Dialog(), &QDialog::finished);
    Dialog().Menu().Action(kCmdRussian)->trigger();
    QCOMPARE(restarts, QStringList{QString::fromStdString(w_.folder->Path().string())});
    QVERIFY(w_.window->messages.size() == 1 && finished.count() == 1);

    Restart();
    QCOMPARE(Dialog().windowTitle(), QString("Калькулятор VadadeRivo"));
    QCOMPARE(Dialog().Menu().Bar()->actions().first()->text(), QString("&Файл"));
    QVERIFY(Dialog().Menu().Action(kCmdRussian)->isChecked());
    Dialog().Menu().Action(kCmdEnglish)->trigger();
    QVERIFY(Dialog().windowTitle() == "VadadeRivo" && Options().english == 1);
    QVERIFY(Dialog().Menu().Action(kCmdEnglish)->isChecked() && Dialog().isVisible());
  }

  // The chosen name goes in as a function; the list remembers its place.
  void functionsList() {
    QString answer = "sqrt";
    Dialog().Prompts().chooseFunction = [&] { return answer; };
    SetText(Editor(), "");
    Keys().Key(kKeyFunctions)->click();
    answer.clear();  // cancelled
    Dialog().Menu().Action(kCmdFunctions)->trigger();
    QCOMPARE(Editor().toPlainText(), QString("sqrt()"));
    QCOMPARE(Editor().textCursor().position(), 5);
    {
      // It opens wide enough to read every description whole.
      FunctionsDialog opened;
      opened.show();
      QVERIFY(QTest::qWaitForWindowExposed(&opened));
      const QTreeWidget* list = opened.List();
      for (int i = 0; i < list->topLevelItemCount(); ++i)
        QVERIFY2(list->fontMetrics().horizontalAdvance(list->topLevelItem(i)->text(1)) <
                     list->columnWidth(1),
                 qPrintable(list->topLevelItem(i)->text(1)));
      QVERIFY(opened.height() > 300);
    }
    {
      FunctionsDialog shown;  // the description takes what the name leaves
      shown.show();
      shown.resize(400, 300);
      QCOMPARE(shown.List()->columnWidth(0), 100);
      QCOMPARE(shown.List()->columnWidth(1), shown.List()->viewport()->width() - 120);
    }
    Options().functionsDialog = {};
    {
      FunctionsDialog dialog;
      QTreeWidget* list = dialog.List();
      QCOMPARE(list->topLevelItemCount(), int(FunctionCatalogue().size()));
      QVERIFY(!list->topLevelItem(0)->text(1).isEmpty());  // with its description
      QCOMPARE(list->currentItem(), list->topLevelItem(0));
      list->setCurrentItem(list->topLevelItem(3));
      dialog.Choose();
      QCOMPARE(dialog.ChosenName(), list->topLevelItem(3)->text(0));
      list->clearSelection();
      dialog.Choose();
      QCOMPARE(dialog.ChosenName(), QString());
      dialog.move(40, 50);
    }
    QCOMPARE(FunctionsDialog().pos(), QPoint(40, 50));
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
