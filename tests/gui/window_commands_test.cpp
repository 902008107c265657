// Menu commands of the main window that work on files, the interface
// language and the functions list, and the round key itself.
#include <QAction>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "gui/controls/round_button.h"
#include "gui/window/functions_dialog.h"
#include "gui/window/keypad.h"
#include "gui/window/menu_commands.h"
#include "gui/window/ui_language.h"
#include "gui_test_support.h"
#include "operations/builtins/function_catalogue.h"
#include "settings/options_file.h"
#include "settings/options_record.h"

using vr::test::StartedWindow;

namespace {

void WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text);
}

QByteArray ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class WindowCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    saved_ = vr::Options();
    folder_ = std::make_unique<vr::test::ProgramFolder>();
    window_ = std::make_unique<StartedWindow>(folder_->Path());
  }
  void cleanup() {
    window_.reset();
    folder_.reset();
    vr::Options() = saved_;
    vr::ApplyUiLanguage(true);
  }

  void openingAFile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("showResults");
    QTest::addColumn<QString>("window");
    QTest::newRow("results shown") << QByteArray("1+1\n2\n") << true << "1+1\n2\n2\n";
    QTest::newRow("results hidden") << QByteArray("1+1\n2\n") << false << "1+1\n2\n";
    QTest::newRow("variables carry over") << QByteArray("a=3\na*2\n") << true << "a=3\n3\na*2\n6\n";
    QTest::newRow("errors are results") << QByteArray("1/0\n") << true << "1/0\nDivision by zero\n";
    QTest::newRow("blank lines stay") << QByteArray("\r\n1+2\r\n") << true << "\n1+2\n3\n";
    QTest::newRow("no line end at the end") << QByteArray("2*3") << true << "2*3\n6\n";
  }
  void openingAFile() {
    QFETCH(QByteArray, file);
    QFETCH(bool, showResults);
    QFETCH(QString, window);
    vr::Options().showScriptResult = showResults ? 1 : 0;
    const QString path = folder_->FilePath("expr.txt");
    WriteText(path, file);
    window_->Editor().SetWindowText("old text");
    QVERIFY(window_->dialog->LoadScriptFile(path));
    QCOMPARE(window_->Editor().toPlainText(), window);
  }

  void openingAMissingFileEmptiesTheWindow() {
    window_->Editor().SetWindowText("old text");
    QVERIFY(!window_->dialog->LoadScriptFile(folder_->FilePath("none.txt")));
    QCOMPARE(window_->Editor().toPlainText(), QString());
  }

  void savingAFile_data() {
    QTest::addColumn<int>("saveResults");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("results left out") << 0 << QByteArray("1+1\n\nx=5\n");
    QTest::newRow("results kept") << 1 << QByteArray("1+1\n2\n\n5\nx=5\n");
  }
  void savingAFile() {
    QFETCH(int, saveResults);
    QFETCH(QByteArray, file);
    vr::Options().saveResults = saveResults;
    // The typed 5 is a single operand too and goes with the results.
    window_->Editor().SetWindowText("1+1\n2\n\n5\nx=5");
    const QString path = folder_->FilePath("out.txt");
    QVERIFY(window_->dialog->SaveScriptFile(path));
    QCOMPARE(ReadText(path), file);
  }

  void russianSavesAndRestarts() {
    vr::CalculatorDialog& dialog = *window_->dialog;
    QStringList restarts;
    dialog.SetRestarter([&](const std::filesystem::path& folder) {
      restarts << QString::fromStdString(folder.string());
      return true;
    });
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.MenuAction(vr::kCmdRussian)->trigger();
    QCOMPARE(restarts, QStringList{QString::fromStdString(folder_->Path().string())});
    QCOMPARE(window_->messages.size(), 1);
    QCOMPARE(finished.count(), 1);
    vr::OptionsRecord stored;
    vr::VariableTable variables;
    vr::LoadOptions(vr::OptionsFilePath(folder_->Path()), stored, variables);
    QCOMPARE(stored.english, 0);
  }

  void englishWhileEnglishOnlyRebuildsTheTips() {
    vr::CalculatorDialog& dialog = *window_->dialog;
    bool restarted = false;
    dialog.SetRestarter([&](const std::filesystem::path&) { return restarted = true; });
    vr::RoundButton* conv = dialog.Keys().Key(vr::kKeyConv);
    conv->setToolTip(QString());
    dialog.MenuAction(vr::kCmdEnglish)->trigger();
    QCOMPARE(conv->toolTip(), QString("Unit converter"));
    QVERIFY(dialog.MenuAction(vr::kCmdEnglish)->isChecked());
    QVERIFY(!dialog.MenuAction(vr::kCmdRussian)->isChecked());
    QVERIFY(!restarted);
    QVERIFY(window_->messages.isEmpty());
    QVERIFY(dialog.isVisible());
  }

  void functionsListInsertsTheChosenName() {
    vr::CalculatorDialog& dialog = *window_->dialog;
    QString answer = "sqrt";
    dialog.SetFunctionChooser([&] { return answer; });
    window_->Editor().SetWindowText("");
    dialog.Keys().Key(vr::kKeyFunctions)->click();
    QCOMPARE(window_->Editor().toPlainText(), QString("sqrt()"));
    QCOMPARE(window_->Editor().textCursor().position(), 5);
    answer.clear();  // cancelled
    dialog.MenuAction(vr::kCmdFunctions)->trigger();
    QCOMPARE(window_->Editor().toPlainText(), QString("sqrt()"));
  }

  void functionsDialog() {
    vr::Options().functionsDialog = {};
    {
      vr::FunctionsDialog dialog;
      QTreeWidget* list = dialog.List();
      QCOMPARE(list->topLevelItemCount(), int(vr::FunctionCatalogue().size()));
      QCOMPARE(list->currentItem(), list->topLevelItem(0));
      list->setCurrentItem(list->topLevelItem(3));
      dialog.Choose();
      QCOMPARE(dialog.ChosenName(), QString::fromUtf8(vr::FunctionCatalogue()[3].name.data(),
                                                      vr::FunctionCatalogue()[3].name.size()));
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      list->clearSelection();
      dialog.Choose();
      QCOMPARE(dialog.ChosenName(), QString());
      dialog.move(40, 50);
    }
    // The place is remembered and taken again.
    QCOMPARE(vr::Options().functionsDialog.left, 40);
    QCOMPARE(vr::Options().functionsDialog.top, 50);
    vr::FunctionsDialog again;
    QCOMPARE(again.pos(), QPoint(40, 50));
  }

  void roundKeyShape() {
    vr::RoundButton key("7");
    key.resize(40, 30);
    QCOMPARE(key.RadiusX(), 19);
    QCOMPARE(key.RadiusY(), 14);
    QSignalSpy clicked(&key, &QPushButton::clicked);
    QTest::mouseClick(&key, Qt::LeftButton, {}, QPoint(20, 15));
    QTest::mouseClick(&key, Qt::LeftButton, {}, QPoint(1, 1));  // a corner outside the ellipse
    QCOMPARE(clicked.count(), 1);
    // Every point of the outline lies on the ellipse, and its extremes are
    // reached.
    const auto points = vr::RoundButton::EllipsePoints(key.Centre(), 19, 14);
    int maxX = 0, maxY = 0;
    for (const QPoint& p : points) {
      const double dx = (p.x() - 20) / 19.0, dy = (p.y() - 15) / 14.0;
      QVERIFY(std::abs(dx * dx + dy * dy - 1.0) < 0.15);
      maxX = std::max(maxX, p.x() - 20);
      maxY = std::max(maxY, p.y() - 15);
    }
    QCOMPARE(maxX, 19);
    QCOMPARE(maxY, 14);
    // Lit from the upper left.
    const QColor white(255, 255, 255), black(0, 0, 0);
    QVERIFY(vr::RoundButton::ShadedColour(-10, -10, white, black).red() >= 254);
    QVERIFY(vr::RoundButton::ShadedColour(10, 10, white, black).red() <= 1);
    QCOMPARE(vr::RoundButton::ShadedColour(10, -10, white, black).red(), 127);
  }

  void clickingAKeyKeepsTheFocusInTheEditor() {
    window_->dialog->activateWindow();
    window_->Editor().setFocus();
    QTest::mouseClick(window_->dialog->Keys().Key(vr::kKey1), Qt::LeftButton);
    QTest::keyClicks(&window_->Editor(), "2");
    QCOMPARE(window_->Editor().toPlainText(), QString("12"));
    QVERIFY(window_->dialog->Keys().Key(vr::kKey1)->focusPolicy() == Qt::NoFocus);
  }

 private:
  vr::OptionsRecord saved_;
  std::unique_ptr<vr::test::ProgramFolder> folder_;
  std::unique_ptr<StartedWindow> window_;
};

QTEST_MAIN(WindowCommandsTest)
#include "window_commands_test.moc"
