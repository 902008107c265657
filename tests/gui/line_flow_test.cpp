// Enter in the expression window: which text is evaluated, where the result
// goes, how it looks, and what the window keeps.
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <functional>

#include "gui_test_support.h"
#include "session/calculator_session.h"
#include "settings/options_record.h"

using vr::test::CaretPlace;
using vr::test::SetCaret;
using vr::test::StartedWindow;
using vr::test::TypeLine;

namespace {

// What the engine shows for a line, from a session of its own, for rows
// whose exact text belongs to the engine (error messages, strings, dates).
QString EngineText(const QString& line) {
  vr::CalculatorSession probe;
  return QString::fromStdString(probe.CalculateLine(line.toStdString()));
}

bool EveryFragment(const QTextBlock& block, const std::function<bool(const QTextCharFormat&)>& ok) {
  for (auto it = block.begin(); !it.atEnd(); ++it)
    if (it.fragment().isValid() && !ok(it.fragment().charFormat())) return false;
  return true;
}

bool IsHighlighted(const QTextBlock& block, const QColor& colour) {
  return !block.text().isEmpty() && EveryFragment(block, [&](const QTextCharFormat& f) {
    return f.fontWeight() == QFont::Bold && f.foreground().color() == colour;
  });
}

bool IsNormal(const QTextBlock& block) {
  return EveryFragment(block, [](const QTextCharFormat& f) {
    return f.fontWeight() != QFont::Bold && !f.hasProperty(QTextFormat::ForegroundBrush);
  });
}

}  // namespace

class LineFlowTest : public QObject {
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

  void enterEvaluatesTheCaretsLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");  // -1: end of the text
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("caretLine");

