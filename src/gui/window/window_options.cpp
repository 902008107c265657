#include "gui/window/window_options.h"

#include <string>
#include <vector>

#include "session/calculator_session.h"
#include "settings/expressions_text.h"
#include "settings/options_file.h"
#include "settings/program_folder.h"

namespace vr {

QString SavedExpressions(const CalculatorSession& session) {
  const std::string* stored = session.SavedExpressions();
  if (stored == nullptr) return {};
  QStringList lines;
  for (const std::string& line : SplitExpressionLines(*stored))
    lines << QString::fromStdString(line);
  return lines.join(QLatin1Char('\n'));
}

SaveOutcome SaveOptionsFile(const std::filesystem::path& folder, CalculatorSession& session,
                            const QStringList& lines) {
  std::vector<std::string> text;
  text.reserve(static_cast<std::size_t>(lines.size()));
  for (const QString& line : lines) text.push_back(line.toStdString());
  SaveOutcome outcome;
  const std::filesystem::path file = OptionsFilePath(folder);
  outcome.fileName = QString::fromStdString(file.string());
  std::string error;
  outcome.ok =
      SaveOptions(file, Options(), session.Engine().Variables(), JoinExpressionLines(text), &error);
  outcome.reason = QString::fromStdString(error);
  return outcome;
}

std::filesystem::path DefaultProgramFolder() { return ProgramFolder(); }

}  // namespace vr
