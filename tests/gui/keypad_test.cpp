// The keypad and the keyboard: what each key puts into the expression
// window and where the caret ends, and the modes the keys switch.
#include "gui/window/keypad.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTextDocument>

#include "gui/controls/round_button.h"
#include "gui/window/menu_commands.h"
#include "gui_test_support.h"
#include "settings/options_record.h"

using vr::test::StartedWindow;

namespace {

void SetTextAndSelection(vr::ExpressionEditor& editor, const QString& text, int start, int end) {
  editor.SetWindowText(text);
  QTextCursor c = editor.textCursor();
  c.setPosition(start);
  c.setPosition(end, QTextCursor::KeepAnchor);
  editor.setTextCursor(c);
}

}  // namespace

class KeypadTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<vr::test::ProgramFolder>();
    window_ = std::make_unique<StartedWindow>(folder_->Path());
  }
  void cleanup() {
    window_.reset();
    folder_.reset();
  }

  void keyInsertion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("arc");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");

    QTest::newRow("digit") << "12" << 2 << 2 << int(vr::kKey1 + 6) << false << "127" << 3;
    QTest::newRow("zero replaces selection")
        << "123" << 1 << 2 << int(vr::kKey0) << false << "103" << 2;
    QTest::newRow("power is two asterisks")
        << "2" << 1 << 1 << int(vr::kKeyPower) << false << "2**" << 3;
    QTest::newRow("hex letters") << "" << 0 << 0 << int(vr::kKeyA + 2) << false << "C" << 1;
    QTest::newRow("H is lower case") << "ff" << 2 << 2 << int(vr::kKeyH) << false << "ffh" << 3;
    QTest::newRow("O is lower case") << "17" << 2 << 2 << int(vr::kKeyO) << false << "17o" << 3;
    QTest::newRow("E of the top row")
        << "" << 0 << 0 << int(vr::kKeyNumberE) << false << "2.71828182845905" << 16;
    QTest::newRow("gold") << "2*" << 2 << 2 << int(vr::kKeyGold) << false << "2*GOLD" << 6;
    QTest::newRow("open without selection")
        << "7+1" << 0 << 0 << int(vr::kKeyOpen) << false << "(7+1" << 1;
    QTest::newRow("open wraps selection")
        << "2*7+1" << 2 << 5 << int(vr::kKeyOpen) << false << "2*(7+1)" << 7;
    QTest::newRow("close wraps selection")
        << "7+1" << 0 << 3 << int(vr::kKeyClose) << false << "(7+1)" << 5;
    QTest::newRow("function without selection")
        << "2+" << 2 << 2 << int(vr::kKeySin) << false << "2+Sin()" << 6;
    QTest::newRow("function wraps selection")
        << "7+1" << 0 << 3 << int(vr::kKeySin) << false << "Sin(7+1)" << 8;
    QTest::newRow("selection made backwards")
        << "7+1" << 3 << 0 << int(vr::kKeyAbs) << false << "Abs(7+1)" << 8;
    QTest::newRow("arc sine") << "" << 0 << 0 << int(vr::kKeySin) << true << "ASin()" << 5;
    QTest::newRow("arc tangent") << "1" << 0 << 1 << int(vr::kKeyTan) << true << "ATan(1)" << 7;
    QTest::newRow("square is Sqr") << "" << 0 << 0 << int(vr::kKeySquare) << true << "Sqr()" << 4;
    QTest::newRow("delete selection")
        << "12345" << 1 << 3 << int(vr::kKeyBack) << false << "145" << 1;
    QTest::newRow("delete before caret")
        << "12345" << 3 << 3 << int(vr::kKeyBack) << false << "1245" << 2;
    QTest::newRow("delete at start") << "12" << 0 << 0 << int(vr::kKeyBack) << false << "12" << 0;
    QTest::newRow("delete a line break")
        << "1\n2" << 2 << 2 << int(vr::kKeyBack) << false << "12" << 1;
  }
  void keyInsertion() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, key);
    QFETCH(bool, arc);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    vr::CalculatorDialog& dialog = *window_->dialog;
    if (arc) dialog.ToggleArcMode();
    SetTextAndSelection(window_->Editor(), text, start, end);
    dialog.Keys().Key(key)->click();
    QCOMPARE(window_->Editor().toPlainText(), expected);
    QCOMPARE(window_->Editor().textCursor().position(), caret);
    QVERIFY(!window_->Editor().textCursor().hasSelection());
  }

  void everyInsertionIsOneUndoStep() {
    vr::ExpressionEditor& editor = window_->Editor();
    SetTextAndSelection(editor, "7+1", 0, 3);
    for (int key : {int(vr::kKeyCos), int(vr::kKeyOpen), int(vr::kKeyBack), int(vr::kKeyCls)}) {
      const QString before = editor.toPlainText();
      window_->dialog->Keys().Key(key)->click();
      QVERIFY(editor.toPlainText() != before);
      editor.undo();
      QCOMPARE(editor.toPlainText(), before);
      editor.redo();
    }
  }

  void equalsKeyEvaluates() {
    window_->Editor().SetWindowText("2+3");
    window_->dialog->Keys().Key(vr::kKeyEquals)->click();
    QCOMPARE(window_->Editor().toPlainText(), QString("2+3\n5\n"));
  }

  void enterWithModifiers_data() {
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << int(Qt::NoModifier) << "2+3\n5\n";
    QTest::newRow("shift breaks the line only") << int(Qt::ShiftModifier) << "2+3\n";
    QTest::newRow("control") << int(Qt::ControlModifier) << "2+3\n5\n";
    QTest::newRow("alt") << int(Qt::AltModifier) << "2+3\n5\n";
  }
  void enterWithModifiers() {
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    window_->Editor().SetWindowText("2+3");
    QTest::keyClick(&window_->Editor(), Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(window_->Editor().toPlainText(), expected);
  }

  void functionShortcuts_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("arc");
    QTest::addColumn<QString>("expected");
    QTest::newRow("A") << int(Qt::Key_A) << false << "Abs()";
    QTest::newRow("C") << int(Qt::Key_C) << false << "Cos()";
    QTest::newRow("C in arc mode") << int(Qt::Key_C) << true << "ACos()";
    QTest::newRow("E") << int(Qt::Key_E) << false << "Exp()";
    QTest::newRow("G") << int(Qt::Key_G) << false << "Log()";
    QTest::newRow("L") << int(Qt::Key_L) << false << "Ln()";
    QTest::newRow("N") << int(Qt::Key_N) << true << "ASin()";
    QTest::newRow("R") << int(Qt::Key_R) << false << "Sqrt()";
    QTest::newRow("S") << int(Qt::Key_S) << false << "Sqr()";
    QTest::newRow("T") << int(Qt::Key_T) << true << "ATan()";
    QTest::newRow("other letters are taken") << int(Qt::Key_Z) << false << "";
  }
  void functionShortcuts() {
    QFETCH(int, key);
    QFETCH(bool, arc);
    QFETCH(QString, expected);
    if (arc) window_->dialog->ToggleArcMode();
    window_->Editor().SetWindowText("");
    QTest::keyClick(&window_->Editor(), static_cast<Qt::Key>(key),
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(window_->Editor().toPlainText(), expected);
  }

  void arcMode() {
    vr::CalculatorDialog& dialog = *window_->dialog;
    vr::RoundButton* arcKey = dialog.Keys().Key(vr::kKeyArc);
    QVERIFY(!dialog.ArcMode());
    QCOMPARE(arcKey->TextColour(), QColor(0, 0, 200));
    QTest::keyClick(&window_->Editor(), Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(dialog.ArcMode());
    QCOMPARE(arcKey->TextColour(), QColor(200, 0, 0));
    arcKey->click();
    QVERIFY(!dialog.ArcMode());
    QCOMPARE(arcKey->TextColour(), QColor(0, 0, 200));
  }

  void angleMode() {
    vr::CalculatorDialog& dialog = *window_->dialog;
    QAction* degrees = dialog.MenuAction(vr::kCmdDegrees);
    QAction* radians = dialog.MenuAction(vr::kCmdRadians);
    vr::RoundButton* key = dialog.Keys().Key(vr::kKeyRad);
    degrees->trigger();
    QCOMPARE(vr::Options().radian, 0);
    QCOMPARE(key->text(), QString("Deg"));
    QVERIFY(degrees->isChecked() && !radians->isChecked());
    key->click();
    QCOMPARE(vr::Options().radian, 1);
    QCOMPARE(key->text(), QString("Rad"));
    QVERIFY(!degrees->isChecked() && radians->isChecked());
    radians->trigger();  // setting the mode in force keeps it
    QCOMPARE(vr::Options().radian, 1);
    QVERIFY(radians->isChecked());
  }

  void numberBase_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("hexadecimal") << int(vr::kCmdHexadecimal) << 1 << "Hex" << QColor(170, 0, 0);
    QTest::newRow("octal") << int(vr::kCmdOctal) << 2 << "Oct" << QColor(170, 0, 0);
    QTest::newRow("binary") << int(vr::kCmdBinary) << 3 << "Bin" << QColor(170, 0, 0);
    QTest::newRow("decimal") << int(vr::kCmdDecimal) << 0 << "DEC" << QColor(0, 0, 200);
  }
  void numberBase() {
    QFETCH(int, command);
    QFETCH(int, base);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);
    vr::CalculatorDialog& dialog = *window_->dialog;
    dialog.MenuAction(command)->trigger();
    QCOMPARE(vr::Options().numberBase, base);
    QCOMPARE(dialog.Keys().Key(vr::kKeyBase)->text(), caption);
    QCOMPARE(dialog.Keys().Key(vr::kKeyBase)->TextColour(), colour);
    vr::Options().numberBase = 0;
  }

  void keyColoursFollowTheOptions() {
    vr::OptionsRecord& o = vr::Options();
    const auto saved = o;
    o.digitColor = 0x000000FF;      // red
    o.functionColor = 0x0000FF00;   // green
    o.operationColor = 0x00FF0000;  // blue
    o.buttonHighlight = 0x00102030;
    // The preferences only ask for a repaint of the key areas.
    QVERIFY(QTest::qWaitForWindowExposed(window_->dialog.get()));
    window_->dialog->SideKeyArea()->repaint();
    window_->dialog->TopKeyArea()->repaint();
    vr::Keypad& keys = window_->dialog->Keys();
    QCOMPARE(keys.Key(vr::kKey0)->TextColour(), QColor(255, 0, 0));
    QCOMPARE(keys.Key(vr::kKeyTan)->TextColour(), QColor(0, 255, 0));
    QCOMPARE(keys.Key(vr::kKeyPower)->TextColour(), QColor(0, 0, 255));
    // Fixed colours stay whatever the options say.
    QCOMPARE(keys.Key(vr::kKeyPi)->TextColour(), QColor(0, 100, 0));
    QCOMPARE(keys.Key(vr::kKeySemicolon)->TextColour(), QColor(0, 90, 180));
    for (int id : keys.KeyIds()) QCOMPARE(keys.Key(id)->HoverColour(), QColor(0x30, 0x20, 0x10));
    o = saved;
  }

  void editorContextMenu() {
    vr::ExpressionEditor& editor = window_->Editor();
    auto enabled = [&](const QString& prefix) {
      std::unique_ptr<QMenu> menu(window_->dialog->CreateEditorContextMenu());
      for (QAction* a : menu->actions())
        if (a->text().startsWith(prefix)) return a->isEnabled();
      return false;
    };
    editor.SetWindowText("abc");
    editor.document()->clearUndoRedoStacks();
    QVERIFY(!enabled("&Undo"));
    QVERIFY(!enabled("Cu&t"));
    QVERIFY(!enabled("&Copy"));
    SetTextAndSelection(editor, "abc", 0, 2);
    QVERIFY(enabled("Cu&t"));
    QVERIFY(enabled("&Copy"));
    QTest::keyClicks(&editor, "x");
    QVERIFY(enabled("&Undo"));
  }

 private:
  std::unique_ptr<vr::test::ProgramFolder> folder_;
  std::unique_ptr<StartedWindow> window_;
};

QTEST_MAIN(KeypadTest)
#include "keypad_test.moc"
