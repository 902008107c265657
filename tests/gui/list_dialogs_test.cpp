// The variables dialog and the loaded-functions dialog.
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "gui/settings/loaded_functions_dialog.h"
#include "gui/settings/variables_dialog.h"
#include "scripts/script_file.h"
#include "scripts/script_statement_list.h"
#include "session/calculator_session.h"
#include "settings/options_record.h"

using vr::VariablesDialog;

namespace {

QStringList Row(const QTreeWidget* list, int row) {
  QStringList texts;
  const QTreeWidgetItem* item = list->topLevelItem(row);
  for (int c = 0; c < list->columnCount(); ++c) texts << item->text(c);
  return texts;
}

QStringList Names(const QTreeWidget* list) {
  QStringList names;
  for (int i = 0; i < list->topLevelItemCount(); ++i) names << list->topLevelItem(i)->text(0);
  return names;
}

}  // namespace

class ListDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    questions_.clear();
    answer_ = true;
    VariablesDialog::SetConfirmation([this](QWidget*, const QString& question) {
      questions_ << question;
      return answer_;
    });
    session_ = std::make_unique<vr::CalculatorSession>();
    for (const char* line : {"a=2.5", "h=0x1F", "f=1\\2", "t=1:30:00", "c=sqrt(-4)", "s=\"text\""})
      session_->CalculateLine(line);
  }

  void variablesAreListedInCreationOrder_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("types");
    QTest::newRow("English") << true
                             << QStringList{"Decimal", "Hex", "Fraction", "Time", "Complex"};
    QTest::newRow("Russian") << false
                             << QStringList{"Десятичное", "Шестнадцатеричное", "Дробь", "Время",
                                            "Комплексное"};
  }
  void variablesAreListedInCreationOrder() {
    QFETCH(bool, english);
    QFETCH(QStringList, types);
    vr::ScopedOptions options;
    options->english = english ? 1 : 0;
    VariablesDialog dialog(*session_);
    const QTreeWidget* list = dialog.List();
    QCOMPARE(Names(list), (QStringList{"a", "h", "f", "t", "c", "s"}));
    for (int i = 0; i < types.size(); ++i) QCOMPARE(list->topLevelItem(i)->text(1), types[i]);
    QCOMPARE(Row(list, 0), (QStringList{"a", types[0], "2.5"}));
    QCOMPARE(list->topLevelItem(2)->text(2), QString("1\\2"));
    QCOMPARE(list->currentItem(), list->topLevelItem(0));
    QCOMPARE(dialog.windowTitle(),
             english ? QString("Variable list") : QString("Список переменных"));
    QCOMPARE(list->headerItem()->text(1), english ? QString("Type") : QString("Тип числа"));
  }

  // Which key presses delete the selected variable, after the question.
  void deleteKeys_data() {
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("deletes");
    QTest::newRow("Delete") << int(Qt::NoModifier) << true;
    QTest::newRow("Control+Delete") << int(Qt::ControlModifier) << true;
    QTest::newRow("Shift+Delete") << int(Qt::ShiftModifier) << false;
    QTest::newRow("Control+Alt+Delete") << int(Qt::ControlModifier | Qt::AltModifier) << false;
  }
  void deleteKeys() {
    QFETCH(int, modifiers);
    QFETCH(bool, deletes);
    VariablesDialog dialog(*session_);
    dialog.List()->setCurrentItem(dialog.List()->topLevelItem(1));
    QTest::keyClick(dialog.List(), Qt::Key_Delete, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(questions_.size(), deletes ? 1 : 0);
    const auto& table = session_->Engine().Variables();
    QCOMPARE(table.Find("h") == nullptr, deletes);
    QCOMPARE(dialog.List()->topLevelItemCount(), deletes ? 5 : 6);
  }

  void deleteAsksFirst() {
    vr::ScopedOptions options;
    VariablesDialog dialog(*session_);
    auto* deleteOne = dialog.findChild<QPushButton*>("deleteVariable");
    auto* deleteAll = dialog.findChild<QPushButton*>("deleteAllVariables");

    answer_ = false;
    deleteOne->click();
    deleteAll->click();
    QCOMPARE(questions_, (QStringList{"Do you really want to delete the variable?",
                                      "Are you sure to delete all variables?"}));
    QCOMPARE(session_->Engine().Variables().Count(), 6);

    answer_ = true;
    dialog.List()->clearSelection();
    deleteOne->click();  // asked, but no row is selected
    QCOMPARE(session_->Engine().Variables().Count(), 6);
    dialog.List()->topLevelItem(5)->setSelected(true);
    deleteOne->click();
    QCOMPARE(Names(dialog.List()), (QStringList{"a", "h", "f", "t", "c"}));
    deleteAll->click();
    QCOMPARE(session_->Engine().Variables().Count(), 0);
    QCOMPARE(dialog.List()->topLevelItemCount(), 0);

    // Nothing left: no more questions.
    questions_.clear();
    deleteOne->click();
    deleteAll->click();
    QTest::keyClick(dialog.List(), Qt::Key_Delete);
    QVERIFY(questions_.isEmpty());
  }

  void russianQuestions() {
    vr::ScopedOptions options;
    options->english = 0;
    VariablesDialog dialog(*session_);
    answer_ = false;
    dialog.DeleteVariable();
    dialog.DeleteAllVariables();
    QCOMPARE(questions_, (QStringList{"Вы действительно желаете удалить переменную?",
                                      "Вы действительно желаете удалить все переменные?"}));
  }

  void loadedFunctions_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("descriptions");
    QTest::newRow("none") << "" << true << QStringList{"No function is loaded"} << QStringList{""};
    QTest::newRow("none, Russian")
        << "" << false << QStringList{"Ни одной функции не загружено"} << QStringList{""};
    QTest::newRow("with and without description")
        << "func area(r) ## circle area\nreturn pi*r^2\nendfunc\n"
           "func twice(x)\nreturn 2*x\nendfunc\n"
           "func note(a)##a ## b\nendfunc\n"
        << true << QStringList{"area(r)", "twice(x)", "note(a)"}
        << QStringList{" circle area", "", "a ## b"};
  }
  void loadedFunctions() {
    QFETCH(QString, script);
    QFETCH(bool, english);
    QFETCH(QStringList, names);
    QFETCH(QStringList, descriptions);
    vr::ScopedOptions options;
    options->english = english ? 1 : 0;
    vr::ScopedScriptStatements statements;
    vr::AppendScriptText(script.toStdString(), *statements);
    vr::LoadedFunctionsDialog dialog;
    const QTreeWidget* list = dialog.List();
    QCOMPARE(Names(list), names);
    for (int i = 0; i < descriptions.size(); ++i)
      QCOMPARE(list->topLevelItem(i)->text(1), descriptions[i]);
    QCOMPARE(list->headerItem()->text(1), english ? QString("Description") : QString("Описание"));
  }

 private:
  std::unique_ptr<vr::CalculatorSession> session_;
  QStringList questions_;
  bool answer_ = true;
};

QTEST_MAIN(ListDialogsTest)
#include "list_dialogs_test.moc"
