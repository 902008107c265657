#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>

#include "gui/window/window_options.h"
#include "settings/folder_lock.h"

namespace vr {

class CalculatorSession;
class ExpressionEditor;

// Keeps the main window's session on the disk: it makes the window the one
// writer of its program folder (or a read-only window when another has it),
// saves a few seconds after the text, the variables or the settings change,
// saves and quits in order on SIGTERM, SIGINT and SIGHUP, and tells the user
// what start-up found wrong with the folder.
class SessionKeeper : public QObject {
  Q_OBJECT

 public:
  // How long a save waits for the typing to pause. VADADERIVO_SAVE_DELAY_MS
  // overrides it (milliseconds). A change is on the disk at most twice this
  // long after it was made, however long the typing goes on.
  static constexpr int kDefaultSaveDelayMs = 3000;

  SessionKeeper(QWidget& window, const std::filesystem::path& folder, CalculatorSession& session,
                ExpressionEditor& editor);
  ~SessionKeeper() override;

  // How the user is told things and asked whether to go on read-only when
  // the folder is in use (true: read-only, false: quit). The window sets
  // both; tests put their own in.
  void SetNotifier(std::function<void(const QString&)> notify) { notify_ = std::move(notify); }
  void SetFolderInUseQuestion(std::function<bool(const QString&)> ask) { ask_ = std::move(ask); }
  // Run before every save, to bring the settings up to date (the window's
  // place).
  void SetBeforeSave(std::function<void()> beforeSave) { beforeSave_ = std::move(beforeSave); }

  // Before start-up: takes the folder. False when it is in use and the user
  // chose to quit.
  bool ClaimFolder();
  // The editor's text from the options file just read.
  void RestoreText();
  // After start-up, with the window shown: tells what start-up found and
  // starts watching for changes.
  void Begin();
  // A message found during start-up, told with the others once the window is
  // up, so that it comes in front of the window rather than before it.
  void TellAfterStart(const QString& text) { startUpNotices_ << text; }
  // Saves now, whatever the delay, when the text differs from what is on
  // the disk (always with `force`). A read-only window saves nothing and
  // fails when something changed, so that closing it can ask first.
  SaveOutcome SaveNow(bool force = false);
  // The last save: stops watching and lets the folder go.
  void Finish();

  bool ReadOnly() const { return readOnly_; }
  // The window's title for this window ("(read-only)" added).
  QString Title(const QString& title) const;
  int SaveDelayMs() const { return delayMs_; }

  // The message for a program folder that is not the executable's own
  // because that one cannot be written; empty when there is nothing to say.
  static QString FolderNotice(const std::filesystem::path& programFolder,
                              const std::filesystem::path& executableFolder, bool ownWritable,
                              bool optionsFileExists);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MarkChanged();
  void SaveIfChanged();
  void Written(std::string text);
  std::string CurrentText();
  void TellStartUpFindings();

  QWidget& window_;
  std::filesystem::path folder_;
  CalculatorSession& session_;
  ExpressionEditor& editor_;
  FolderLock lock_;
  bool readOnly_ = false;
  bool watching_ = false;
  bool folderNoticeDue_ = false;
  QStringList startUpNotices_;
  int delayMs_ = kDefaultSaveDelayMs;
  QTimer timer_;
  QElapsedTimer pendingSince_;
  // The stored lines in front of the window's (see RestoredText).
  std::string earlier_;
  // What the file holds as far as this window knows (or, read-only, what
  // it would hold), to skip saves that change nothing.
  std::string onDisk_;
  bool onDiskKnown_ = false;
  std::function<void(const QString&)> notify_;
  std::function<bool(const QString&)> ask_;
  std::function<void()> beforeSave_;
};

}  // namespace vr
