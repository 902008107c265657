#include "gui/window/calculator_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <iostream>
#include <sstream>

#include "gui/controls/color_ref.h"
#include "gui/graphs/graph_windows.h"
#include "gui/platform/app_icon.h"
#include "gui/platform/global_hot_key.h"
#include "gui/platform/help_pages.h"
#include "gui/platform/tray_presence.h"
#include "gui/window/about_box.h"
#include "gui/window/expression_editor.h"
#include "gui/window/keypad.h"
#include "gui/window/keypad_modes.h"
#include "gui/window/line_flow.h"
#include "gui/window/line_runner.h"
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
  topKeys_ = new QWidget(this);
  topKeys_->setObjectName(QStringLiteral("topKeys"));
  sideKeys_ = new QWidget(this);
  sideKeys_->setObjectName(QStringLiteral("sideKeys"));

  // The editor stretches with the window; the keypad keeps its size above
  // it and to its right.
  auto* grid = new QGridLayout(this);
  const int gap = fontMetrics().averageCharWidth();
  grid->setContentsMargins(gap, gap, gap, gap);
  grid->setSpacing(gap);
  grid->addWidget(topKeys_, 0, 0, 1, 2);
  grid->addWidget(editor_, 1, 0);
  grid->addWidget(sideKeys_, 1, 1, Qt::AlignTop);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(0, 1);
  BuildMenu();
  BuildKeypad();

  // The session gets its output at the first evaluation, not before: Write
  // statements run by the start-up script print nowhere.
  flow_ = std::make_unique<LineFlow>(*editor_, *session_);
  // Hidden until a graph command shows one; they keep their places in the
  // options while shown, so the save at exit records them.
  new GraphWindows(*session_, this);
  flow_->SetLineRewriter([this](const QString& line) { return conversion_->ConvertLine(line); });
  runner_ = new LineRunner(this, menuBar_);
  flow_->SetRunner(runner_);
  connect(runner_, &LineRunner::busyChanged, this, &CalculatorDialog::SetCommandsBusy);

  keeper_ = new SessionKeeper(*this, programFolder_, *session_, *editor_);
  keeper_->SetNotifier([this](const QString& text) { notify_(text); });
  keeper_->SetBeforeSave([this] { RecordWindowRect(); });
  keeper_->SetFolderInUseQuestion([this](const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("VadadeRivo"), text,
                    QMessageBox::NoButton, this);
    QPushButton* readOnly = box.addButton(tr("Open read-only"), QMessageBox::AcceptRole);
    box.addButton(tr("Quit"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == readOnly;
  });

  placement_ = new WindowPlacement(*this);
  tray_ = new TrayPresence(this);
  connect(tray_, &TrayPresence::restoreRequested, this, &CalculatorDialog::BringBack);
  connect(tray_, &TrayPresence::aboutRequested, this, &CalculatorDialog::ShowAbout);
  connect(tray_, &TrayPresence::exitRequested, this, &CalculatorDialog::Exit);

  hotKey_ = new GlobalHotKey(this);
  connect(hotKey_, &GlobalHotKey::activated, this, &CalculatorDialog::BringBack);

  connect(editor_, &ExpressionEditor::evaluateRequested, this,
          [this] { flow_->EvaluateCurrentLine(false); });

  // A desktop session that ends while the program runs still gets its
  // options saved, without questions.
  if (QCoreApplication::instance() != nullptr) {
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
      if (startedUp_ && !shutDown_) ShutDown(false);
    });
  }

  notify_ = [this](const QString& text) {
    QMessageBox::warning(this, QStringLiteral("VadadeRivo"), text);
  };
  confirmClose_ = [this](const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("VadadeRivo"), text, QMessageBox::NoButton,
                    this);
    QPushButton* close = box.addButton(tr("Close without saving"), QMessageBox::DestructiveRole);
    box.addButton(tr("Keep the window open"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == close;
  };

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

void CalculatorDialog::Retranslate() {
  setWindowTitle(keeper_->Title(tr("VadadeRivo")));
  RetranslateMenu();
  keypad_->Retranslate();
  tray_->Retranslate();
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
    ApplyEditorAppearance();
    ApplyKeyColors();
    show();
  });
  runner_->Run(
      [&] { session_->StartUp(programFolder_, report, [this] { AfterOptionsLoaded(); }); });
  disconnect(early);
  // Problems with the program's files do not stop it; they are told on the
  // terminal for whoever looks.
  std::istringstream lines(report.str());
  for (std::string line; std::getline(lines, line);) std::cerr << "vadaderivo: " << line << '\n';

  ApplyEditorAppearance();
  ApplyKeyColors();
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
  if (!RegisterHotKey() && Options().hotKeyKey != 0)
    keeper_->TellAfterStart(QStringLiteral("Not registered"));

  const QSize first = sizeHint();
  resize(first);
  setMinimumSize(first);
  placement_->Place(Options().mainWindow);
  ApplyStayOnTop();
}

