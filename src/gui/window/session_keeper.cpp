#include "gui/window/session_keeper.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>
#include <csignal>
#include <utility>
#include <cstdlib>

#include <unistd.h>

#include "gui/platform/termination_signals.h"
#include "gui/window/expression_editor.h"
#include "session/calculator_session.h"
#include "settings/file_bytes.h"
#include "settings/options_file.h"
#include "settings/program_folder.h"

namespace vr {

namespace {

QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// Windows of this process that are keeping a session.
int watchingKeepers = 0;

int SaveDelayFromEnvironment() {
  const QByteArray text = qgetenv("VADADERIVO_SAVE_DELAY_MS");
  bool ok = false;
  const int value = text.toInt(&ok);
  return ok && value > 0 ? value : SessionKeeper::kDefaultSaveDelayMs;
}

bool IsWritableFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  return std::filesystem::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

}  // namespace

SessionKeeper::SessionKeeper(QWidget& window, const std::filesystem::path& folder,
                             CalculatorSession& session, ExpressionEditor& editor)
    : QObject(&window),
      window_(window),
      folder_(folder),
      session_(session),
      editor_(editor),
      delayMs_(SaveDelayFromEnvironment()) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &SessionKeeper::SaveIfChanged);
  connect(&TerminationSignals::Instance(), &TerminationSignals::received, this,
          [this](int signalNumber) {
            if (watching_) {
              // Saved here, while everything is still there; the orderly
              // quit that follows saves again only what changed.
              SaveNow();
              QCoreApplication::quit();
              return;
            }
            // Before start-up is over (the question about a folder in use
            // may be waiting) or after the last save there is nothing to
            // keep, and no main loop may be running to quit: the signal
            // takes its default effect.
            if (watchingKeepers == 0) {
              std::signal(signalNumber, SIG_DFL);
              std::raise(signalNumber);
            }
          });
}

SessionKeeper::~SessionKeeper() { Finish(); }

QString SessionKeeper::FolderNotice(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& executableFolder,
                                    bool ownWritable, bool optionsFileExists) {
  // Said once: the first time the other folder is used, before it holds an
  // options file.
  if (ownWritable || optionsFileExists || programFolder == executableFolder) return {};
  return tr("The program's folder \"%1\" cannot be written, so the settings, the text and the "
            "variables are kept in \"%2\".")
      .arg(PathText(executableFolder), PathText(programFolder));
}

bool SessionKeeper::ClaimFolder() {
  const std::filesystem::path own = ExecutableFolder(ExecutablePath());
  std::error_code ec;
  folderNoticeDue_ = !FolderNotice(folder_, own, IsWritableFolder(own),
                                   std::filesystem::exists(OptionsFilePath(folder_), ec))
                          .isEmpty();

  switch (lock_.Acquire(folder_)) {
    case FolderLock::Status::Held:
      // Only the folder's one writer may clear what interrupted saves left.
      RemoveLeftoverTemporaries(OptionsFilePath(folder_));
      break;
    case FolderLock::Status::Failed:
      // A folder where not even the lock file can be made cannot be saved
      // into either; the save at exit says so.
      break;
    case FolderLock::Status::InUse: {
      QString owner;
      if (lock_.OwnerProcess() > 0) owner = tr(" (process %1)").arg(lock_.OwnerProcess());
      const QString question =
          tr("The folder \"%1\" is in use by another VadadeRivo window%2.\n\n"
             "Open this window read-only (nothing it does is saved), or quit?")
              .arg(PathText(folder_), owner);
      if (!ask_ || !ask_(question)) return false;
      readOnly_ = true;
      break;
    }
  }
  session_.SetMoveDamagedOptionsAside(!readOnly_);
  return true;
}

void SessionKeeper::RestoreText() {
  const CalculatorSession::DamagedOptionsFile* damaged = session_.DamagedOptions();
  // A damaged file that could not be moved aside must not be written over.
  if (damaged != nullptr && damaged->movedTo.empty()) readOnly_ = true;

  RestoredText restored = SavedExpressions(session_, ExpressionEditor::kMaxLines);
  if (!restored.present) return;
  editor_.SetWindowText(restored.shown);
  earlier_ = std::move(restored.earlier);
  if (earlier_.empty()) return;
  // The lines in front of the shown ones go when the window trims its first
  // line (after an evaluation) or replaces its whole text; a format change
  // at the start removes as much as it adds and keeps them.
  connect(editor_.document(), &QTextDocument::contentsChange, this,
          [this](int position, int removed, int added) {
            if (position == 0 && removed > added) earlier_.clear();
          });
}

