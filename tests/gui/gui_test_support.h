#pragma once

#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <tuple>

#include "gui/window/calculator_dialog.h"
#include "gui/window/expression_editor.h"
#include "gui/window/ui_language.h"
#include "options/options_record.h"
#include "settings/options_file.h"

namespace vr::test {

// A program folder of its own for each test, removed afterwards.
class ProgramFolder {
 public:
  ProgramFolder() { QVERIFY2(dir_.isValid(), "no temporary folder"); }
  std::filesystem::path Path() const { return std::filesystem::path(dir_.path().toStdString()); }
  QString FilePath(const QString& name) const { return QDir(dir_.path()).filePath(name); }

 private:
  QTemporaryDir dir_;
};

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An options file as the program would have written it, from the defaults
// changed by `change`.
inline void WriteOptionsFile(const ProgramFolder& folder,
                             const std::function<void(OptionsRecord&)>& change) {
  OptionsRecord options;
  change(options);
  VariableTable variables;
  QVERIFY(SaveOptions(OptionsFilePath(folder.Path()), options, variables, ""));
}

// A main window started in `folder`, with message boxes turned into a list
// of texts and a failed save answered by `closeAnyway`.
struct StartedWindow {
  explicit StartedWindow(const std::filesystem::path& folder, CommandLine commandLine = {})
      : dialog(std::make_unique<CalculatorDialog>(folder, std::move(commandLine))) {
    dialog->Prompts().notify = [this](const QString& text) {
      messages << text;
      toldOverTheWindow << dialog->isVisible();
    };
    dialog->Prompts().confirmClose = [this](const QString& text) {
      messages << text;
      return closeAnyway;
    };
    dialog->StartUp();
  }
  ExpressionEditor& Editor() const { return *dialog->Editor(); }

  std::unique_ptr<CalculatorDialog> dialog;
  QStringList messages;
  // For each message, whether the window was already shown when it came.
  QList<bool> toldOverTheWindow;
  bool closeAnyway = true;
};

// A window started in a fresh program folder for each test; the live
// options and the English interface are put back after it.
struct WindowFixture {
  OptionsRecord saved;
  std::unique_ptr<ProgramFolder> folder;
  std::unique_ptr<StartedWindow> window;

  void Begin() {
    saved = Options();
    folder = std::make_unique<ProgramFolder>();
    Restart();
  }
  // Closes the window and starts it again, after writing an options file
  // from `options` when given.
  void Restart(const std::function<void(OptionsRecord&)>& options = {}, CommandLine line = {}) {
    window.reset();
    if (options) WriteOptionsFile(*folder, options);
    window = std::make_unique<StartedWindow>(folder->Path(), std::move(line));
  }
  void End() {
    window.reset();
    folder.reset();
    Options() = saved;
    ApplyUiLanguage(true);
  }
  ExpressionEditor& Editor() const { return window->Editor(); }
  CalculatorDialog& Dialog() const { return *window->dialog; }
};

// Sets the text and selects from `anchor` to `position` (-1: the end).
inline void SetText(ExpressionEditor& editor, const QString& text, int anchor = -1,
                    int position = -2) {
  editor.SetWindowText(text);
  const int end = editor.document()->characterCount() - 1;
  QTextCursor c = editor.textCursor();
  c.setPosition(anchor < 0 ? end : anchor);
  c.setPosition(position == -2 ? c.position() : (position < 0 ? end : position),
                QTextCursor::KeepAnchor);
  editor.setTextCursor(c);
}

// Types a line at the caret and presses Enter, as the user does.
inline void TypeLine(ExpressionEditor& editor, const QString& line) {
  QTest::keyClicks(&editor, line);
  QTest::keyClick(&editor, Qt::Key_Return);
}

// Runs `act` and names the class of the modal dialog it opened (empty for
// none); `look` sees the dialog before it is closed again.
inline QString ModalOpenedBy(const std::function<void()>& act,
                             const std::function<void(QWidget*)>& look = {}) {
  QString opened;
  QTimer::singleShot(0, qApp, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    opened = QString::fromLatin1(modal->metaObject()->className());
    if (look) look(modal);
    modal->close();
  });
  act();
  QCoreApplication::processEvents();
  return opened;
}

}  // namespace vr::test
