#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>

namespace vr {

class CalculatorSession;

// The window's side of the options file. The settings themselves and the
// variables are read by the session at start-up; the window restores the
// text of the expression window and, at exit, writes the whole file.

// The text of the expression window that the session found in the options
// file at start-up, lines separated by "\n"; empty when there was none.
QString SavedExpressions(const CalculatorSession& session);

struct SaveOutcome {
  bool ok = true;
  QString fileName;  // the file that was (or could not be) written
  QString reason;    // why it failed, for the user
};

// Writes the options file: the live settings, the lines of the expression
// window and the session's variables. The old file stays whole when the
// new one cannot be written.
SaveOutcome SaveOptionsFile(const std::filesystem::path& folder, CalculatorSession& session,
                            const QStringList& lines);

// The folder of options.xml, the scripts and units.dat when the program
// runs normally.
std::filesystem::path DefaultProgramFolder();

}  // namespace vr
