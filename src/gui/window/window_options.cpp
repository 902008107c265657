#include "gui/window/window_options.h"

#include <vector>

#include "session/calculator_session.h"
#include "settings/expressions_text.h"
#include "settings/file_bytes.h"
#include "settings/options_file.h"
#include "settings/program_folder.h"

namespace vr {

RestoredText SavedExpressions(const CalculatorSession& session, int maxLines) {
  RestoredText restored;
  const std::string* stored = session.SavedExpressions();
  if (stored == nullptr) return restored;
  restored.present = true;
  const StoredTail tail = SplitStoredTail(*stored, static_cast<std::size_t>(maxLines));
  restored.earlier = std::string(tail.earlier);
  QStringList lines;
  for (const std::string& line : tail.last) lines << QString::fromStdString(line);
  restored.shown = lines.join(QLatin1Char('\n'));
  return restored;
}

std::string OptionsFileText(CalculatorSession& session, const QStringList& lines,
                            std::string_view earlier) {
  std::vector<std::string> text;
  text.reserve(static_cast<std::size_t>(lines.size()));
  for (const QString& line : lines) text.push_back(line.toStdString());
  return BuildOptionsText(Options(), session.Engine().Variables(),
                          JoinAfterEarlierLines(earlier, text));
}

SaveOutcome WriteOptionsFile(const std::filesystem::path& folder, std::string_view text) {
  SaveOutcome outcome;
  const std::filesystem::path file = OptionsFilePath(folder);
  outcome.fileName = QString::fromStdString(file.string());
  std::string error;
  outcome.ok = WriteFileAtomically(file, text, &error);
  outcome.reason = QString::fromStdString(error);
  return outcome;
}

std::filesystem::path DefaultProgramFolder() { return ProgramFolder(); }

}  // namespace vr
