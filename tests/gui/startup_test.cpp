// The main window from start to exit: the command line, what survives a
// restart, a save that fails, where the window stands, and what the start
// says when something cannot be had.

#include <QtTest>

#include "gui/platform/tray_presence.h"
#include "gui/window/command_line.h"
#include "gui/window/desktop_presence.h"
#include "gui/window/line_flow.h"
#include "file_size_limit.h"
#include "gui_test_support.h"

using namespace vr;
using namespace vr::test;

class StartupTest : public QObject {
  Q_OBJECT

  WindowFixture w_;

  ExpressionEditor& Editor() { return w_.Editor(); }
  CalculatorDialog& Dialog() { return w_.Dialog(); }
  void Restart(const std::function<void(OptionsRecord&)>& options = {}, CommandLine line = {}) {
    w_.Restart(options, std::move(line));
  }

 private slots:
  void init() { w_.Begin(); }
  void cleanup() { w_.End(); }

  void commandLine() {
    using Row = std::tuple<QStringList, QString, bool>;
    const Row rows[] = {{{"2", "+", "2"}, "2 + 2", false},
                        {{"5-3"}, "5-3", false},
                        {{"-min"}, "", true},
                        {{"-minimal"}, "", false},
                        {{"2+2", "-min"}, "2+2 -min", true}};
    for (const auto& [arguments, expression, minimized] : rows) {
      const CommandLine parsed = ParseCommandLine(arguments);
      QCOMPARE(parsed.expression, expression);
      QCOMPARE(parsed.startMinimized, minimized);
    }
    Restart({}, ParseCommandLine({"-min"}));  // no notification area offscreen
    QVERIFY(Dialog().isMinimized() && !Dialog().Desktop().InTray());
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
    const QString optionsFile = w_.folder->FilePath("options.xml");
    const QByteArray before = ReadFile(optionsFile);
    QVERIFY(!before.isEmpty());
    Restart();
    TypeLine(Editor(), "7*7");
    {
      // No file may grow beyond a few bytes: the new file cannot be written.
      const FileSizeLimit full(16);
      QSignalSpy finished(&Dialog(), &QDialog::finished);
      w_.window->closeAnyway = false;
      Dialog().Exit();
      QVERIFY(w_.window->messages.size() == 1 && finished.count() == 0 && Dialog().isVisible());
      w_.window->closeAnyway = true;
      Dialog().Exit();
      QVERIFY(finished.count() == 1 && ReadFile(optionsFile) == before);
    }

    w_.window.reset();
    WriteOptionsFile(*w_.folder, [](OptionsRecord& o) { o.precision = 7; });
    const QByteArray written = ReadFile(optionsFile);
    { CalculatorDialog neverStarted(w_.folder->Path(), {}); }
    QCOMPARE(ReadFile(optionsFile), written);
  }

  // A saved place is taken again unless it is off every screen; a saved
  // size only with its place.
  void windowPlacement() {
    const QSize normal = Dialog().size();
    // The saved place and size, whether the place is taken, the size shown.
    using Row = std::tuple<QRect, bool, QSize>;
    const Row rows[] = {
        {{30, 40, 640, 480}, true, {640, 480}},   {{-1, 40, 640, 480}, true, {640, 480}},
        {{30, -1, 640, 480}, true, {640, 480}},   {{30, 40, -1, -1}, true, normal},
        {{30, 40, 640, -1}, true, normal},        {{-1, -1, 640, 480}, false, normal},
        {{-5000, -5000, 640, 480}, false, normal}};
    for (const auto& [saved, moved, size] : rows) {
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

  // Restarts, a stay-on-top toggle and a stay in the notification area
  // leave the window where it was; a maximised window saves the place it
  // goes back to.
  void windowKeepsItsPlace() {
    const auto Frame = [&] { return Dialog().frameGeometry().topLeft(); };
    const auto savedRect = [&] {
      const QString text = QString::fromUtf8(ReadFile(w_.folder->FilePath("options.xml")));
      return QRegularExpression("<Geometry [^>]*>").match(text).captured();
    };
    Restart([](OptionsRecord& o) { o.mainWindow = {60, 50, 700, 500}; });
    const QPoint place(50, 60);
    QCOMPARE(Frame(), place);
    for (int onTop : {1, 0}) {
      Options().stayOnTop = onTop;
      Dialog().Desktop().ApplyStayOnTop();
      QCOMPARE(Frame(), place);
    }
    TrayPresence::SetAvailableForTests(true);
    Dialog().Desktop().MinimizeToTray();
    QVERIFY(Dialog().Desktop().InTray() && !Dialog().isVisible());
    Dialog().Desktop().RestoreFromTray();
    TrayPresence::SetAvailableForTests(std::nullopt);
    QCOMPARE(Frame(), place);
    const QString first = "<Geometry Top=\"60\" Left=\"50\" Width=\"700\" Height=\"500\"/>";
    for (int cycle = 0; cycle < 2; ++cycle) {
      Dialog().Exit();
      QCOMPARE(savedRect(), first);
      Restart();
      QCOMPARE(QRect(Frame(), Dialog().size()), QRect(place, QSize(700, 500)));
    }
    Dialog().showMaximized();
    QCoreApplication::processEvents();
    Dialog().Exit();
    QCOMPARE(savedRect(), first);
  }

  // A bigger font keeps the caret's line in view.
  void caretStaysInViewWhenTheFontGrows() {
    QStringList lines;
    for (int i = 0; i < 80; ++i) lines << QString::number(i);
    SetText(Editor(), lines.join('\n'));
    Editor().ensureCursorVisible();
    Options().fontSize = 5;
    Editor().ApplyAppearance(Options());
    QVERIFY(Editor().viewport()->rect().contains(Editor().cursorRect()));
  }

  void closeButton() {
    using Row = std::tuple<int, int, bool>;  // closeMinimize, minToTray, closes
    const Row rows[] = {{0, 0, true}, {0, 1, true}, {1, 0, false}, {1, 1, false}};
    for (const auto& [closeMinimize, minToTray, closes] : rows) {
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

  // Told once the window is up, in front of it.
  void hotKeyThatCannotBeHadIsReported() {
    QVERIFY(w_.window->messages.isEmpty());
    Restart([](OptionsRecord& o) {
      o.hotKeyKey = 65;  // Control+Alt+A
      o.hotKeyModifiers = 6;
    });
    QCoreApplication::processEvents();
    QCOMPARE(w_.window->messages, QStringList{"Not registered"});
    QCOMPARE(w_.window->toldOverTheWindow, QList<bool>{true});
  }

  void editorLooksAsTheOptionsSay() {
    for (auto [fontSize, points] : std::initializer_list<std::pair<int, int>>{
             {0, 9}, {1, 10}, {3, 12}, {5, 16}, {6, 16}, {-1, 16}}) {
      Options().fontSize = static_cast<std::int16_t>(fontSize);
      Options().backColor = 0x00F0E0D0;
      Editor().ApplyAppearance(Options());
      QCOMPARE(Editor().font().pointSize(), points);
      QCOMPARE(Editor().palette().color(QPalette::Base), QColor(0xD0, 0xE0, 0xF0));
    }
    for (int onTop : {1, 0}) {
      Options().stayOnTop = onTop;
      Dialog().Desktop().ApplyStayOnTop();
      QCOMPARE(Dialog().windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop == 1);
      QVERIFY(Dialog().isVisible());
    }
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
