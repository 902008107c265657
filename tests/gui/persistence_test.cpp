// The user's text survives whatever happens to the window: kills at any
// moment, termination signals, a damaged options file, a second window on
// the same folder, a text longer than the window keeps.

#include <QProcess>
#include <QRandomGenerator>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>

#include "files/whole_file.h"
#include "gui/window/session_keeper.h"
#include "gui_test_support.h"
#include "session/calculator_session.h"
#include "settings/expressions_text.h"

using namespace vr;
using namespace vr::test;

namespace {

// The child process types lines with this pause between them and saves
// after this quiet time (VADADERIVO_SAVE_DELAY_MS).
constexpr int kTypingPauseMs = 15;
constexpr int kSaveDelayMs = 150;

qint64 NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The child: the real window on `folder`, typing "r<round>_<n>=<n>" lines
// until it is killed, each reported on stdout with the moment it was typed.
int RunTypingWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::filesystem::path folder = argv[2];
  const QString round = QString::fromLatin1(argv[3]);
  CalculatorDialog dialog(folder, {});
  dialog.Prompts().notify = [](const QString& text) { std::cerr << text.toStdString() << '\n'; };
  dialog.Keeper().SetFolderInUseQuestion([](const QString&) { return false; });
  QObject::connect(&dialog, &QDialog::finished, &app, &QCoreApplication::quit);
  dialog.StartUp();
  int n = 0;
  QTimer typing;
  QObject::connect(&typing, &QTimer::timeout, [&] {
    TypeLine(*dialog.Editor(), QStringLiteral("r%1_%2=%2").arg(round).arg(n));
    std::printf("%d %lld\n", n++, static_cast<long long>(NowMs()));
    std::fflush(stdout);
  });
  // Nothing is typed into a window that has closed.
  QObject::connect(&dialog, &QDialog::finished, &typing, &QTimer::stop);
  typing.start(kTypingPauseMs);
  return QApplication::exec();
}

struct Typed {
  int line;
  qint64 atMs;
};

QList<Typed> ReadTyped(QProcess& child) {
  QList<Typed> typed;
  for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
    const QList<QByteArray> fields = line.split(' ');
    if (fields.size() == 2) typed.append({fields[0].toInt(), fields[1].toLongLong()});
  }
  return typed;
}

// The stored expressions of `folder`'s options file; `whole` tells whether
// the file is missing or a complete document.
std::string StoredText(const std::filesystem::path& folder, bool* whole = nullptr) {
  OptionsRecord options;
  VariableTable variables;
  const OptionsLoadResult loaded = LoadOptions(OptionsFilePath(folder), options, variables);
  if (whole != nullptr) *whole = !IsDamaged(loaded.status);
  return loaded.expressions;
}

int HiddenTemporaries(const ProgramFolder& folder) {
  return QDir(folder.FilePath(".")).entryList({".options.xml.*.tmp"}, QDir::Hidden | QDir::Files).size();
}

}  // namespace

class PersistenceTest : public QObject {
  Q_OBJECT

  QTemporaryDir config_;

  std::unique_ptr<QProcess> StartTypingWindow(const ProgramFolder& folder, int round) {
    auto child = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VADADERIVO_SAVE_DELAY_MS", QString::number(kSaveDelayMs));
    child->setProcessEnvironment(env);
    child->start(QCoreApplication::applicationFilePath(),
                 {"--typing-window", folder.FilePath(""), QString::number(round)});
    return child;
  }

 private slots:
  void initTestCase() {
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
  }

