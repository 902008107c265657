// The preferences sheet, what its pages show and write back and what OK
// does to the window; the variables and loaded-functions dialogs.

#include "gui/controls/colour_picker.h"
#include "gui/platform/autostart.h"
#include "gui/settings/hot_key_edit.h"
#include "gui/settings/loaded_functions_dialog.h"
#include "gui/settings/preferences_sheet.h"
#include "gui/settings/variables_dialog.h"
#include "gui/window/line_flow.h"
#include "gui/window/preferences_commit.h"
#include "gui/window/ui_language.h"
#include "gui_test_support.h"
#include "scripts/script_file.h"
#include "scripts/script_statement_list.h"
#include "session/calculator_session.h"

using namespace vr;
using namespace vr::test;

namespace {

template <typename T>
T* Control(const QWidget& sheet, const char* name) {
  T* control = sheet.findChild<T*>(QString::fromLatin1(name));
  if (control == nullptr) qFatal("no control %s", name);
  return control;
}

void ShowPage(PreferencesSheet& sheet, int index) { sheet.Tabs()->setCurrentIndex(index); }

// Every check box and the field it edits.
using R = OptionsRecord;
const std::pair<const char*, std::int32_t R::*> kCheckFields[] = {
    {"showCalcResult", &R::showCalcResult},
    {"showScriptResult", &R::showScriptResult},
    {"saveResults", &R::saveResults},
    {"stayOnTop", &R::stayOnTop},
    {"minToTray", &R::minToTray},
    {"autoClip", &R::autoClip},
    {"autoStart", &R::autoStart},
    {"startMinimized", &R::startMinimized},
    {"closeMinimize", &R::closeMinimize},
    {"saveVars", &R::saveVars},
    {"saveExpr", &R::saveExpr},
    {"saveWindowsPositions", &R::saveWindowsPositions}};

// Runs `act` on the sheet once OpenPreferences has it open.
void WhenSheetOpens(CalculatorDialog& dialog, std::function<void(PreferencesSheet&)> act) {
  QTimer::singleShot(0, &dialog, [&dialog, act] { act(*dialog.findChild<PreferencesSheet*>()); });
}

// The text of the label that names `control`.
QString LabelOf(const QWidget& dialog, const char* control) {
  for (const QLabel* label : dialog.findChildren<QLabel*>())
    if (label->buddy() != nullptr && label->buddy()->objectName() == control) return label->text();
  return {};
}

// The Russian interface while it lives, whatever the test's outcome.
struct RussianInterface {
  ScopedOptions options;
  RussianInterface() {
    Options().english = 0;
    ApplyUiLanguage(false);
  }
  ~RussianInterface() { ApplyUiLanguage(true); }
};

QStringList Column(const QTreeWidget* list, int column) {
  QStringList texts;
  for (int i = 0; i < list->topLevelItemCount(); ++i) texts << list->topLevelItem(i)->text(column);
  return texts;
}

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT

  QTemporaryDir config_;
  std::unique_ptr<CalculatorSession> session_;
  QStringList questions_;
  bool answer_ = true;

 private slots:
  void initTestCase() {
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
  }

  // Each flag shown on, then off, with every other flag the other way.
  void checkBoxesShowAndWriteTheirFields() {
    for (int value : {1, 0}) {
      for (const auto& [name, field] : kCheckFields) {
        OptionsRecord working;
        for (const auto& other : kCheckFields) working.*other.second = 1 - value;
        working.*field = value;
        // "start minimized" can only be on together with starting with the session.
        if (field == &R::startMinimized) working.autoStart = 1;
        PreferencesSheet sheet(working);
        QCOMPARE(Control<QCheckBox>(sheet, name)->isChecked(), value != 0);
        for (int page = 0; page < 4; ++page) ShowPage(sheet, page);
        Control<QCheckBox>(sheet, name)->setChecked(value == 0);
        sheet.accept();
        QCOMPARE(working.*field, 1 - value);
      }
    }
  }

