// The preferences sheet: what its pages show and write back, and what the
// main window does with it.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "gui/controls/colour_picker.h"
#include "gui/settings/hot_key_edit.h"
#include "gui/settings/preferences_sheet.h"
#include "gui_test_support.h"
#include "settings/options_record.h"

using vr::OptionsRecord;
using vr::PreferencesSheet;

namespace {

template <typename T>
T* Control(const QWidget& sheet, const char* name) {
  T* control = sheet.findChild<T*>(QString::fromLatin1(name));
  if (control == nullptr) qFatal("no control %s", name);
  return control;
}

void ShowPage(PreferencesSheet& sheet, int index) { sheet.Tabs()->setCurrentIndex(index); }

// Every check box and the field it edits.
struct CheckField {
  const char* name;
  std::int32_t OptionsRecord::*field;
};
constexpr CheckField kCheckFields[] = {
    {"showCalcResult", &OptionsRecord::showCalcResult},
    {"showScriptResult", &OptionsRecord::showScriptResult},
    {"saveResults", &OptionsRecord::saveResults},
    {"stayOnTop", &OptionsRecord::stayOnTop},
    {"minToTray", &OptionsRecord::minToTray},
    {"autoClip", &OptionsRecord::autoClip},
    {"autoStart", &OptionsRecord::autoStart},
    {"startMinimized", &OptionsRecord::startMinimized},
    {"closeMinimize", &OptionsRecord::closeMinimize},
    {"saveVars", &OptionsRecord::saveVars},
    {"saveExpr", &OptionsRecord::saveExpr},
    {"saveWindowsPositions", &OptionsRecord::saveWindowsPositions},
};

// Runs `act` on the sheet once OpenPreferences has it open.
void WhenSheetOpens(vr::CalculatorDialog& dialog, std::function<void(PreferencesSheet&)> act) {
  QTimer::singleShot(0, &dialog, [&dialog, act] {
    auto* sheet = dialog.findChild<PreferencesSheet*>();
    QVERIFY(sheet != nullptr);
    act(*sheet);
  });
}

}  // namespace

class PreferencesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
  }

  // Each flag is shown on, then off, with every other flag the other way.
  void checkBoxesShowAndWriteTheirFields_data() {
    QTest::addColumn<int>("value");
    QTest::newRow("on") << 1;
    QTest::newRow("off") << 0;
  }
  void checkBoxesShowAndWriteTheirFields() {
    QFETCH(int, value);
    for (const CheckField& f : kCheckFields) {
      OptionsRecord working;
      for (const CheckField& other : kCheckFields) working.*other.field = 1 - value;
      working.*f.field = value;
      // "start minimized" can only be on together with "start with Windows".
      if (f.field == &OptionsRecord::startMinimized) working.autoStart = 1;
      PreferencesSheet sheet(working);
      QCOMPARE(Control<QCheckBox>(sheet, f.name)->isChecked(), value != 0);

      for (int page = 0; page < 4; ++page) ShowPage(sheet, page);
      Control<QCheckBox>(sheet, f.name)->setChecked(value == 0);
      sheet.accept();
      QCOMPARE(working.*f.field, 1 - value);
    }
  }

  void resultsPage() {
    OptionsRecord working;
    working.format = 0;
    working.precision = 7;
    working.dateFormat = 2;
    PreferencesSheet sheet(working);
    QVERIFY(Control<QRadioButton>(sheet, "exponential")->isChecked());
    auto* precision = Control<QSpinBox>(sheet, "precision");
    QCOMPARE(precision->value(), 7);
    QCOMPARE(Control<QComboBox>(sheet, "dateFormat")->currentText(), QString("MM.DD.YYYY"));

    ShowPage(sheet, 2);
    Control<QRadioButton>(sheet, "fixed")->setChecked(true);
    Control<QComboBox>(sheet, "dateFormat")->setCurrentIndex(1);
    precision->selectAll();
    QTest::keyClicks(precision, "12");
    sheet.accept();
    QCOMPARE(working.format, 1);
    QCOMPARE(working.precision, 12);
    QCOMPARE(working.dateFormat, 1);
  }

  void precisionStaysWithinItsRange_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("result");
    QTest::newRow("0 is kept") << 5 << "0" << 0;
    QTest::newRow("20 is refused") << 5 << "20" << 2;
    QTest::newRow("minus is refused") << 5 << "-3" << 3;
    QTest::newRow("stored out of range") << 99 << "" << 15;
  }
  void precisionStaysWithinItsRange() {
    QFETCH(int, stored);
    QFETCH(QString, typed);
    QFETCH(int, result);
    OptionsRecord working;
    working.precision = stored;
    PreferencesSheet sheet(working);
    ShowPage(sheet, 2);
    auto* precision = Control<QSpinBox>(sheet, "precision");
    if (!typed.isEmpty()) {
      precision->selectAll();
      QTest::keyClicks(precision, typed);
    }
    sheet.accept();
    QCOMPARE(working.precision, result);
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
    QVERIFY(minimized->isEnabled());
    autoStart->click();
    QVERIFY(!minimized->isEnabled());
    QVERIFY(!minimized->isChecked());
    autoStart->click();
    QVERIFY(minimized->isEnabled());
    QVERIFY(!minimized->isChecked());
  }

  void hotKeyField_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<int>("flags");
    QTest::newRow("bare letter") << int(Qt::Key_A) << int(Qt::NoModifier) << 65 << 6;
    QTest::newRow("bare F5") << int(Qt::Key_F5) << int(Qt::NoModifier) << 0x74 << 6;
    QTest::newRow("Shift+letter") << int(Qt::Key_K) << int(Qt::ShiftModifier) << 75 << 1;
    QTest::newRow("Control+Shift+digit")
        << int(Qt::Key_7) << int(Qt::ControlModifier | Qt::ShiftModifier) << 55 << 3;
    QTest::newRow("Backspace clears") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << 0 << 0;
    QTest::newRow("a modifier alone keeps the key")
        << int(Qt::Key_Control) << int(Qt::ControlModifier) << 0x51 << 2;
  }
  void hotKeyField() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, virtualKey);
    QFETCH(int, flags);
    OptionsRecord working;
    working.hotKeyKey = 0x51;  // Control+Q
    working.hotKeyModifiers = 2;
    PreferencesSheet sheet(working);
    auto* edit = Control<vr::HotKeyEdit>(sheet, "hotKey");
    QCOMPARE(edit->keySequence(), QKeySequence(Qt::ControlModifier | Qt::Key_Q));
    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    sheet.accept();
    QCOMPARE(int(working.hotKeyKey), virtualKey);
    QCOMPARE(int(working.hotKeyModifiers), flags);
  }

  void colourPage() {
    OptionsRecord working;
    working.backColor = 0x00102030;
    working.textHighlight = 0x000000FF;
    working.buttonHighlight = 0x00FFFFFF;
    working.fontSize = 4;
    PreferencesSheet sheet(working);
    auto* back = Control<vr::ColourPicker>(sheet, "backColor");
    QCOMPARE(back->Colour(), 0x00102030u);
    QCOMPARE(Control<vr::ColourPicker>(sheet, "textHighlight")->Colour(), 0x000000FFu);
    QCOMPARE(Control<QComboBox>(sheet, "fontSize")->currentText(), QString("14"));

    ShowPage(sheet, 3);
    back->SetColour(0x00ABCDEF);
    sheet.accept();
    QCOMPARE(working.backColor, 0x00ABCDEFu);

    PreferencesSheet reset(working);
    ShowPage(reset, 3);
    Control<QPushButton>(reset, "resetToDefault")->click();
    const OptionsRecord defaults;
    QCOMPARE(Control<vr::ColourPicker>(reset, "backColor")->Colour(), defaults.backColor);
    QCOMPARE(Control<vr::ColourPicker>(reset, "buttonHighlight")->Colour(), 0x00BDC1BDu);
    QCOMPARE(Control<QComboBox>(reset, "fontSize")->currentIndex(), 1);
  }

  void captionsInBothLanguages_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("tabs");
    QTest::newRow("English") << true << " Preferences"
                             << QStringList{"General", "Start && exit", "Results representation",
                                            "Colours"};
    QTest::newRow("Russian") << false << "  Настройки"
                             << QStringList{"Общие", "Сохранение", "Данные", "Цвета"};
  }
  void captionsInBothLanguages() {
    QFETCH(bool, english);
    QFETCH(QString, caption);
    QFETCH(QStringList, tabs);
    vr::ScopedOptions options;
    options->english = english ? 1 : 0;
    OptionsRecord working = *options;
    PreferencesSheet sheet(working);
    QCOMPARE(sheet.windowTitle(), caption);
    QStringList shown;
    for (int i = 0; i < sheet.Tabs()->count(); ++i) shown << sheet.Tabs()->tabText(i);
    QCOMPARE(shown, tabs);
  }

  // OK reaches the live options, the options file, the editor and the next
  // result; Cancel reaches nothing, not even after "Reset to default".
  void openPreferencesOkAndCancel() {
    vr::ScopedOptions options;
    vr::test::ProgramFolder folder;
    vr::test::StartedWindow window(folder.Path());
    vr::CalculatorDialog& dialog = *window.dialog;
    const OptionsRecord before = vr::Options();

    WhenSheetOpens(dialog, [](PreferencesSheet& sheet) {
      ShowPage(sheet, 3);
      Control<QPushButton>(sheet, "resetToDefault")->click();
      Control<vr::ColourPicker>(sheet, "textColor")->SetColour(0x000000FF);
      ShowPage(sheet, 2);
      Control<QRadioButton>(sheet, "exponential")->setChecked(true);
      sheet.reject();
    });
    vr::OpenPreferences(dialog);
    QCOMPARE(vr::Options().format, before.format);
    QCOMPARE(vr::Options().textColor, before.textColor);
    QVERIFY(!QFile::exists(folder.FilePath("options.xml")));

    WhenSheetOpens(dialog, [](PreferencesSheet& sheet) {
      ShowPage(sheet, 2);
      Control<QRadioButton>(sheet, "exponential")->setChecked(true);
      ShowPage(sheet, 3);
      Control<vr::ColourPicker>(sheet, "backColor")->SetColour(0x0000FFFF);
      sheet.Buttons()->button(QDialogButtonBox::Ok)->click();
    });
    vr::OpenPreferences(dialog);
    QCOMPARE(vr::Options().format, 0);
    QCOMPARE(vr::Options().backColor, 0x0000FFFFu);
    QCOMPARE(window.Editor().palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(dialog.CalculateLine("1/4"), QString("2.500000e-01"));
    QFile file(folder.FilePath("options.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("<Format>0</Format>"));
    QVERIFY(text.contains("<BackColor>65535</BackColor>"));

    // What Apply committed stays when the sheet is then cancelled.
    WhenSheetOpens(dialog, [](PreferencesSheet& sheet) {
      Control<QCheckBox>(sheet, "autoClip")->setChecked(true);
      sheet.Buttons()->button(QDialogButtonBox::Apply)->click();
      Control<QCheckBox>(sheet, "saveResults")->setChecked(true);
      sheet.reject();
    });
    vr::OpenPreferences(dialog);
    QCOMPARE(vr::Options().autoClip, 1);
    QCOMPARE(vr::Options().saveResults, before.saveResults);
  }

 private:
  QTemporaryDir config_;
};

QTEST_MAIN(PreferencesTest)
#include "preferences_test.moc"