  // Killed at random moments, the window leaves a whole file holding every
  // line typed longer ago than a save takes to come.
  void killedAtAnyMomentLosesOnlyTheLastSeconds() {
    ProgramFolder folder;
    // At most twice the quiet time after a change, plus room for a loaded
    // machine.
    const qint64 bound = 2 * kSaveDelayMs + 300;
    int checkedLines = 0;
    for (int round = 0; round < 50; ++round) {
      auto child = StartTypingWindow(folder, round);
      QVERIFY(child->waitForReadyRead(20000));
      QTest::qWait(QRandomGenerator::global()->bounded(20, 900));
      const qint64 killedAt = NowMs();
      ::kill(static_cast<pid_t>(child->processId()), SIGKILL);
      QVERIFY(child->waitForFinished(10000));
      QCOMPARE(child->exitStatus(), QProcess::CrashExit);

      bool whole = false;
      const std::string stored = StoredText(folder.Path(), &whole);
      QVERIFY2(whole, "the options file is not whole");
      for (const Typed& t : ReadTyped(*child)) {
        if (t.atMs >= killedAt - bound) continue;
        const std::string line = QStringLiteral("r%1_%2=%2").arg(round).arg(t.line).toStdString();
        QVERIFY2(stored.find(line + "|") != std::string::npos, line.c_str());
        ++checkedLines;
      }
    }
    qInfo() << "lines checked:" << checkedLines;
    QVERIFY2(checkedLines > 100, "too few lines were old enough to check");
    // Each start clears what the kills before it left.
    QVERIFY(HiddenTemporaries(folder) <= 1);
  }