  void resultsPage() {
    // Format, precision and date format kept, as shown.
    using Row = std::tuple<int, int, int, const char*, int, QString>;
    const Row rows[] = {{0, 7, 2, "exponential", 7, "MM.DD.YYYY"},
                        {1, 0, 0, "fixed", 0, "DD.MM.YYYY"},
                        {1, 99, 5, "fixed", 15, "MM.DD.YYYY"},
                        {0, -3, -1, "exponential", 15, "DD.MM.YYYY"}};
    for (const auto& [format, precision, date, shownFormat, shownPrecision, shownDate] : rows) {
      OptionsRecord working;
      std::tie(working.format, working.precision, working.dateFormat) =
          std::tie(format, precision, date);
      PreferencesSheet sheet(working);
      QVERIFY(Control<QRadioButton>(sheet, shownFormat)->isChecked());
      QCOMPARE(Control<QSpinBox>(sheet, "precision")->value(), shownPrecision);
      QCOMPARE(Control<QComboBox>(sheet, "dateFormat")->currentText(), shownDate);
    }
    OptionsRecord working;
    working.format = 0;
    PreferencesSheet sheet(working);
    ShowPage(sheet, 2);
    Control<QRadioButton>(sheet, "fixed")->setChecked(true);
    Control<QComboBox>(sheet, "dateFormat")->setCurrentIndex(1);
    sheet.accept();
    QCOMPARE(working.format, 1);
    QCOMPARE(working.dateFormat, 1);
  }

  // The precision box refuses what lies outside 0 to 15.
  void precisionStaysWithinItsRange() {
    for (auto [typed, result] : std::initializer_list<std::pair<const char*, int>>{
             {"12", 12}, {"0", 0}, {"20", 2}, {"-3", 3}}) {
      OptionsRecord working;
      working.precision = 5;
      PreferencesSheet sheet(working);
      ShowPage(sheet, 2);
      auto* precision = Control<QSpinBox>(sheet, "precision");
      precision->selectAll();
      QTest::keyClicks(precision, typed);
      sheet.accept();
      QCOMPARE(working.precision, result);
    }
  }

  // A page the user never looked at writes nothing back.
  void unvisitedPagesKeepTheWorkingCopy() {
    OptionsRecord working;
    working.autoStart = 0;
    working.startMinimized = 1;  // shown off and disabled on its page
    working.precision = 99;      // shown as 15 on its page
    PreferencesSheet sheet(working);
    sheet.accept();
    QCOMPARE(working.startMinimized, 1);
    QCOMPARE(working.precision, 99);
    PreferencesSheet visited(working);
    ShowPage(visited, 1);
    ShowPage(visited, 2);
    visited.accept();
    QCOMPARE(working.startMinimized, 0);
    QCOMPARE(working.precision, 15);
  }

  void startMinimizedFollowsStartWithWindows() {
    OptionsRecord working;
    working.autoStart = 1;
    working.startMinimized = 1;
    PreferencesSheet sheet(working);
    auto* autoStart = Control<QCheckBox>(sheet, "autoStart");
    auto* minimized = Control<QCheckBox>(sheet, "startMinimized");
    QVERIFY(minimized->isEnabled() && minimized->isChecked());
    autoStart->click();
    QVERIFY(!minimized->isEnabled() && !minimized->isChecked());
    autoStart->click();
    QVERIFY(minimized->isEnabled() && !minimized->isChecked());
  }

