// The main window: what Enter and the keys do to the expression window, its
// modes, menus, shortcuts and files, how it is laid out, and its life from
// start-up to exit.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTreeWidget>
#include <tuple>

#include "gui/controls/round_button.h"
#include "gui/window/command_line.h"
#include "gui/window/functions_dialog.h"
#include "gui/window/keypad.h"
#include "gui/window/menu_commands.h"
#include "gui/window/ui_language.h"
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

  OptionsRecord saved_;
  std::unique_ptr<ProgramFolder> folder_;
  std::unique_ptr<StartedWindow> window_;

  ExpressionEditor& Editor() { return window_->Editor(); }
  CalculatorDialog& Dialog() { return *window_->dialog; }
  Keypad& Keys() { return Dialog().Keys(); }
  void Restart(const std::function<void(OptionsRecord&)>& options = {}, CommandLine line = {}) {
    window_.reset();
    if (options) WriteOptionsFile(*folder_, options);
    window_ = std::make_unique<StartedWindow>(folder_->Path(), std::move(line));
  }
  void StartWithUnits() {
    WriteFile(folder_->FilePath("units.dat"),
              "Length|Length|Длина\n+Length|m|м=1\n+Length|km|км=1000\n-Length|mile|?=1609.344\n"
              "Temperature|Temperature|Температура\n+Temperature|°C|°C=1\n"
              "+Temperature|°F|°F=5/9-160/9|9/5+32\n");
    Restart();
  }
  static QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }

 private slots:
  void init() {
    saved_ = Options();
    folder_ = std::make_unique<ProgramFolder>();
    Restart();
  }
  void cleanup() {
    window_.reset();
    folder_.reset();
    Options() = saved_;
    ApplyUiLanguage(true);
  }

  // Enter evaluates the text before the caret, stepping over closing
  // characters, moves the rest to the next line and puts the caret after
  // the result.
  void enterEvaluatesTheTextBeforeTheCaret() {
    const QString longLine = QString("1+").repeated(150) + "1";  // cut at 255: 128 ones
    const QString wideEnd = "1+1" + QString(251, ' ') + QString::fromUtf8("😀");
    // The text, the caret (-1: the end), whether the whole line is taken
    // (from the command line), the lines after and the caret's line.
    using Row = std::tuple<QString, int, bool, QStringList, int>;
    for (const auto& [text, caret, wholeLine, lines, caretLine] : std::initializer_list<Row>{
             {"2+3", -1, false, {"2+3", "5", ""}, 2},
             {"12+34", 3, false, {"12+", EngineText("12+"), "34"}, 2},
             {"12+34", 3, true, {"12+34", "46", ""}, 2},  // from the command line
             {"Sqrt(16)", 7, false, {"Sqrt(16)", "4", ""}, 2},
             {"Abs(Abs(-2))", 10, false, {"Abs(Abs(-2))", "2", ""}, 2},
             {"\"ab\"", 3, false, {"\"ab\"", EngineText("\"ab\""), ""}, 2},
             {"#15.03.2024#", 11, false, {"#15.03.2024#", EngineText("#15.03.2024#"), ""}, 2},
             {"## note", -1, false, {"## note", ""}, 1},
             {"", -1, false, {"", ""}, 1},
             {"1+1\n5*5\n", 3, false, {"1+1", "2", "", "5*5", ""}, 2},
             {longLine, -1, false, {longLine, "128", ""}, 2},
             {wideEnd, -1, false, {wideEnd, "2", ""}, 2}}) {  // never half a character
      SetText(Editor(), text, caret);
      if (wholeLine) Dialog().EvaluateCurrentLine(true);
      if (!wholeLine) QTest::keyClick(&Editor(), Qt::Key_Return);
      QCOMPARE(Editor().Lines(), lines);
      QCOMPARE(Editor().textCursor().blockNumber(), caretLine);
      QCOMPARE(Editor().textCursor().positionInBlock(), 0);
    }
  }

  void keysOfTheEditor() {
    QSignalSpy finished(&Dialog(), &QDialog::finished);
    using Row = std::tuple<Qt::Key, Qt::KeyboardModifiers, QString>;
    for (const auto& [key, modifiers, text] : std::initializer_list<Row>{
             {Qt::Key_Return, Qt::NoModifier, "2+3\n5\n"},
             {Qt::Key_Enter, Qt::KeypadModifier, "2+3\n5\n"},
             {Qt::Key_Return, Qt::ControlModifier, "2+3\n5\n"},
             {Qt::Key_Return, Qt::AltModifier, "2+3\n5\n"},
             {Qt::Key_Return, Qt::ShiftModifier, "2+3\n"},  // a line break only
             {Qt::Key_Escape, Qt::NoModifier, "2+3"}}) {
      SetText(Editor(), "2+3");
      QTest::keyClick(&Editor(), key, modifiers);
      QCOMPARE(Editor().toPlainText(), text);
    }
    QTest::keyClick(&Dialog(), Qt::Key_Escape);
    QCOMPARE(finished.count(), 0);
    QVERIFY(Dialog().isVisible());
    SetText(Editor(), "2+3");
    QTest::keyClick(&Editor(), Qt::Key_Return);
    Editor().undo();  // the whole evaluation is one step
    QCOMPARE(Editor().toPlainText(), QString("2+3"));
  }

  void onlyTheLatestResultIsBoldInTheHighlightColour() {
    Options().textHighlight = 0x000080FF;  // red 255, green 128, blue 0
    Options().textColor = 0x00123456;
    Dialog().ApplyEditorAppearance();
    const QColor highlight(255, 128, 0);
    auto block = [&](int n) { return Editor().document()->findBlockByNumber(n); };
    TypeLine(Editor(), "2+3");
    QVERIFY(Looks(block(0), false));
    QVERIFY(Looks(block(1), true, highlight));
    QCOMPARE(Editor().palette().color(QPalette::Text), QColor(0x56, 0x34, 0x12));
    QTest::keyClicks(&Editor(), "4*4");  // typing goes on in the normal format
    QVERIFY(Looks(block(2), false));
    QTest::keyClick(&Editor(), Qt::Key_Return);
    QVERIFY(Looks(block(1), false));
    QVERIFY(Looks(block(3), true, highlight));
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

  void clearingTheWindowCanBeUndone() {
    SetText(Editor(), "1+1\n2\ncls 1");
    QTest::keyClick(&Editor(), Qt::Key_Return);
    QCOMPARE(Editor().LineCount(), 5);
    SetText(Editor(), "1+1\n2\n  cls  ");
    QTest::keyClick(&Editor(), Qt::Key_Return);
    QCOMPARE(Editor().toPlainText(), QString());
    Editor().undo();
    QVERIFY(Editor().toPlainText().startsWith("1+1\n2\n"));
  }

  void writeStatementsPrintIntoTheWindow() {
    WriteFile(folder_->FilePath("lib.usc"), "func twice(a)\nwrite a\nreturn a*2\nendfunc\n");
    Restart();
    TypeLine(Editor(), "twice(21)");
    QCOMPARE(Editor().Lines(), (QStringList{"twice(21)", "21", "42", ""}));
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
    for (const auto& [text, start, end, key, arc, expected, caret] :
         std::initializer_list<Row>{{"12", 2, 2, kKey1 + 6, false, "127", 3},
                                    {"", 0, 0, kKey1, false, "1", 1},
                                    {"", 0, 0, kKey9, false, "9", 1},
                                    {"123", 1, 2, kKey0, false, "103", 2},
                                    {"2", 1, 1, kKeyPower, false, "2**", 3},
                                    {"", 0, 0, kKeyA, false, "A", 1},
                                    {"", 0, 0, kKeyA + 2, false, "C", 1},
                                    {"", 0, 0, kKeyD, false, "D", 1},
                                    {"ff", 2, 2, kKeyH, false, "ffh", 3},
                                    {"", 0, 0, kKeyNumberE, false, "2.71828182845905", 16},
                                    {"7+1", 0, 0, kKeyOpen, false, "(7+1", 1},
                                    {"2*7+1", 2, 5, kKeyOpen, false, "2*(7+1)", 7},
                                    {"7+1", 0, 3, kKeyClose, false, "(7+1)", 5},
                                    {"7+1", 1, 2, kKeyMinus, false, "7-1", 2},
                                    {"2+", 2, 2, kKeySin, false, "2+Sin()", 6},
                                    {"7+1", 0, 3, kKeySin, false, "Sin(7+1)", 8},
                                    {"7+1", 3, 0, kKeyAbs, false, "Abs(7+1)", 8},
                                    {"", 0, 0, kKeySin, true, "ASin()", 5},
                                    {"1", 0, 1, kKeyTan, true, "ATan(1)", 7},
                                    {"", 0, 0, kKeySquare, true, "Sqr()", 4},
                                    {"12345", 1, 3, kKeyBack, false, "145", 1},
                                    {"12345", 3, 3, kKeyBack, false, "1245", 2},
                                    {"12", 0, 0, kKeyBack, false, "12", 0},
                                    {"1\n2", 2, 2, kKeyBack, false, "12", 1},
                                    {"2+3", 3, 3, kKeyEquals, false, "2+3\n5\n", 6}}) {
      if (arc) Dialog().ToggleArcMode();
      SetText(Editor(), text, start, end);
      Keys().Key(key)->click();
      if (arc) Dialog().ToggleArcMode();
      QCOMPARE(Editor().toPlainText(), expected);
      QCOMPARE(Editor().textCursor().position(), caret);
      QVERIFY(!Editor().textCursor().hasSelection());
    }
  }

  void everyInsertionIsOneUndoStep() {
    SetText(Editor(), "7+1", 0, 3);
    for (int key : {kKeyCos, kKeyOpen, kKeyBack, kKeyCls}) {
      const QString before = Editor().toPlainText();
      Keys().Key(key)->click();
      QVERIFY(Editor().toPlainText() != before);
      Editor().undo();
      QCOMPARE(Editor().toPlainText(), before);
      Editor().redo();
    }
  }

  // Keys the window takes before the editor: Control+Shift+letter inserts
  // a function, the function keys and Control+O/S open what the menus do.
  void shortcuts() {
    Dialog().SetFunctionChooser([] { return QString("max"); });
    using Row = std::tuple<Qt::Key, Qt::KeyboardModifiers, bool, QString, QString>;
    for (const auto& [key, modifiers, arc, text, dialog] : std::initializer_list<Row>{
             {Qt::Key_A, kCS, false, "Abs()", ""},
             {Qt::Key_C, kCS, false, "Cos()", ""},
             {Qt::Key_C, kCS, true, "ACos()", ""},
             {Qt::Key_E, kCS, false, "Exp()", ""},
             {Qt::Key_G, kCS, false, "Log()", ""},
             {Qt::Key_L, kCS, false, "Ln()", ""},
             {Qt::Key_N, kCS, true, "ASin()", ""},
             {Qt::Key_R, kCS, false, "Sqrt()", ""},
             {Qt::Key_S, kCS, false, "Sqr()", ""},
             {Qt::Key_T, kCS, true, "ATan()", ""},
             {Qt::Key_Z, kCS, false, "", ""},  // the other letters are taken too
             {Qt::Key_O, kCS, false, "", ""},
             {Qt::Key_F5, Qt::NoModifier, false, "max()", ""},
             {Qt::Key_F5, Qt::AltModifier, false, "", ""},
             {Qt::Key_F2, Qt::NoModifier, false, "", "vr::VariablesDialog"},
             {Qt::Key_F9, Qt::NoModifier, false, "", "vr::PreferencesSheet"},
             {Qt::Key_F9, Qt::ShiftModifier, false, "", ""},
             {Qt::Key_O, Qt::ControlModifier, false, "", "QFileDialog"},
             {Qt::Key_S, Qt::ControlModifier, false, "", "QFileDialog"}}) {
      if (arc) Dialog().ToggleArcMode();
      SetText(Editor(), "");
      QCOMPARE(ModalOpenedBy([&, key = key, modifiers = modifiers] {
                 QTest::keyClick(&Editor(), key, modifiers);
               }),
               dialog);
      if (arc) Dialog().ToggleArcMode();
      QCOMPARE(Editor().toPlainText(), text);
    }
  }

  void variablesDialogOpensWhereItWasLeft() {
    for (int left : {-1, 60}) {
      Options().varsDialogLeft = left;
      Options().varsDialogTop = 70;
      QPoint at;
      ModalOpenedBy([&] { QTest::keyClick(&Editor(), Qt::Key_F2); },
                    [&](QWidget* dialog) { at = dialog->pos(); });
      QCOMPARE(at == QPoint(left, 70), left != -1);
    }
  }

  void arcMode() {
    RoundButton* arcKey = Keys().Key(kKeyArc);
    QVERIFY(!Dialog().ArcMode());
    QCOMPARE(arcKey->TextColour(), kBlue);
    QTest::keyClick(&Editor(), Qt::Key_I, kCS);
    QVERIFY(Dialog().ArcMode());
    QCOMPARE(arcKey->TextColour(), QColor(200, 0, 0));
    arcKey->click();
    QVERIFY(!Dialog().ArcMode());
    QCOMPARE(arcKey->TextColour(), kBlue);
  }

  void angleMode() {
    QAction* degrees = Dialog().MenuAction(kCmdDegrees);
    QAction* radians = Dialog().MenuAction(kCmdRadians);
    RoundButton* key = Keys().Key(kKeyRad);
    degrees->trigger();
    QCOMPARE(Options().radian, 0);
    QCOMPARE(key->text(), QString("Deg"));
    QVERIFY(degrees->isChecked() && !radians->isChecked());
    key->click();
    QCOMPARE(Options().radian, 1);
    QCOMPARE(key->text(), QString("Rad"));
    QVERIFY(!degrees->isChecked() && radians->isChecked());
    radians->trigger();  // the mode in force stays
    QCOMPARE(Options().radian, 1);
    Restart([](OptionsRecord& o) { o.radian = 0; });
    QCOMPARE(Keys().Key(kKeyRad)->text(), QString("Deg"));
    QVERIFY(Dialog().MenuAction(kCmdDegrees)->isChecked());
  }

  // The base menu sets the option, the key's caption and colour and the
  // display of the next result; the options file's base shows at start.
  void numberBase() {
    using Row = std::tuple<int, int, QString, QColor, QString, QString>;
    for (const auto& [command, base, caption, colour, line, shown] :
         std::initializer_list<Row>{{kCmdHexadecimal, 1, "Hex", kRed, "255s", "ff"},
                                    {kCmdOctal, 2, "Oct", kRed, "8s", "10"},
                                    {kCmdBinary, 3, "Bin", kRed, "5s", "101"},
                                    {kCmdDecimal, 0, "DEC", kBlue, "5s", "5"}}) {
      Dialog().MenuAction(command)->trigger();
      QCOMPARE(Options().numberBase, base);
      QCOMPARE(Keys().Key(kKeyBase)->text(), caption);
      QCOMPARE(Keys().Key(kKeyBase)->TextColour(), colour);
      QCOMPARE(Dialog().CalculateLine(line), shown);
    }
    for (int base : {2, 7}) {
      Restart([&](OptionsRecord& o) { o.numberBase = base; });
      QCOMPARE(Keys().Key(kKeyBase)->text(), QString(base == 2 ? "Oct" : "DEC"));
      QCOMPARE(Keys().Key(kKeyBase)->TextColour(), base == 2 ? kRed : kBlue);
    }
  }

  void keyColoursFollowTheOptions() {
    OptionsRecord& o = Options();
    o.digitColor = 0x000000FF;      // red
    o.functionColor = 0x0000FF00;   // green
    o.operationColor = 0x00FF0000;  // blue
    o.buttonHighlight = 0x00102030;
    // The preferences only ask for a repaint of the key areas.
    QVERIFY(QTest::qWaitForWindowExposed(&Dialog()));
    Dialog().SideKeyArea()->repaint();
    Dialog().TopKeyArea()->repaint();
    QCOMPARE(Keys().Key(kKey0)->TextColour(), QColor(255, 0, 0));
    QCOMPARE(Keys().Key(kKey1)->TextColour(), QColor(255, 0, 0));
    QCOMPARE(Keys().Key(kKeyTan)->TextColour(), QColor(0, 255, 0));
    QCOMPARE(Keys().Key(kKeyPower)->TextColour(), QColor(0, 0, 255));
    // Fixed colours stay whatever the options say.
    QCOMPARE(Keys().Key(kKeyPi)->TextColour(), QColor(0, 100, 0));
    QCOMPARE(Keys().Key(kKeySemicolon)->TextColour(), QColor(0, 90, 180));
    QCOMPARE(Keys().Key(kKeyBack)->TextColour(), kRed);
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
    const QRect editor = Place(&Editor(), &d), top = Place(d.TopKeyArea(), &d),
                side = Place(d.SideKeyArea(), &d);
    QVERIFY(top.bottom() < editor.top() && top.left() == editor.left());
    QVERIFY(editor.right() < side.left() && side.top() == editor.top());
    d.resize(d.size() + QSize(200, 100));
    QTRY_COMPARE(Editor().size(), editor.size() + QSize(200, 100));
    QCOMPARE(Place(d.SideKeyArea(), &d), side.translated(200, 0));
    QCOMPARE(Place(d.TopKeyArea(), &d).topLeft(), top.topLeft());

    // The keys in their rows and columns, each wide enough for its caption.
    auto at = [&](int id) { return Place(Keys().Key(id), &d); };
    const QRect a = at(kKeyA);
    const int gap = at(kKeyA + 1).left() - a.right() - 1;
    const QRect rad = at(kKeyRad);
    using Row = std::tuple<int, int, int, QRect>;  // key, row, column, first key of the block
    for (const auto& [id, row, column, first] : std::initializer_list<Row>{{kKeyHexF, 0, 4, a},
                                                                           {kKeyBack, 1, 4, a},
                                                                           {kKey7, 2, 0, a},
                                                                           {kKeyOpen, 2, 4, a},
                                                                           {kKey0, 5, 0, a},
                                                                           {kKeySemicolon, 5, 4, a},
                                                                           {kKeyConv, 6, 1, a},
                                                                           {kKeyEquals, 6, 2, a},
                                                                           {kKeyNumberE, 0, 7, rad},
                                                                           {kKeyBase, 1, 0, rad},
                                                                           {kKeyCls, 1, 7, rad}})
      QCOMPARE(at(id).topLeft(), first.topLeft() + QPoint(column * (first.width() + gap),
                                                          row * (first.height() + gap)));
    QCOMPARE(at(kKeyEquals).right(), at(kKeySemicolon).right());
    QVERIFY(at(kKeyCls).bottom() <= Place(d.TopKeyArea(), &d).bottom());
    const QFontMetrics keyFont(Keys().Key(kKeyA)->font());
    for (int id : Keys().KeyIds()) {
      const RoundButton* key = Keys().Key(id);
      QVERIFY2(
          key->width() > keyFont.horizontalAdvance(key->text()) && key->height() > keyFont.height(),
          qPrintable(key->text()));
    }
  }

  void unitMode() {
    StartWithUnits();
    QAction* menuItem = Dialog().MenuAction(kCmdUnitMode);
    QVERIFY(!Dialog().UnitMode());
    QVERIFY(Keys().Key(kKeySwap)->isHidden());
    Keys().Key(kKeyConv)->click();
    QVERIFY(Dialog().UnitMode() && menuItem->isChecked());
    for (int id : {kKeyRad, kKeyCls, kKeyFunctions, kKeyConv}) QVERIFY(Keys().Key(id)->isHidden());
    for (int id : {kKeySwap, kKeySI, kKey7}) QVERIFY(!Keys().Key(id)->isHidden());
    QCOMPARE(Items(Keys().UnitTypeList()), (QStringList{"Length", "Temperature"}));
    // "mile" has no Russian name but is offered in English.
    QCOMPARE(Items(Keys().FromList()), (QStringList{"m", "km", "mile"}));
    QCOMPARE(Keys().FromList()->currentIndex(), 0);
    QCOMPARE(Keys().ToList()->currentIndex(), 0);

    // The lists with their labels in place of the top rows.
    QVERIFY(QTest::qWaitForWindowExposed(&Dialog()));
    auto label = [&](const char* text) {
      for (QLabel* l : Dialog().findChildren<QLabel*>())
        if (l->text() == text) return Place(l, &Dialog());
      return QRect();
    };
    const QRect types = Place(Keys().UnitTypeList(), &Dialog()),
                from = Place(Keys().FromList(), &Dialog()), to = Place(Keys().ToList(), &Dialog());
    QVERIFY(label("Unit type:").right() < types.left() && types.bottom() < from.top());
    QVERIFY(label("From:").right() < from.left() && from.right() < label("To:").left());
    QVERIFY(label("To:").right() < to.left() && label("To:").width() * 2 < to.width());
    QVERIFY(types.left() == from.left() && types.right() == to.right());
    QCOMPARE(from.width(), to.width());

    menuItem->trigger();
    QVERIFY(!Dialog().UnitMode() && !menuItem->isChecked());
    QVERIFY(!Keys().Key(kKeyRad)->isHidden() && Keys().Key(kKeySI)->isHidden());
  }

  void linesAreConvertedInUnitMode() {
    StartWithUnits();
    Dialog().ToggleUnitMode();
    // The type, the units from and to, swapped or not, the line and its result.
    using Row = std::tuple<int, int, int, bool, QString, QString>;
    for (const auto& [type, from, to, swap, line, result] :
         std::initializer_list<Row>{{0, 1, 0, false, "1+2", "3000"},
                                    {0, 2, 1, false, "1", "1.609344"},
                                    {1, 1, 0, true, "5", "41"},
                                    {0, 1, 1, false, "2+3", "5"}}) {
      Keys().UnitTypeList()->setCurrentIndex(type);
      Dialog().OnUnitTypeChanged();
      Keys().FromList()->setCurrentIndex(from);
      Keys().ToList()->setCurrentIndex(to);
      if (swap) Keys().Key(kKeySwap)->click();
      SetText(Editor(), line);
      QTest::keyClick(&Editor(), Qt::Key_Return);
      QCOMPARE(Editor().Lines(), (QStringList{line, result, ""}));
    }
  }

  void unitKeysAndTheirShortcuts() {
    StartWithUnits();
    QComboBox* from = Keys().FromList();
    QComboBox* to = Keys().ToList();
    // Outside the mode F3 does nothing, and F6 switches only without
    // modifiers.
    from->addItems({"a", "b"});
    from->setCurrentIndex(1);
    QTest::keyClick(&Editor(), Qt::Key_F3);
    QCOMPARE(from->currentIndex(), 1);
    QTest::keyClick(&Editor(), Qt::Key_F6, Qt::ShiftModifier);
    QVERIFY(!Dialog().UnitMode());
    QTest::keyClick(&Editor(), Qt::Key_F6);
    QVERIFY(Dialog().UnitMode());

    from->setCurrentIndex(2);
    QTest::keyClick(&Editor(), Qt::Key_F3);
    QCOMPARE(from->currentIndex(), 0);
    QCOMPARE(to->currentIndex(), 2);
    QTest::keyClick(&Editor(), Qt::Key_F4);
    QCOMPARE(to->currentIndex(), 0);
    to->setCurrentIndex(1);
    Keys().Key(kKeySI)->click();
    QCOMPARE(to->currentIndex(), 0);
    QCOMPARE(Editor().toPlainText(), QString());
    // Without a selection in a list nothing is exchanged.
    to->setCurrentIndex(-1);
    from->setCurrentIndex(1);
    Keys().Key(kKeySwap)->click();
    QVERIFY(from->currentIndex() == 1 && to->currentIndex() == -1);

    // A new type refills both lists from their first entries; switching the
    // mode on again starts from the first type.
    Keys().UnitTypeList()->setCurrentIndex(1);
    Dialog().OnUnitTypeChanged();
    QCOMPARE(Items(from), (QStringList{"°C", "°F"}));
    QCOMPARE(Items(to), (QStringList{"°C", "°F"}));
    QVERIFY(from->currentIndex() == 0 && to->currentIndex() == 0);
    Dialog().ToggleUnitMode();
    Dialog().ToggleUnitMode();
    QCOMPARE(Keys().UnitTypeList()->currentIndex(), 0);
    QCOMPARE(from->currentText(), QString("m"));
  }

  void editorContextMenu() {
    auto act = [&](const QString& prefix, bool run = false) {
      std::unique_ptr<QMenu> menu(Dialog().CreateEditorContextMenu());
      for (QAction* a : menu->actions()) {
        if (!a->text().startsWith(prefix)) continue;
        if (run) a->trigger();
        return a->isEnabled();
      }
      return false;
    };
    SetText(Editor(), "abc");
    Editor().document()->clearUndoRedoStacks();
    QVERIFY(!act("&Undo") && !act("Cu&t") && !act("&Copy"));
    SetText(Editor(), "abc", 0, 2);
    QVERIFY(act("Cu&t") && act("&Copy", true));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("ab"));
    act("&Delete", true);
    QCOMPARE(Editor().toPlainText(), QString("c"));
    QVERIFY(act("&Undo"));
    act("&Paste", true);
    QCOMPARE(Editor().toPlainText(), QString("abc"));
    act("Select a&ll", true);
    QCOMPARE(Editor().textCursor().selectedText(), QString("abc"));
  }

  void openingAFile() {
    const QString path = folder_->FilePath("expr.txt");
    // A single operand is taken for a result and not evaluated.
    using Row = std::tuple<QByteArray, bool, QString>;
    for (const auto& [file, showResults, window] :
         std::initializer_list<Row>{{"1+1\n2\n", true, "1+1\n2\n2\n"},
                                    {"1+1\n2\n", false, "1+1\n2\n"},
                                    {"\r\n1+2\r\n", true, "\n1+2\n3\n"},
                                    {"2*3", true, "2*3\n6\n"}}) {
      Options().showScriptResult = showResults ? 1 : 0;
      WriteFile(path, file);
      SetText(Editor(), "old text");
      QVERIFY(Dialog().LoadScriptFile(path));
      QCOMPARE(Editor().toPlainText(), window);
    }
    QVERIFY(!Dialog().LoadScriptFile(folder_->FilePath("none.txt")));
    QCOMPARE(Editor().toPlainText(), QString());
  }

  void savingAFile() {
    // The typed 5 is a single operand too and goes with the results.
    SetText(Editor(), "1+1\n2\n\n5\nx=5");
    const QString path = folder_->FilePath("out.txt");
    for (int keep : {0, 1}) {
      Options().saveResults = keep;
      QVERIFY(Dialog().SaveScriptFile(path));
      QCOMPARE(ReadFile(path), QByteArray(keep ? "1+1\n2\n\n5\nx=5\n" : "1+1\n\nx=5\n"));
    }
    QVERIFY(!Dialog().SaveScriptFile(folder_->FilePath("no/such/folder.txt")));
  }

  void russianSavesAndRestarts() {
    QStringList restarts;
    Dialog().SetRestarter([&](const std::filesystem::path& folder) {
      restarts << QString::fromStdString(folder.string());
      return true;
    });
    QSignalSpy finished(&Dialog(), &QDialog::finished);
    Dialog().MenuAction(kCmdRussian)->trigger();
    QCOMPARE(restarts, QStringList{QString::fromStdString(folder_->Path().string())});
    QCOMPARE(window_->messages.size(), 1);
    QCOMPARE(finished.count(), 1);
    OptionsRecord stored;
    VariableTable variables;
    LoadOptions(OptionsFilePath(folder_->Path()), stored, variables);
    QCOMPARE(stored.english, 0);
  }

  void englishAgain() {
    bool restarted = false;
    Dialog().SetRestarter([&](const std::filesystem::path&) { return restarted = true; });
    RoundButton* conv = Keys().Key(kKeyConv);
    conv->setToolTip(QString());
    Dialog().MenuAction(kCmdEnglish)->trigger();  // in English already: the tips only
    QCOMPARE(conv->toolTip(), QString("Unit converter"));
    QVERIFY(Dialog().MenuAction(kCmdEnglish)->isChecked());
    QVERIFY(!Dialog().MenuAction(kCmdRussian)->isChecked());

    Restart([](OptionsRecord& o) { o.english = 0; });
    QCOMPARE(Dialog().windowTitle(), QString("Калькулятор VadadeRivo"));
    QCOMPARE(Dialog().MenuBar()->actions().first()->text(), QString("&Файл"));
    QVERIFY(Dialog().MenuAction(kCmdRussian)->isChecked());
    Dialog().MenuAction(kCmdEnglish)->trigger();
    QCOMPARE(Dialog().windowTitle(), QString("VadadeRivo"));
    QCOMPARE(Options().english, 1);
    QVERIFY(Dialog().MenuAction(kCmdEnglish)->isChecked());
    QVERIFY(!restarted && window_->messages.isEmpty() && Dialog().isVisible());
  }

  void functionsList() {
    QString answer = "sqrt";
    Dialog().SetFunctionChooser([&] { return answer; });
    SetText(Editor(), "");
    Keys().Key(kKeyFunctions)->click();
    QCOMPARE(Editor().toPlainText(), QString("sqrt()"));
    QCOMPARE(Editor().textCursor().position(), 5);
    answer.clear();  // cancelled
    Dialog().MenuAction(kCmdFunctions)->trigger();
    QCOMPARE(Editor().toPlainText(), QString("sqrt()"));

    {  // the name column keeps its width, the description takes the rest
      FunctionsDialog shown;
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
      QCOMPARE(list->currentItem(), list->topLevelItem(0));
      list->setCurrentItem(list->topLevelItem(3));
      dialog.Choose();
      QCOMPARE(dialog.ChosenName(), list->topLevelItem(3)->text(0));
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      list->clearSelection();
      dialog.Choose();
      QCOMPARE(dialog.ChosenName(), QString());
      dialog.move(40, 50);
    }
    QCOMPARE(Options().functionsDialog.left, 40);  // remembered and taken again
    QCOMPARE(FunctionsDialog().pos(), QPoint(40, 50));
  }

  void clickingAKeyKeepsTheFocusInTheEditor() {
    Dialog().activateWindow();
    Editor().setFocus();
    QTest::mouseClick(Keys().Key(kKey1), Qt::LeftButton);
    QTest::keyClicks(&Editor(), "2");
    QCOMPARE(Editor().toPlainText(), QString("12"));
  }

  // ----------------------------------------------------- start-up and exit

  void commandLine() {
    using Row = std::tuple<QStringList, QString, bool>;
    for (const auto& [arguments, expression, minimized] :
         std::initializer_list<Row>{{{}, "", false},
                                    {{"2", "+", "2"}, "2 + 2", false},
                                    {{"5-3"}, "5-3", false},
                                    {{"-min"}, "", true},
                                    {{"-x"}, "", false},
                                    {{"-minimal"}, "", false},
                                    {{"2+2", "-min"}, "2+2 -min", true}}) {
      const CommandLine parsed = ParseCommandLine(arguments);
      QCOMPARE(parsed.expression, expression);
      QCOMPARE(parsed.startMinimized, minimized);
    }
    Restart({}, ParseCommandLine({"-min"}));
    // The offscreen desktop has no notification area: minimised the
    // ordinary way.
    QVERIFY(Dialog().isMinimized() && !Dialog().InTray());
  }

  void textAndVariablesSurviveARestart() {
    TypeLine(Editor(), "a=5");
    TypeLine(Editor(), "b=a*2");
    Dialog().Exit();
    Restart();
    QCOMPARE(Editor().Lines(), (QStringList{"a=5", "5", "b=a*2", "10", ""}));
    TypeLine(Editor(), "a+b");
    QCOMPARE(Editor().GetLineText(5), QString("15"));
    Restart({}, ParseCommandLine({"2+2"}));  // replaces the saved text
    QCOMPARE(Editor().Lines(), (QStringList{"2+2", "4", ""}));
  }

  void failedSaveKeepsTheWindowOpenAndTheOldFileWhole() {
    TypeLine(Editor(), "1+1");
    Dialog().Exit();
    const QString optionsFile = folder_->FilePath("options.xml");
    const QByteArray before = ReadFile(optionsFile);
    QVERIFY(!before.isEmpty());
    Restart();
    TypeLine(Editor(), "7*7");
    // A folder where the new file must be written first makes the save fail.
    QVERIFY(QDir().mkpath(folder_->FilePath("options.xml.tmp/blocked")));
    QSignalSpy finished(&Dialog(), &QDialog::finished);
    window_->closeAnyway = false;
    Dialog().Exit();
    QCOMPARE(window_->messages.size(), 1);
    QCOMPARE(finished.count(), 0);
    QVERIFY(Dialog().isVisible());
    window_->closeAnyway = true;
    Dialog().Exit();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(ReadFile(optionsFile), before);

    window_.reset();
    QDir(folder_->FilePath("options.xml.tmp")).removeRecursively();
    WriteOptionsFile(*folder_, [](OptionsRecord& o) { o.precision = 7; });
    const QByteArray written = ReadFile(optionsFile);
    { CalculatorDialog neverStarted(folder_->Path(), {}); }
    QCOMPARE(ReadFile(optionsFile), written);
  }

  // A saved place is taken again unless it is off every screen; a saved
  // size only with its place.
  void windowPlacement() {
    const QSize normal = Dialog().size();
    // The saved place and size, whether the place is taken, the size shown.
    using Row = std::tuple<QRect, bool, QSize>;
    for (const auto& [saved, moved, size] :
         std::initializer_list<Row>{{{30, 40, 640, 480}, true, {640, 480}},
                                    {{-1, 40, 640, 480}, true, {640, 480}},
                                    {{30, -1, 640, 480}, true, {640, 480}},
                                    {{30, 40, -1, -1}, true, normal},
                                    {{30, 40, 640, -1}, true, normal},
                                    {{-1, -1, 640, 480}, false, normal},
                                    {{-5000, -5000, 640, 480}, false, normal}}) {
      Restart([&, saved = saved](OptionsRecord& o) {
        o.mainWindow = {saved.top(), saved.left(), saved.width(), saved.height()};
      });
      QCOMPARE(Dialog().size(), size);
      QCOMPARE(Dialog().pos() == saved.topLeft(), moved);
    }
    Dialog().resize(700, 500);
    Dialog().move(20, 30);
    Restart();
    QCOMPARE(QRect(Dialog().pos(), Dialog().size()), QRect(20, 30, 700, 500));
  }

  void closeButton() {
    using Row = std::tuple<int, int, bool>;  // closeMinimize, minToTray, closes
    for (const auto& [closeMinimize, minToTray, closes] :
         std::initializer_list<Row>{{0, 0, true}, {0, 1, true}, {1, 0, false}, {1, 1, false}}) {
      Restart();
      Options().closeMinimize = closeMinimize;
      Options().minToTray = minToTray;
      QSignalSpy finished(&Dialog(), &QDialog::finished);
      Dialog().close();
      QCOMPARE(finished.count(), closes ? 1 : 0);
      if (closes) continue;
      QVERIFY(Dialog().isMinimized());
      Dialog().Exit();  // Exit always ends the program
      QCOMPARE(finished.count(), 1);
    }
  }

  void hotKeyThatCannotBeHadIsReported() {
    QVERIFY(window_->messages.isEmpty());
    Restart([](OptionsRecord& o) {
      o.hotKeyKey = 65;  // Control+Alt+A
      o.hotKeyModifiers = 6;
    });
    QCOMPARE(window_->messages.size(), 1);
  }

  void editorLooksAsTheOptionsSay() {
    for (auto [fontSize, points] : std::initializer_list<std::pair<int, int>>{
             {0, 9}, {1, 10}, {3, 12}, {5, 16}, {6, 16}, {-1, 16}}) {
      Options().fontSize = static_cast<std::int16_t>(fontSize);
      Options().backColor = 0x00F0E0D0;
      Dialog().ApplyEditorAppearance();
      QCOMPARE(Editor().font().pointSize(), points);
      QCOMPARE(Editor().palette().color(QPalette::Base), QColor(0xD0, 0xE0, 0xF0));
    }
    for (int onTop : {1, 0}) {
      Options().stayOnTop = onTop;
      Dialog().ApplyStayOnTop();
      QCOMPARE(Dialog().windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop == 1);
      QVERIFY(Dialog().isVisible());
    }
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
