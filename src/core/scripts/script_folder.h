#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

namespace vr {

class ExpressionEngine;

// The file name of the start-up script, matched in any letter case.
inline constexpr std::string_view kStartupScriptName = "startup.usc";

// Loads every "*.usc" file of folder (extension in any letter case) into the
// live statement list without clearing it, in the byte order of the file
// names so that the first of two same-named functions is always the same
// one. The start-up script is not loaded; its path is returned instead, or
// an empty path when the folder has none. A missing folder loads nothing.
// Files that cannot be read are reported on report and skipped.
std::filesystem::path LoadScriptLibraries(const std::filesystem::path& folder,
                                          std::ostream& report);

// Evaluates every line of a start-up script text with engine: a "##"
// comment is cut off, the line is trimmed, and a non-empty line is
// evaluated. Keywords mean nothing here. Results and errors are discarded
// and Write statements print nothing, as nothing is on screen yet.
void EvaluateStartupText(ExpressionEngine& engine, std::string_view text);

// Reads the start-up script at path and evaluates it as above. An empty
// path does nothing; a file that cannot be read is reported and skipped.
// True when the file was read.
bool RunStartupScript(ExpressionEngine& engine, const std::filesystem::path& path,
                      std::ostream& report);

}  // namespace vr