    const QString longLine = QString("1+").repeated(150) + "1";  // 301 characters
    QTest::newRow("typed line") << "2+3" << -1 << QStringList{"2+3", "5", ""} << 2;
    QTest::newRow("split at the caret")
        << "12+34" << 3 << QStringList{"12+", EngineText("12+"), "34"} << 2;
    QTest::newRow("caret before a closing parenthesis")
        << "Sqrt(16)" << 7 << QStringList{"Sqrt(16)", "4", ""} << 2;
    QTest::newRow("caret before two closing parentheses")
        << "Abs(Abs(-2))" << 10 << QStringList{"Abs(Abs(-2))", "2", ""} << 2;
    QTest::newRow("caret before a closing quote")
        << "\"ab\"" << 3 << QStringList{"\"ab\"", EngineText("\"ab\""), ""} << 2;
    QTest::newRow("caret before a closing date sign")
        << "#15.03.2024#" << 11 << QStringList{"#15.03.2024#", EngineText("#15.03.2024#"), ""} << 2;
    QTest::newRow("comment") << "1+1 ## note" << -1 << QStringList{"1+1 ## note", "2", ""} << 2;
    QTest::newRow("comment only") << "## note" << -1 << QStringList{"## note", ""} << 1;
    QTest::newRow("empty line") << "" << -1 << QStringList{"", ""} << 1;
    QTest::newRow("earlier line again") << "1+1\n5*5\n"
                                        << 3 << QStringList{"1+1", "2", "", "5*5", ""} << 2;
    QTest::newRow("line beyond the line buffer is cut")
        << longLine << -1 << QStringList{longLine, "128", ""} << 2;
  }
  void enterEvaluatesTheCaretsLine() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QStringList, lines);
    QFETCH(int, caretLine);
    auto& editor = window_->Editor();
    editor.SetWindowText(text);
    SetCaret(editor, caret);

    QTest::keyClick(&editor, Qt::Key_Return);

    QCOMPARE(editor.Lines(), lines);
    QCOMPARE(CaretPlace(editor), qMakePair(caretLine, 0));
  }

  void commandLineEvaluationTakesTheWholeLine() {
    auto& editor = window_->Editor();
    editor.SetWindowText("2+2");
    SetCaret(editor, 0);
    window_->dialog->EvaluateCurrentLine(true);
    QCOMPARE(editor.Lines(), (QStringList{"2+2", "4", ""}));
  }

  void onlyTheLatestResultIsBoldInTheHighlightColour() {
    vr::ScopedOptions options;
    options->textHighlight = 0x000080FF;  // red 255, green 128, blue 0
    options->textColor = 0x00123456;
    window_->dialog->ApplyEditorAppearance();
    auto& editor = window_->Editor();
    const QColor highlight(255, 128, 0);

    TypeLine(editor, "2+3");
    QVERIFY(IsNormal(editor.document()->findBlockByNumber(0)));
    QVERIFY(IsHighlighted(editor.document()->findBlockByNumber(1), highlight));
    QCOMPARE(editor.palette().color(QPalette::Text), QColor(0x56, 0x34, 0x12));

    QTest::keyClicks(&editor, "4*4");  // typing goes on in the normal format
    QVERIFY(IsNormal(editor.document()->findBlockByNumber(2)));
    QTest::keyClick(&editor, Qt::Key_Return);
    QCOMPARE(editor.GetLineText(3), QString("16"));
    QVERIFY(IsNormal(editor.document()->findBlockByNumber(1)));
    QVERIFY(IsHighlighted(editor.document()->findBlockByNumber(3), highlight));
  }

  void theOldestLinesGoAndTheCaretKeepsItsPlace_data() {
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("evaluatedLine");

    QTest::newRow("full window, last line") << 500 << 499;
    QTest::newRow("full window, middle line") << 500 << 250;
    QTest::newRow("pasted beyond the limit") << 620 << 600;
  }
  void theOldestLinesGoAndTheCaretKeepsItsPlace() {
    QFETCH(int, lineCount);
    QFETCH(int, evaluatedLine);
    QStringList lines;
    for (int i = 0; i < lineCount; ++i) lines << QString("n%1").arg(i);
    lines[evaluatedLine] = "7*6";
    auto& editor = window_->Editor();
    editor.SetWindowText(lines.join('\n'));
    SetCaret(editor, editor.document()->findBlockByNumber(evaluatedLine).position() + 3);

    QTest::keyClick(&editor, Qt::Key_Return);

    const int removed = lineCount + 2 - vr::ExpressionEditor::kMaxLines;
    QCOMPARE(editor.LineCount(), vr::ExpressionEditor::kMaxLines);
    QCOMPARE(editor.GetLineText(0), QString("n%1").arg(removed));
    const int line = evaluatedLine - removed;
    QCOMPARE(editor.GetLineText(line), QString("7*6"));
    QCOMPARE(editor.GetLineText(line + 1), QString("42"));
    QCOMPARE(CaretPlace(editor), qMakePair(line + 2, 0));
  }

  void clearingTheWindow_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("clears");

    QTest::newRow("cls") << "cls" << true;
    QTest::newRow("CLS") << "CLS" << true;
    QTest::newRow("Clrscr") << "Clrscr" << true;
    QTest::newRow("blanks around") << "  clrscr  " << true;
    QTest::newRow("cls with more text") << "cls 1" << false;
  }
  void clearingTheWindow() {
    QFETCH(QString, command);
    QFETCH(bool, clears);
    auto& editor = window_->Editor();
    editor.SetWindowText("1+1\n2\n" + command);

    QTest::keyClick(&editor, Qt::Key_Return);

    if (clears) {
      QCOMPARE(editor.toPlainText(), QString());
      editor.undo();  // an accidental cls is not the end of the text
      QVERIFY(editor.toPlainText().startsWith("1+1\n2\n"));
    } else {
      QCOMPARE(editor.LineCount(), 5);
      QVERIFY(!editor.GetLineText(3).isEmpty());
    }
  }

  void resultGoesToTheClipboardWhenAsked_data() {
    QTest::addColumn<int>("autoClip");
    QTest::addColumn<QString>("clipboard");

    QTest::newRow("autoClip on") << 1 << "42";
    QTest::newRow("autoClip off") << 0 << "left alone";
  }
  void resultGoesToTheClipboardWhenAsked() {
    QFETCH(int, autoClip);
    QFETCH(QString, clipboard);
    vr::ScopedOptions options;
    options->autoClip = autoClip;
    QGuiApplication::clipboard()->setText("left alone");

    TypeLine(window_->Editor(), "6*7");

    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
  }

  void resultsInTheDisplayBase_data() {
    QTest::addColumn<int>("numberBase");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("shown");

    QTest::newRow("hexadecimal") << 1 << "255s"
                                 << "ff";
    QTest::newRow("hexadecimal, whole part") << 1 << "1/2"
                                             << "0";
    QTest::newRow("octal") << 2 << "8s"
                           << "10";
    QTest::newRow("binary") << 3 << "5s"
                            << "101";
  }
  void resultsInTheDisplayBase() {
    QFETCH(int, numberBase);
    QFETCH(QString, line);
    QFETCH(QString, shown);
    vr::ScopedOptions options;
    options->numberBase = numberBase;
    TypeLine(window_->Editor(), line);
    QCOMPARE(window_->Editor().GetLineText(1), shown);
  }

  void shiftEnterBreaksTheLineWithoutEvaluating() {
    auto& editor = window_->Editor();
    QTest::keyClicks(&editor, "2+3");
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(editor.Lines(), (QStringList{"2+3", ""}));
  }

  void undoTakesBackTheWholeEvaluation() {
    auto& editor = window_->Editor();
    TypeLine(editor, "2+3");
    editor.undo();
    QCOMPARE(editor.toPlainText(), QString("2+3"));
  }

  void escapeDoesNotCloseTheWindow() {
    QSignalSpy finished(window_->dialog.get(), &QDialog::finished);
    QTest::keyClick(&window_->Editor(), Qt::Key_Escape);
    QTest::keyClick(window_->dialog.get(), Qt::Key_Escape);
    QCOMPARE(finished.count(), 0);
    QVERIFY(window_->dialog->isVisible());
  }

 private:
  std::unique_ptr<vr::test::ProgramFolder> folder_;
  std::unique_ptr<StartedWindow> window_;
};

QTEST_MAIN(LineFlowTest)
#include "line_flow_test.moc"