  // What a key pressed in the hot key field makes of Control+Q.
  void hotKeyField() {
    using Row = std::tuple<Qt::Key, Qt::KeyboardModifiers, int, int>;  // key, virtual key, flags
    const Row rows[] = {{Qt::Key_A, Qt::NoModifier, 65, 6},  // a bare key takes Control+Alt
                        {Qt::Key_F5, Qt::NoModifier, 0x74, 6},
                        {Qt::Key_K, Qt::ShiftModifier, 75, 1},
                        {Qt::Key_7, Qt::ControlModifier | Qt::ShiftModifier, 55, 3},
                        {Qt::Key_A, Qt::MetaModifier, 65, 8},
                        {Qt::Key_Backspace, Qt::NoModifier, 0, 0},  // clears
                        {Qt::Key_Delete, Qt::NoModifier, 0, 0},
                        {Qt::Key_Backspace, Qt::ShiftModifier, 0x08, 1},
                        {Qt::Key_Control, Qt::ControlModifier, 0x51, 2},  // a modifier alone
                        {Qt::Key_Super_R, Qt::MetaModifier, 0x51, 2},
                        {Qt::Key_CapsLock, Qt::NoModifier, 0x51, 2},  // no key for the options
                        {Qt::Key_Tab, Qt::NoModifier, 0x51, 2},       // leaves the field
                        {Qt::Key_Backtab, Qt::ShiftModifier, 0x51, 2},
                        {Qt::Key_Tab, Qt::ControlModifier, 0x09, 2}};
    for (const auto& [key, modifiers, virtualKey, flags] : rows) {
      OptionsRecord working;
      working.hotKeyKey = 0x51;
      working.hotKeyModifiers = 2;
      PreferencesSheet sheet(working);
      auto* edit = Control<HotKeyEdit>(sheet, "hotKey");
      QCOMPARE(edit->keySequence(), QKeySequence(Qt::ControlModifier | Qt::Key_Q));
      QTest::keyClick(edit, key, modifiers);
      sheet.accept();
      QCOMPARE(int(working.hotKeyKey), virtualKey);
      QCOMPARE(int(working.hotKeyModifiers), flags);
    }
    HotKeyEdit edit;
    edit.SetHotKey(0x70, 1);
    QCOMPARE(edit.keySequence(), QKeySequence(Qt::ShiftModifier | Qt::Key_F1));
    for (std::uint16_t none : {0, 0x65}) {  // no key, and a key Qt does not name
      edit.SetHotKey(none, 2);
      QVERIFY(edit.keySequence().isEmpty());
      QCOMPARE(int(edit.VirtualKey()), 0);
      QCOMPARE(int(edit.Modifiers()), 0);
    }
  }

  void colourPage() {
    OptionsRecord working;
    working.backColor = 0x00102030;
    working.textHighlight = 0x000000FF;
    working.buttonHighlight = 0x00FFFFFF;
    working.fontSize = 4;
    PreferencesSheet sheet(working);
    auto* back = Control<ColourPicker>(sheet, "backColor");
    QCOMPARE(back->Colour(), 0x00102030u);
    QCOMPARE(Control<ColourPicker>(sheet, "textHighlight")->Colour(), 0x000000FFu);
    QCOMPARE(Control<QComboBox>(sheet, "fontSize")->currentText(), QString("14"));

    // Three pickers for the expression window, four for the keys, each
    // right of its label.
    ShowPage(sheet, 3);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    const char* names[] = {"textColor",      "backColor",     "textHighlight",  "digitColor",
                           "operationColor", "functionColor", "buttonHighlight"};
    for (int i = 0; i < 7; ++i) {
      auto* picker = Control<ColourPicker>(sheet, names[i]);
      QCOMPARE(picker->parentWidget() == Control<ColourPicker>(sheet, "textColor")->parentWidget(),
               i < 3);
      for (QLabel* label : sheet.findChildren<QLabel*>()) {
        if (label->buddy() != picker) continue;
        QVERIFY(label->geometry().right() < picker->geometry().left());
        QVERIFY(std::abs(label->geometry().center().y() - picker->geometry().center().y()) < 4);
      }
    }
    back->SetColour(0x00ABCDEF);
    sheet.accept();
    QCOMPARE(working.backColor, 0x00ABCDEFu);

    working.fontSize = 0;
    PreferencesSheet reset(working);
    QCOMPARE(Control<QComboBox>(reset, "fontSize")->currentText(), QString("9"));
    ShowPage(reset, 3);
    Control<QPushButton>(reset, "resetToDefault")->click();
    const OptionsRecord defaults;
    QCOMPARE(Control<ColourPicker>(reset, "backColor")->Colour(), defaults.backColor);
    QCOMPARE(Control<ColourPicker>(reset, "buttonHighlight")->Colour(), 0x00BDC1BDu);
    QCOMPARE(Control<QComboBox>(reset, "fontSize")->currentIndex(), 1);
    reset.accept();
    QCOMPARE(working.fontSize, 1);
    QCOMPARE(working.digitColor, defaults.digitColor);
  }

