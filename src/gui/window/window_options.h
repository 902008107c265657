#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>
#include <string_view>

namespace vr {

class CalculatorSession;

// The window's side of the options file. The settings themselves and the
// variables are read by the session at start-up; the window restores the
// text of the expression window and writes the whole file.

// The text of the expression window that the session found in the options
// file at start-up. The window shows at most `maxLines` lines (it trims
// itself to them after every evaluation anyway); the lines before them are
// handed back in their stored form, to be written again in front of the
// window's lines until the window's own trimming would have dropped them.
struct RestoredText {
  bool present = false;
  QString shown;      // lines separated by "\n"
  std::string earlier;
};
RestoredText SavedExpressions(const CalculatorSession& session, int maxLines);

// The whole options file for the live settings, the session's variables,
// the stored lines `earlier` and the window's `lines` after them.
std::string OptionsFileText(CalculatorSession& session, const QStringList& lines,
                            std::string_view earlier = {});

struct SaveOutcome {
  bool ok = true;
  QString fileName;  // the file that was (or could not be) written
  QString reason;    // why it failed, for the user
};

// Writes `text` as the options file of `folder`. The old file stays whole
// when the new one cannot be written.
SaveOutcome WriteOptionsFile(const std::filesystem::path& folder, std::string_view text);

// The folder of options.xml, the scripts and units.dat when the program
// runs normally.
std::filesystem::path DefaultProgramFolder();

}  // namespace vr
