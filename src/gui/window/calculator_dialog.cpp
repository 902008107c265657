#include "gui/window/calculator_dialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <iostream>
#include <sstream>
#include <utility>

#include "gui/graphs/graph_windows.h"
#include "gui/platform/app_icon.h"
#include "gui/platform/help_pages.h"
#include "gui/platform/program_restart.h"
#include "gui/settings/loaded_functions_dialog.h"
#include "gui/settings/variables_dialog.h"
#include "gui/window/about_box.h"
#include "gui/window/desktop_presence.h"
#include "gui/window/expression_editor.h"
#include "gui/window/expression_files.h"
#include "gui/window/functions_dialog.h"
#include "gui/window/keypad.h"
#include "gui/window/keypad_modes.h"
#include "gui/window/line_flow.h"
#include "gui/window/line_runner.h"
#include "gui/window/main_menu.h"
#include "gui/window/menu_commands.h"
#include "gui/window/preferences_commit.h"
#include "gui/window/session_keeper.h"
#include "gui/window/ui_language.h"
#include "gui/window/unit_conversion_mode.h"
#include "gui/window/window_options.h"
#include "gui/window/window_placement.h"
#include "options/options_record.h"
#include "session/calculator_session.h"

namespace vr {

namespace {

// The editor's first size, in characters and lines of its font; it is also
// the smallest the window may become.
constexpr int kEditorColumns = 44;
constexpr int kEditorLines = 18;

}  // namespace

CalculatorDialog::CalculatorDialog(std::filesystem::path programFolder, CommandLine commandLine,
                                   QWidget* parent)
    : QDialog(parent, Qt::Window),
      programFolder_(std::move(programFolder)),
      commandLine_(std::move(commandLine)),
      session_(std::make_unique<CalculatorSession>()) {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setWindowIcon(AppIcon());

  editor_ = new ExpressionEditor(this);
  editor_->setObjectName(QStringLiteral("expressionWindow"));
  auto* topKeys = new QWidget(this);
  topKeys->setObjectName(QStringLiteral("topKeys"));
  auto* sideKeys = new QWidget(this);
  sideKeys->setObjectName(QStringLiteral("sideKeys"));

  // The editor stretches with the window; the keypad keeps its size above
  // it and to its right.
  auto* grid = new QGridLayout(this);
  const int gap = fontMetrics().averageCharWidth();
  grid->setContentsMargins(gap, gap, gap, gap);
  grid->setSpacing(gap);
  grid->addWidget(topKeys, 0, 0, 1, 2);
  grid->addWidget(editor_, 1, 0);
  grid->addWidget(sideKeys, 1, 1, Qt::AlignTop);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(0, 1);
  menu_ = new MainMenu(*this, *editor_);
  keypad_ = new Keypad(topKeys, sideKeys);
  BuildKeypad();

  // The session gets its output at the first evaluation, not before: Write
  // statements run by the start-up script print nowhere.
  flow_ = std::make_unique<LineFlow>(*editor_, *session_);
  // Hidden until a graph command shows one; they keep their places in the
  // options while shown, so the save at exit records them.
  new GraphWindows(*session_, this);
  flow_->SetLineRewriter([this](const QString& line) { return conversion_->ConvertLine(line); });
  runner_ = new LineRunner(this, menu_->Bar());
  flow_->SetRunner(runner_);
  connect(runner_, &LineRunner::busyChanged, menu_, &MainMenu::SetBusy);
  files_ = new ExpressionFiles(*this, *editor_, *flow_,
                               [this](const QString& text) { prompts_.notify(text); });

  keeper_ = new SessionKeeper(*this, programFolder_, *session_, *editor_);
  keeper_->SetNotifier([this](const QString& text) { prompts_.notify(text); });
  keeper_->SetBeforeSave([this] { Options().mainWindow = placement_->Current(); });
  keeper_->SetFolderInUseQuestion([this](const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("VadadeRivo"), text,
                    QMessageBox::NoButton, this);
    QPushButton* readOnly = box.addButton(tr("Open read-only"), QMessageBox::AcceptRole);
    box.addButton(tr("Quit"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == readOnly;
  });

  placement_ = new WindowPlacement(*this);
  desktop_ = new DesktopPresence(*this, *placement_, *editor_);
  connect(desktop_, &DesktopPresence::aboutRequested, this, &CalculatorDialog::ShowAbout);
  connect(desktop_, &DesktopPresence::exitRequested, this, &CalculatorDialog::Exit);
  ConnectCommands();

  connect(editor_, &ExpressionEditor::evaluateRequested, this,
          [this] { flow_->EvaluateCurrentLine(false); });

  // A desktop session that ends while the program runs still gets its
  // options saved, without questions.
  if (QCoreApplication::instance() != nullptr) {
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
      if (startedUp_ && !shutDown_) ShutDown(false);
    });
  }