void CalculatorDialog::RecordWindowRect() { Options().mainWindow = placement_->Current(); }

void CalculatorDialog::ShowAtStart() {
  if (commandLine_.startMinimized) {
    MinimizeToTray();
    return;
  }
  show();
  editor_->setFocus();
}

void CalculatorDialog::MinimizeToTray() {
  if (!TrayPresence::Available()) {
    showMinimized();
    return;
  }
  // Other windows of the program (graphs) go with the main window and come
  // back with it.
  hiddenWithMe_.clear();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w != this && w->isVisible() && w->isWindow() && !w->inherits("QMenu")) {
      hiddenWithMe_.emplace_back(w);
      w->hide();
    }
  }
  hide();
  tray_->Show();
  inTray_ = true;
}

void CalculatorDialog::RestoreFromTray() {
  tray_->Hide();
  inTray_ = false;
  placement_->ShowInPlace([this] { showNormal(); });
  for (const QPointer<QWidget>& w : hiddenWithMe_)
    if (w) w->show();
  hiddenWithMe_.clear();
  raise();
}

void CalculatorDialog::BringBack() {
  if (inTray_ || !isVisible()) RestoreFromTray();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  editor_->setFocus();
}

void CalculatorDialog::ApplyStayOnTop() {
  const bool onTop = Options().stayOnTop != 0;
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  // Changing a window flag hides a shown window; it is shown again in place.
  const bool wasVisible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (wasVisible) placement_->ShowInPlace([this] { show(); });
}

void CalculatorDialog::ApplyEditorAppearance() {
  const OptionsRecord& o = Options();
  editor_->SetFontSizeIndex(o.fontSize);
  editor_->SetColors(ColorFromColorRef(o.textColor), ColorFromColorRef(o.backColor),
                     ColorFromColorRef(o.textHighlight));
}

bool CalculatorDialog::RegisterHotKey() {
  const OptionsRecord& o = Options();
  if (o.hotKeyKey == 0) {
    hotKey_->Unregister();
    return false;
  }
  return hotKey_->Register(o.hotKeyKey, o.hotKeyModifiers);
}

void CalculatorDialog::UnregisterHotKey() { hotKey_->Unregister(); }

void CalculatorDialog::ShowHelp() { OpenHelp(programFolder_, Options().english != 0); }

void CalculatorDialog::ShowAbout() {
  if (inTray_) RestoreFromTray();
  AboutBox box(programFolder_, this);
  box.exec();
}

void CalculatorDialog::Exit() {
  exiting_ = true;
  close();
  exiting_ = false;
}

void CalculatorDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!exiting_ && Options().closeMinimize != 0) {
    if (Options().minToTray != 0) {
      MinimizeToTray();
    } else {
      showMinimized();
    }
    return;
  }
  if (inTray_ || !isVisible()) RestoreFromTray();
  done(QDialog::Accepted);
  if (shutDown_) event->accept();
}

void CalculatorDialog::done(int result) {
  if (startedUp_ && !shutDown_ && !ShutDown(true)) return;
  QDialog::done(result);
}

bool CalculatorDialog::ShutDown(bool mayAsk) {
  hotKey_->Unregister();
  RecordWindowRect();
  const SaveOutcome saved = keeper_->SaveNow(true);
  if (!saved.ok && mayAsk) {
    const QString text =
        tr("The settings, the text and the variables could not be saved in \"%1\": %2.\n\n"
           "Close without saving, or keep the window open and copy what you need?")
            .arg(saved.fileName, saved.reason);
    if (!confirmClose_(text)) {
      RegisterHotKey();
      return false;
    }
  }
  keeper_->Finish();
  tray_->Hide();
  shutDown_ = true;
  return true;
}

void CalculatorDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  if (event->type() == QEvent::WindowStateChange && isMinimized() && !inTray_ &&
      Options().minToTray != 0 && TrayPresence::Available()) {
    // Hiding from inside the state change confuses some window managers;
    // the window goes to the tray right after.
    QTimer::singleShot(0, this, [this] {
      if (!isMinimized() || inTray_) return;
      setWindowState(windowState() & ~Qt::WindowMinimized);
      MinimizeToTray();
    });
  }
  QDialog::changeEvent(event);
}

}  // namespace vr