  // Each change reaches the window on its own.
  void committedChangesReachTheWindow() {
    ScopedOptions options;
    ProgramFolder folder;
    StartedWindow window(folder.Path());
    CalculatorDialog& dialog = *window.dialog;
    ExpressionEditor& editor = window.Editor();
    const QString entry = AutostartEntryPath();
    const QString exec = "Exec=\"" + QCoreApplication::applicationFilePath() + "\"";
    auto entryHas = [&](const QString& line) {
      return QString::fromUtf8(ReadFile(entry)).split('\n').contains(line);
    };
    auto resultColour = [&] {
      TypeLine(editor, "1+1");
      QTextBlock result = editor.document()->lastBlock().previous();
      return result.begin().fragment().charFormat().foreground().color();
    };
    const std::pair<std::function<void(R&)>, std::function<bool()>> rows[] = {
        {[](R& o) { o.backColor = 0x0000FF00; },
         [&] { return editor.palette().color(QPalette::Base) == QColor(0, 255, 0); }},
        {[](R& o) { o.textColor = 0x000000FF; },
         [&] { return editor.palette().color(QPalette::Text) == QColor(255, 0, 0); }},
        {[](R& o) { o.fontSize = 5; }, [&] { return editor.font().pointSize() == 16; }},
        {[](R& o) { o.textHighlight = 0x00FF0000; },
         [&] { return resultColour() == QColor(0, 0, 255); }},
        {[](R& o) { o.stayOnTop = 1; },
         [&] { return dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint); }},
        {[](R& o) { o.autoStart = 1; }, [&] { return entryHas(exec); }},
        {[](R& o) { o.startMinimized = 1; }, [&] { return entryHas(exec + " -min"); }},
        {[](R& o) { o.autoStart = 0; }, [&] { return !QFile::exists(entry); }},
        {[](R& o) { o.format = 0; },
         [&] { return dialog.Flow().CalculateLine("1/4") == "2.500000e-01"; }}};
    int row = 0;
    for (const auto& [change, shown] : rows) {
      const OptionsRecord before = Options();
      OptionsRecord working = before;
      change(working);
      CommitPreferences(dialog, working, before);
      QVERIFY2(shown(), qPrintable(QString::number(row++)));
    }
  }

  // OK reaches the live options and the options file; Cancel reaches
  // nothing, not even after "Reset to default"; the sheet has no Apply.
  void openPreferencesOkAndCancel() {
    ScopedOptions options;
    ProgramFolder folder;
    StartedWindow window(folder.Path());
    CalculatorDialog& dialog = *window.dialog;
    const OptionsRecord before = Options();
    WhenSheetOpens(dialog, [](PreferencesSheet& sheet) {
      ShowPage(sheet, 3);
      Control<QPushButton>(sheet, "resetToDefault")->click();
      Control<ColourPicker>(sheet, "textColor")->SetColour(0x000000FF);
      ShowPage(sheet, 2);
      Control<QRadioButton>(sheet, "exponential")->setChecked(true);
      sheet.reject();
    });
    OpenPreferences(dialog);
    QVERIFY(Options().format == before.format && Options().textColor == before.textColor);
    QVERIFY(!QFile::exists(folder.FilePath("options.xml")));

    WhenSheetOpens(dialog, [](PreferencesSheet& sheet) {
      ShowPage(sheet, 3);
      Control<ColourPicker>(sheet, "backColor")->SetColour(0x0000FFFF);
      sheet.Buttons()->button(QDialogButtonBox::Ok)->click();
    });
    dialog.move(40, 50);
    OpenPreferences(dialog);
    QCOMPARE(Options().backColor, 0x0000FFFFu);
    const QByteArray saved = ReadFile(folder.FilePath("options.xml"));
    QVERIFY(saved.contains("<BackColor>65535</BackColor>"));
    QVERIFY(saved.contains(QStringLiteral("<Geometry Top=\"50\" Left=\"40\" Width=\"%1\" Height=\"%2\"/>")
                               .arg(dialog.width())
                               .arg(dialog.height())
                               .toUtf8()));

    WhenSheetOpens(dialog, [](PreferencesSheet& sheet) {
      QVERIFY(sheet.Buttons()->button(QDialogButtonBox::Apply) == nullptr);
      QCOMPARE(sheet.Buttons()->buttons().size(), 2);
      sheet.reject();
    });
    OpenPreferences(dialog);
  }

  // ------------------------------------------------------------ variables

  void init() {
    questions_.clear();
    answer_ = true;
    VariablesDialog::SetConfirmation([this](QWidget*, const QString& question) {
      questions_ << question;
      return answer_;
    });
    session_ = std::make_unique<CalculatorSession>();
    for (const char* line : {"a=2.5", "h=0x1F", "f=1\\2", "t=1:30:00", "c=sqrt(-4)", "s=\"text\""})
      session_->CalculateLine(line);
  }

  void variablesAreListedInCreationOrder() {
    VariablesDialog dialog(*session_);
    const QTreeWidget* list = dialog.List();
    QCOMPARE(Column(list, 0), (QStringList{"a", "h", "f", "t", "c", "s"}));
    QCOMPARE(Column(list, 1).mid(0, 5),
             (QStringList{"Decimal", "Hex", "Fraction", "Time", "Complex"}));
    QVERIFY(list->topLevelItem(0)->text(2) == "2.5" && list->topLevelItem(2)->text(2) == "1\\2");
    QCOMPARE(list->currentItem(), list->topLevelItem(0));
    // A long value does not fit its column; its tip shows it whole.
    QVERIFY(list->topLevelItem(0)->toolTip(0) == "a" &&
            list->topLevelItem(2)->toolTip(2) == "1\\2");
  }

  // Delete alone or with Control deletes the selected variable, after the
  // question.
  void deleteKeys() {
    const std::pair<Qt::KeyboardModifiers, bool> rows[] = {
        {Qt::NoModifier, true},
        {Qt::ControlModifier, true},
        {Qt::ShiftModifier, false},
        {Qt::ControlModifier | Qt::AltModifier, false}};
    for (auto [modifiers, deletes] : rows) {
      init();
      VariablesDialog dialog(*session_);
      dialog.List()->setCurrentItem(dialog.List()->topLevelItem(1));
      QTest::keyClick(dialog.List(), Qt::Key_Delete, modifiers);
      QCOMPARE(questions_.size(), deletes ? 1 : 0);
      QCOMPARE(Column(dialog.List(), 0).contains("h"), !deletes);
      QCOMPARE(session_->Engine().Variables().Find("h") == nullptr, deletes);
    }
  }

  void deleteAsksFirst() {
    VariablesDialog dialog(*session_);
    auto* deleteOne = dialog.findChild<QPushButton*>("deleteVariable");
    auto* deleteAll = dialog.findChild<QPushButton*>("deleteAllVariables");
    answer_ = false;
    deleteOne->click();
    deleteAll->click();
    QVERIFY(questions_.size() == 2 && session_->Engine().Variables().Count() == 6);

    answer_ = true;
    deleteOne->click();  // the first row is selected from the start
    QCOMPARE(Column(dialog.List(), 0), (QStringList{"h", "f", "t", "c", "s"}));
    dialog.List()->clearSelection();
    deleteOne->click();  // asked, but no row is selected
    QCOMPARE(session_->Engine().Variables().Count(), 5);
    dialog.List()->topLevelItem(4)->setSelected(true);
    deleteOne->click();
    QCOMPARE(Column(dialog.List(), 0), (QStringList{"h", "f", "t", "c"}));
    deleteAll->click();
    QVERIFY(session_->Engine().Variables().Count() == 0 && dialog.List()->topLevelItemCount() == 0);

    questions_.clear();  // nothing left: no more questions
    deleteOne->click();
    deleteAll->click();
    QTest::keyClick(dialog.List(), Qt::Key_Delete);
    QVERIFY(questions_.isEmpty());
  }

  void loadedFunctions() {
    for (bool any : {false, true}) {
      ScopedScriptStatements statements;
      if (any)
        AppendScriptText(
            "func area(r) ## circle area\nreturn pi*r^2\nendfunc\n"
            "func twice(x)\nreturn 2*x\nendfunc\n"
            "func note(a)##a ## b\nendfunc\n",
            *statements);
      LoadedFunctionsDialog dialog;
      const QTreeWidget* list = dialog.List();
      QCOMPARE(Column(list, 0), (any ? QStringList{"area(r)", "twice(x)", "note(a)"}
                                     : QStringList{"No function is loaded"}));
      QCOMPARE(Column(list, 1),
               (any ? QStringList{" circle area", "", "a ## b"} : QStringList{""}));
      if (any) QCOMPARE(list->topLevelItem(0)->toolTip(1), QString(" circle area"));
    }
  }

  // Dialogs built while the Russian interface is in force speak Russian,
  // except for the texts that are the same in both languages.
  void russianTexts() {
    ScopedScriptStatements noFunctions;
    QList<std::pair<QString, QString>> rows;
    {
      RussianInterface russian;
      OptionsRecord working;
      PreferencesSheet sheet(working);
      VariablesDialog variables(*session_);
      answer_ = false;
      variables.findChild<QPushButton*>("deleteAllVariables")->click();
      LoadedFunctionsDialog functions;
      const auto* list = variables.List();
      rows = {{sheet.windowTitle(), "  Настройки"},
              {sheet.Tabs()->tabText(0), "Общие"},
              {sheet.Tabs()->tabText(2), "Данные"},
              {sheet.Buttons()->button(QDialogButtonBox::Ok)->text(), "OK"},
              {sheet.Buttons()->button(QDialogButtonBox::Cancel)->text(), "Отмена"},
              {Control<QCheckBox>(sheet, "saveResults")->text(), "сохранять результаты в скрипт"},
              {Control<QCheckBox>(sheet, "autoStart")->text(), "запускать при входе в систему"},
              {Control<QRadioButton>(sheet, "exponential")->text(), "экспоненциальный"},
              {LabelOf(sheet, "precision"), "цифр  "},
              {LabelOf(sheet, "textHighlight"), "Результат"},
              {LabelOf(sheet, "fontSize"), "Размер шрифта"},
              {Control<QPushButton>(sheet, "resetToDefault")->text(), "Стандартные установки"},
              {variables.windowTitle(), "Список переменных"},
              {list->headerItem()->text(1), "Тип числа"},
              {list->topLevelItem(1)->text(1), "Шестнадцатеричное"},
              {list->topLevelItem(5)->text(1), "Строка"},
              {Control<QPushButton>(variables, "deleteVariable")->text(), "&Удалить переменную"},
              {questions_.value(0), "Вы действительно желаете удалить все переменные?"},
              {functions.windowTitle(), "Загруженные функции"},
              {functions.List()->headerItem()->text(1), "Описание"},
              {functions.List()->topLevelItem(0)->text(0), "Ни одной функции не загружено"}};
    }
    for (const auto& [shown, expected] : rows) QCOMPARE(shown, expected);
    // Built again after the switch back, a dialog speaks English.
    VariablesDialog variables(*session_);
    QCOMPARE(variables.windowTitle(), QString("Variable list"));
  }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