  prompts_.notify = [this](const QString& text) {
    QMessageBox::warning(this, QStringLiteral("VadadeRivo"), text);
  };
  prompts_.confirmClose = [this](const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("VadadeRivo"), text, QMessageBox::NoButton,
                    this);
    QPushButton* close = box.addButton(tr("Close without saving"), QMessageBox::DestructiveRole);
    box.addButton(tr("Keep the window open"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == close;
  };
  prompts_.restart = StartNewInstance;
  prompts_.chooseFunction = [this] { return ChooseFunction(this); };

  const QFontMetrics editorMetrics(editor_->font());
  editor_->setMinimumSize(editorMetrics.averageCharWidth() * kEditorColumns,
                          editorMetrics.lineSpacing() * kEditorLines);
  Retranslate();
  editor_->setFocus();
}

CalculatorDialog::~CalculatorDialog() {
  // A window that never started up has read no options file; saving it would
  // put the defaults over the user's settings.
  if (startedUp_ && !shutDown_) ShutDown(false);
  // The session's output writes into the editor, which goes before it.
  session_->SetOutput(nullptr);
}

void CalculatorDialog::ConnectCommands() {
  const std::pair<int, std::function<void()>> commands[] = {
      {kCmdOpenScript, [this] { files_->OpenScript(); }},
      {kCmdSaveScript, [this] { files_->SaveScript(); }},
      {kCmdExit, [this] { Exit(); }},
      {kCmdPreferences, [this] { OpenPreferences(*this); }},
      {kCmdVariables, [this] { OpenVariablesDialog(this, *session_); }},
      {kCmdFunctions, [this] { ShowFunctionsList(); }},
      {kCmdUserFunctions, [this] { OpenLoadedFunctionsDialog(this); }},
      {kCmdStop, [this] { runner_->Stop(); }},
      {kCmdUnitMode, [this] { conversion_->Toggle(); }},
      {kCmdDegrees, [this] { modes_->SetAngleMode(false); }},
      {kCmdRadians, [this] { modes_->SetAngleMode(true); }},
      {kCmdEnglish, [this] { SwitchToEnglish(); }},
      {kCmdRussian, [this] { SwitchToRussian(); }},
      {kCmdHelp, [this] { OpenHelp(programFolder_, Options().english != 0); }},
      {kCmdAbout, [this] { ShowAbout(); }},
      // The unit keys' shortcuts work only in unit conversion mode.
      {kCmdSwapUnits,
       [this] {
         if (conversion_->On()) conversion_->ExchangeUnits();
       }},
      {kCmdInternationalUnit,
       [this] {
         if (conversion_->On()) conversion_->SelectInternationalUnit();
       }},
      {kCmdDecimal, [this] { modes_->SetNumberBase(0); }},
      {kCmdHexadecimal, [this] { modes_->SetNumberBase(1); }},
      {kCmdOctal, [this] { modes_->SetNumberBase(2); }},
      {kCmdBinary, [this] { modes_->SetNumberBase(3); }},
  };
  for (const auto& [command, act] : commands)
    connect(menu_->Action(command), &QAction::triggered, this, act);
}

void CalculatorDialog::Retranslate() {
  setWindowTitle(keeper_->Title(tr("VadadeRivo")));
  menu_->Retranslate();
  keypad_->Retranslate();
  desktop_->Retranslate();
}

void CalculatorDialog::StartUp() {
  if (!keeper_->ClaimFolder()) {
    // Another window has the folder and the user would rather not open a
    // second one: the program ends once its loop runs.
    QTimer::singleShot(0, this, [this] { QDialog::done(QDialog::Rejected); });
    return;
  }
  startedUp_ = true;
  editor_->clear();
  std::ostringstream report;
  // A start-up script that runs long must not keep the window away: once it
  // is slow the window shows, placed and coloured, and takes Esc and close.
  const QMetaObject::Connection early = connect(runner_, &LineRunner::slow, this, [this] {
    if (commandLine_.startMinimized || isVisible()) return;
    ApplyLook();
    show();
  });
  runner_->Run(
      [&] { session_->StartUp(programFolder_, report, [this] { AfterOptionsLoaded(); }); });
  disconnect(early);
  // Problems with the program's files do not stop it; they are told on the
  // terminal for whoever looks.
  std::istringstream lines(report.str());
  for (std::string line; std::getline(lines, line);) std::cerr << "vadaderivo: " << line << '\n';

  ApplyLook();
  modes_->SetAngleMode(Options().radian != 0);
  modes_->ShowNumberBase();
  if (!commandLine_.expression.isEmpty()) {
    editor_->SetWindowText(commandLine_.expression);
    flow_->EvaluateCurrentLine(true);
  }
  ShowAtStart();
  keeper_->Begin();
}

void CalculatorDialog::AfterOptionsLoaded() {
  keeper_->RestoreText();
  ApplyUiLanguage(Options().english != 0);
  Retranslate();  // the language-change events arrive later; the texts are needed now
  // The window is not shown yet: a box now would come up on its own, before
  // it and without an owner on the screen.
  if (!desktop_->RegisterHotKey() && Options().hotKeyKey != 0)
    keeper_->TellAfterStart(QStringLiteral("Not registered"));

  const QSize first = sizeHint();
  resize(first);
  setMinimumSize(first);
  placement_->Place(Options().mainWindow);
  desktop_->ApplyStayOnTop();
}

void CalculatorDialog::ApplyLook() {
  editor_->ApplyAppearance(Options());
  keypad_->ApplyOptionColours(Options());
}

void CalculatorDialog::ShowAtStart() {
  if (commandLine_.startMinimized) {
    desktop_->MinimizeToTray();
    return;
  }
  show();
  editor_->setFocus();
}

void CalculatorDialog::ShowAbout() {
  if (desktop_->InTray()) desktop_->RestoreFromTray();
  AboutBox box(programFolder_, this);
  box.exec();
}

void CalculatorDialog::SwitchToEnglish() {
  if (Options().english == 0) {
    Options().english = 1;
    ApplyUiLanguage(true);
    Retranslate();
    conversion_->Retranslate();
    menu_->Bar()->update();
  }
  // Asked for in English already, the command still rebuilds the tool tips.
  keypad_->Retranslate();
  menu_->UpdateMarks();
}

void CalculatorDialog::SwitchToRussian() {
  if (Options().english == 0) {
    menu_->UpdateMarks();
    return;
  }
  Options().english = 0;
  ApplyUiLanguage(false);
  Retranslate();
  // Everything is saved now; the new instance reads it and comes up in the
  // Russian interface throughout.
  if (startedUp_ && !shutDown_ && !ShutDown(true)) return;
  prompts_.notify(tr("Press OK to restart the program"));
  prompts_.restart(programFolder_);
  QDialog::done(QDialog::Accepted);
}

void CalculatorDialog::Exit() {
  // Taken by the close event, which comes at once or, while a line runs,
  // once the line has ended.
  exiting_ = true;
  close();
}

void CalculatorDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  const bool exiting = std::exchange(exiting_, false);
  if (!exiting && Options().closeMinimize != 0) {
    desktop_->Minimize();
    return;
  }
  if (desktop_->InTray() || !isVisible()) desktop_->RestoreFromTray();
  done(QDialog::Accepted);
  if (shutDown_) event->accept();
}

void CalculatorDialog::done(int result) {
  if (startedUp_ && !shutDown_ && !ShutDown(true)) return;
  QDialog::done(result);
}

bool CalculatorDialog::ShutDown(bool mayAsk) {
  desktop_->UnregisterHotKey();
  Options().mainWindow = placement_->Current();
  const SaveOutcome saved = keeper_->SaveNow(true);
  if (!saved.ok && mayAsk) {
    const QString text =
        tr("The settings, the text and the variables could not be saved in \"%1\": %2.\n\n"
           "Close without saving, or keep the window open and copy what you need?")
            .arg(saved.fileName, saved.reason);
    if (!prompts_.confirmClose(text)) {
      desktop_->RegisterHotKey();
      return false;
    }
  }
  keeper_->Finish();
  desktop_->RemoveIcon();
  shutDown_ = true;
  return true;
}

void CalculatorDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  if (event->type() == QEvent::WindowStateChange) desktop_->FollowMinimize();
  QDialog::changeEvent(event);
}

}  // namespace vr
