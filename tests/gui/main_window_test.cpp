// The main window's life: start-up from the program folder and the command
// line, saving at exit, and its behaviour on the desktop.
#include <QFile>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "gui/window/command_line.h"
#include "gui/window/ui_language.h"
#include "gui_test_support.h"
#include "settings/options_file.h"
#include "settings/options_record.h"

using vr::test::ProgramFolder;
using vr::test::StartedWindow;
using vr::test::TypeLine;

namespace {

// An options file as the program would have written it, from the defaults
// changed by `change`.
template <typename Change>
void WriteOptionsFile(const ProgramFolder& folder, Change change) {
  vr::OptionsRecord options;
  change(options);
  vr::VariableTable variables;
  QVERIFY(vr::SaveOptions(vr::OptionsFilePath(folder.Path()), options, variables, ""));
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { vr::ApplyUiLanguage(true); }

  void commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<bool>("startMinimized");

    QTest::newRow("nothing") << QStringList{} << "" << false;
    QTest::newRow("expression") << QStringList{"2+2"} << "2+2" << false;
    QTest::newRow("expression in pieces") << QStringList{"2", "+", "2"} << "2 + 2" << false;
    QTest::newRow("subtraction") << QStringList{"5-3"} << "5-3" << false;
    QTest::newRow("-min") << QStringList{"-min"} << "" << true;
    QTest::newRow("other option") << QStringList{"-x"} << "" << false;
    QTest::newRow("-min is not a prefix") << QStringList{"-minimal"} << "" << false;
    QTest::newRow("text ending in -min") << QStringList{"2+2", "-min"} << "2+2 -min" << true;
  }
  void commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, expression);
    QFETCH(bool, startMinimized);
    const vr::CommandLine parsed = vr::ParseCommandLine(arguments);
    QCOMPARE(parsed.expression, expression);
    QCOMPARE(parsed.startMinimized, startMinimized);
  }

  void textAndVariablesSurviveARestart() {
    ProgramFolder folder;
    {
      StartedWindow first(folder.Path());
      TypeLine(first.Editor(), "a=5");
      TypeLine(first.Editor(), "b=a*2");
      first.dialog->Exit();
    }
    StartedWindow second(folder.Path());
    QCOMPARE(second.Editor().Lines(), (QStringList{"a=5", "5", "b=a*2", "10", ""}));
    TypeLine(second.Editor(), "a+b");
    QCOMPARE(second.Editor().GetLineText(5), QString("15"));
  }

  void commandLineExpressionReplacesTheSavedText() {
    ProgramFolder folder;
    {
      StartedWindow first(folder.Path());
      TypeLine(first.Editor(), "1+1");
      first.dialog->Exit();
    }
    StartedWindow second(folder.Path(), vr::ParseCommandLine({"2+2"}));
    QCOMPARE(second.Editor().Lines(), (QStringList{"2+2", "4", ""}));
  }

  void failedSaveKeepsTheWindowOpenAndTheOldFileWhole() {
    ProgramFolder folder;
    {
      StartedWindow first(folder.Path());
      TypeLine(first.Editor(), "1+1");
      first.dialog->Exit();
    }
    const QString optionsFile = folder.FilePath("options.xml");
    const QByteArray before = FileBytes(optionsFile);
    QVERIFY(!before.isEmpty());

    StartedWindow second(folder.Path());
    TypeLine(second.Editor(), "7*7");
    // A folder where the new file must be written first makes the save fail,
    // as a read-only folder would.
    QVERIFY(QDir().mkpath(folder.FilePath("options.xml.tmp/blocked")));
    QSignalSpy finished(second.dialog.get(), &QDialog::finished);

    second.closeAnyway = false;
    second.dialog->Exit();
    QCOMPARE(second.messages.size(), 1);
    QCOMPARE(finished.count(), 0);
    QVERIFY(second.dialog->isVisible());
    QCOMPARE(FileBytes(optionsFile), before);

    second.closeAnyway = true;
    second.dialog->Exit();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(FileBytes(optionsFile), before);
  }

  void windowThatNeverStartedLeavesTheOptionsAlone() {
    ProgramFolder folder;
    WriteOptionsFile(folder, [](vr::OptionsRecord& o) { o.precision = 7; });
    const QByteArray before = FileBytes(folder.FilePath("options.xml"));
    { vr::CalculatorDialog dialog(folder.Path(), {}); }
    QCOMPARE(FileBytes(folder.FilePath("options.xml")), before);
  }

  void windowPlacementSurvivesARestart() {
    ProgramFolder folder;
    const QSize size(640, 480);
    {
      StartedWindow first(folder.Path());
      first.dialog->resize(size);
      first.dialog->move(30, 40);
      first.dialog->Exit();
    }
    StartedWindow second(folder.Path());
    QCOMPARE(second.dialog->size(), size);
    QCOMPARE(second.dialog->pos(), QPoint(30, 40));
  }

  void minimisedStartWithoutANotificationArea() {
    ProgramFolder folder;
    StartedWindow window(folder.Path(), vr::ParseCommandLine({"-min"}));
    // The offscreen desktop has no notification area: minimised the
    // ordinary way.
    QVERIFY(window.dialog->isMinimized());
    QVERIFY(!window.dialog->InTray());
  }

  void closeButton_data() {
    QTest::addColumn<int>("closeMinimize");
    QTest::addColumn<int>("minToTray");
    QTest::addColumn<bool>("closes");

    QTest::newRow("closes") << 0 << 0 << true;
    QTest::newRow("only tray flag") << 0 << 1 << true;
    QTest::newRow("minimises") << 1 << 0 << false;
    QTest::newRow("minimises, no tray here") << 1 << 1 << false;
  }
  void closeButton() {
    QFETCH(int, closeMinimize);
    QFETCH(int, minToTray);
    QFETCH(bool, closes);
    ProgramFolder folder;
    StartedWindow window(folder.Path());
    vr::ScopedOptions options;
    options->closeMinimize = closeMinimize;
    options->minToTray = minToTray;
    QSignalSpy finished(window.dialog.get(), &QDialog::finished);

    window.dialog->close();
    QCOMPARE(finished.count(), closes ? 1 : 0);
    if (!closes) {
      QVERIFY(window.dialog->isMinimized());
      window.dialog->Exit();  // Exit always ends the program
      QCOMPARE(finished.count(), 1);
    }
  }

  void hotKeyThatCannotBeHadIsReported_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("no hot key") << 0 << 0 << QStringList{};
    QTest::newRow("Control+Alt+A") << 65 << 6 << QStringList{"Not registered"};
  }
  void hotKeyThatCannotBeHadIsReported() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, messages);
    ProgramFolder folder;
    WriteOptionsFile(folder, [&](vr::OptionsRecord& o) {
      o.hotKeyKey = static_cast<std::uint16_t>(key);
      o.hotKeyModifiers = static_cast<std::uint16_t>(modifiers);
    });
    StartedWindow window(folder.Path());
    QCOMPARE(window.messages, messages);
  }

  void russianInterfaceFromTheOptions() {
    ProgramFolder folder;
    WriteOptionsFile(folder, [](vr::OptionsRecord& o) { o.english = 0; });
    StartedWindow window(folder.Path());
    QCOMPARE(window.dialog->windowTitle(), QString("Калькулятор VadadeRivo"));
    QCOMPARE(window.dialog->MenuBar()->actions().first()->text(), QString("&Файл"));

    vr::ApplyUiLanguage(true);
    QTRY_COMPARE(window.dialog->windowTitle(), QString("VadadeRivo"));
  }

  void editorLooksAsTheOptionsSay_data() {
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<int>("points");

    QTest::newRow("smallest") << 0 << 9;
    QTest::newRow("default") << 1 << 10;
    QTest::newRow("12") << 3 << 12;
    QTest::newRow("largest") << 5 << 16;
    QTest::newRow("beyond the list") << 6 << 16;
    QTest::newRow("negative") << -1 << 16;
  }
  void editorLooksAsTheOptionsSay() {
    QFETCH(int, fontSize);
    QFETCH(int, points);
    ProgramFolder folder;
    StartedWindow window(folder.Path());
    vr::ScopedOptions options;
    options->fontSize = static_cast<std::int16_t>(fontSize);
    options->backColor = 0x00F0E0D0;
    window.dialog->ApplyEditorAppearance();
    QCOMPARE(window.Editor().font().pointSize(), points);
    QCOMPARE(window.Editor().palette().color(QPalette::Base), QColor(0xD0, 0xE0, 0xF0));
  }

  void alwaysOnTopFollowsTheOption() {
    ProgramFolder folder;
    StartedWindow window(folder.Path());
    vr::ScopedOptions options;
    for (int onTop : {1, 0}) {
      options->stayOnTop = onTop;
      window.dialog->ApplyStayOnTop();
      QCOMPARE(window.dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop == 1);
      QVERIFY(window.dialog->isVisible());
    }
  }

  void writeStatementsPrintIntoTheWindow() {
    ProgramFolder folder;
    QFile script(folder.FilePath("lib.usc"));
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Text));
    script.write("func twice(a)\nwrite a\nreturn a*2\nendfunc\n");
    script.close();
    StartedWindow window(folder.Path());

    TypeLine(window.Editor(), "twice(21)");

    QCOMPARE(window.Editor().Lines(), (QStringList{"twice(21)", "21", "42", ""}));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