void SessionKeeper::Begin() {
  if (!watching_) ++watchingKeepers;
  watching_ = true;
  // What a read-only window would write, to tell at close whether anything
  // was changed. A writing window does not build it: with a long saved text
  // that would cost as much as a save, and its first save just writes.
  if (readOnly_) {
    onDisk_ = CurrentText();
    onDiskKnown_ = true;
  }
  connect(editor_.document(), &QTextDocument::contentsChanged, this, &SessionKeeper::MarkChanged);
  // Settings change through menus, keys and dialogs; any key or click may
  // have changed one. A save that finds nothing new writes nothing.
  QCoreApplication::instance()->installEventFilter(this);
  QTimer::singleShot(0, this, &SessionKeeper::TellStartUpFindings);
}

void SessionKeeper::TellStartUpFindings() {
  if (!notify_) return;
  if (const CalculatorSession::DamagedOptionsFile* damaged = session_.DamagedOptions()) {
    if (!damaged->movedTo.empty()) {
      notify_(tr("The options file \"%1\" could not be read (%2).\n\nIt is kept as \"%3\"; the "
                 "window starts with the default settings and saves a new options file.")
                  .arg(PathText(damaged->file), QString::fromStdString(damaged->reason),
                       PathText(damaged->movedTo)));
    } else {
      notify_(tr("The options file \"%1\" could not be read (%2) and could not be moved aside.\n\n"
                 "The window starts with the default settings and does not save over it.")
                  .arg(PathText(damaged->file), QString::fromStdString(damaged->reason)));
    }
  }
  if (folderNoticeDue_) {
    notify_(FolderNotice(folder_, ExecutableFolder(ExecutablePath()), false, false));
    folderNoticeDue_ = false;
  }
  const QStringList notices = std::exchange(startUpNotices_, {});
  for (const QString& text : notices) notify_(text);
}

QString SessionKeeper::Title(const QString& title) const {
  return readOnly_ ? tr("%1 (read-only)").arg(title) : title;
}

bool SessionKeeper::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonRelease:
      MarkChanged();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void SessionKeeper::MarkChanged() {
  if (!watching_ || readOnly_) return;
  if (!pendingSince_.isValid()) pendingSince_.start();
  // Waits for a pause in the typing, but not for ever.
  const qint64 left = std::max<qint64>(0, 2 * qint64{delayMs_} - pendingSince_.elapsed());
  timer_.start(static_cast<int>(std::min<qint64>(delayMs_, left)));
}

std::string SessionKeeper::CurrentText() {
  if (beforeSave_) beforeSave_();
  return OptionsFileText(session_, editor_.Lines(), earlier_);
}

void SessionKeeper::SaveIfChanged() {
  pendingSince_.invalidate();
  if (readOnly_) return;
  std::string text = CurrentText();
  if (onDiskKnown_ && text == onDisk_) return;
  // A failure is told at exit, where the user can still keep the window
  // open; the next change tries again.
  if (WriteOptionsFile(folder_, text).ok) Written(std::move(text));
}

void SessionKeeper::Written(std::string text) {
  onDisk_ = std::move(text);
  onDiskKnown_ = true;
}

SaveOutcome SessionKeeper::SaveNow(bool force) {
  timer_.stop();
  pendingSince_.invalidate();
  std::string text = CurrentText();
  if (readOnly_) {
    SaveOutcome outcome;
    outcome.fileName = PathText(OptionsFilePath(folder_));
    if (text != onDisk_) {
      outcome.ok = false;
      outcome.reason = tr("this window is read-only");
    }
    return outcome;
  }
  if (!force && onDiskKnown_ && text == onDisk_) return {};
  SaveOutcome outcome = WriteOptionsFile(folder_, text);
  if (outcome.ok) Written(std::move(text));
  return outcome;
}

void SessionKeeper::Finish() {
  if (watching_) {
    QCoreApplication::instance()->removeEventFilter(this);
    --watchingKeepers;
  }
  watching_ = false;
  timer_.stop();
  lock_.Release();
}

}  // namespace vr