  void terminationSignalSavesEverything() {
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
      ProgramFolder folder;
      auto child = StartTypingWindow(folder, signalNumber);
      QList<Typed> typed;
      QTRY_VERIFY_WITH_TIMEOUT((typed += ReadTyped(*child), typed.size() >= 5), 20000);
      ::kill(static_cast<pid_t>(child->processId()), signalNumber);
      QVERIFY(child->waitForFinished(10000));
      QCOMPARE(child->exitStatus(), QProcess::NormalExit);
      typed += ReadTyped(*child);
      const std::string stored = StoredText(folder.Path());
      for (const Typed& t : typed) {
        const std::string line = QStringLiteral("r%1_%2=%2").arg(signalNumber).arg(t.line).toStdString();
        QVERIFY2(stored.find(line + "|") != std::string::npos, line.c_str());
      }
    }
  }

  // The second window on a folder may only look; nothing it does reaches
  // the file, and the first window's work is all kept.
  void secondWindowIsReadOnlyOrQuits() {
    ProgramFolder folder;
    StartedWindow first(folder.Path());
    TypeLine(first.Editor(), "a=1");
    first.dialog->Keeper().SaveNow();
    const QByteArray before = ReadFile(folder.FilePath("options.xml"));

    for (bool readOnly : {true, false}) {
      CalculatorDialog second(folder.Path(), {});
      QStringList asked, told;
      second.Keeper().SetFolderInUseQuestion([&](const QString& q) {
        asked << q;
        return readOnly;
      });
      second.Prompts().notify = [&](const QString& text) { told << text; };
      second.Prompts().confirmClose = [&](const QString& text) {
        told << text;
        return true;
      };
      QSignalSpy finished(&second, &QDialog::finished);
      second.StartUp();
      QCOMPARE(asked.size(), 1);
      QVERIFY(asked[0].contains(QString::fromStdString(folder.Path().string())));
      if (!readOnly) {
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(second.isHidden());
        continue;
      }
      QVERIFY(second.windowTitle().contains("read-only"));
      QCOMPARE(second.Editor()->Lines(), first.Editor().Lines());
      TypeLine(*second.Editor(), "b=2");
      QTest::qWait(second.Keeper().SaveDelayMs() * 2 + 100);
      second.Exit();
      QCOMPARE(finished.count(), 1);
      QCOMPARE(told.size(), 1);  // closing asks before the typing is dropped
      QCOMPARE(ReadFile(folder.FilePath("options.xml")), before);
    }
    TypeLine(first.Editor(), "c=3");
    first.dialog->Exit();
    QVERIFY(first.messages.isEmpty());
    const std::string stored = StoredText(folder.Path());
    QVERIFY(stored.find("a=1") != std::string::npos && stored.find("c=3") != std::string::npos);
    // Closed, the folder is free again.
    StartedWindow third(folder.Path());
    QVERIFY(!third.dialog->Keeper().ReadOnly());
  }

  // A file that cannot be read as options is kept under another name and
  // the user is told once; a missing file is no damage.
  void damagedFileIsMovedAsideAndTold() {
    QByteArray whole;
    {
      ProgramFolder folder;
      WriteOptionsFile(folder, [](OptionsRecord& o) { o.precision = 7; });
      whole = ReadFile(folder.FilePath("options.xml"));
    }
    const QByteArray binary("\x00\xff\x13<\x01Options", 12);
    using Row = std::pair<const char*, std::function<void(const QString&)>>;
    const Row rows[] = {
        {"truncated", [&](const QString& f) { WriteFile(f, whole.left(whole.size() / 2)); }},
        {"binary", [&](const QString& f) { WriteFile(f, binary); }},
        {"over-size",
         [&](const QString& f) {
           WriteFile(f, whole);
           std::filesystem::resize_file(f.toStdString(), kMaxDataFileBytes + 1);
         }},
        {"not a file", [&](const QString& f) { QVERIFY(QDir().mkpath(f + "/inside")); }},
        {"missing", [&](const QString&) {}},
    };
    for (const auto& [what, make] : rows) {
      ProgramFolder folder;
      const QString file = folder.FilePath("options.xml");
      make(file);
      const bool damaged = QFileInfo::exists(file);
      QStringList before = QDir(folder.FilePath("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
      StartedWindow window(folder.Path());
      QTest::qWait(50);
      QCOMPARE(window.messages.size(), damaged ? 1 : 0);
      const QStringList kept = QDir(folder.FilePath("")).entryList({"options.xml.damaged-*"});
      QCOMPARE(kept.size(), damaged ? 1 : 0);
      if (!damaged) continue;
      QVERIFY2(window.messages[0].contains(file) && window.messages[0].contains(kept[0]), what);
      QCOMPARE(Options().precision, 15);
      TypeLine(window.Editor(), "1+1");
      window.dialog->Exit();
      QVERIFY(StoredText(folder.Path()).find("1+1") != std::string::npos);
      QVERIFY(QFileInfo(folder.FilePath(kept[0])).size() > 0 ||
              QFileInfo(folder.FilePath(kept[0])).isDir());
    }
  }

  void readOnlyProgramFolderIsToldOnce() {
    const std::filesystem::path own = "/opt/vadaderivo/bin";
    const std::filesystem::path config = "/home/u/.config/vadaderivo";
    // own folder writable, options file already there, folder the same
    using Row = std::tuple<bool, bool, std::filesystem::path, bool>;
    const Row rows[] = {{false, false, config, true},
                        {false, true, config, false},
                        {true, false, config, false},
                        {false, false, own, false}};
    for (const auto& [writable, exists, folder, told] : rows) {
      const QString notice = SessionKeeper::FolderNotice(folder, own, writable, exists);
      QCOMPARE(!notice.isEmpty(), told);
      if (told) QVERIFY(notice.contains("/opt/vadaderivo/bin") && notice.contains(".config"));
    }
  }

  // More lines than the window keeps: it shows the last of them, and the
  // earlier ones stay in the file until an evaluation would trim them.
  void longTextKeepsItsEarlierLines() {
    ProgramFolder folder;
    std::vector<std::string> lines;
    for (int i = 0; i < 2000; ++i) lines.push_back(std::to_string(i) + "+1");
    lines.emplace_back();  // the caret's empty line
    const std::string stored = JoinExpressionLines(lines);
    OptionsRecord options;
    QVERIFY(SaveOptions(OptionsFilePath(folder.Path()), options, {}, stored));
    {
      StartedWindow window(folder.Path());
      QCOMPARE(window.Editor().LineCount(), ExpressionEditor::kMaxLines);
      QCOMPARE(window.Editor().GetLineText(0), QString("1501+1"));
      window.Editor().SetColors(Qt::red, Qt::white, Qt::blue);  // formats only
      window.dialog->Exit();
    }
    QCOMPARE(StoredText(folder.Path()), stored);
    {
      StartedWindow window(folder.Path());
      TypeLine(window.Editor(), "7*7");
      window.dialog->Exit();
    }
    const std::vector<std::string> kept = SplitExpressionLines(StoredText(folder.Path()));
    QCOMPARE(kept.size(), std::size_t{ExpressionEditor::kMaxLines});
    QCOMPARE(kept[kept.size() - 2], std::string("49"));
  }
};

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--typing-window") == 0) return RunTypingWindow(argc, argv);
  QApplication app(argc, argv);
  PersistenceTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "persistence_test.moc"
