#pragma once

#include <QString>
#include <filesystem>

namespace vr {

// File name of the help page in the UI language.
QString HelpPageName(bool english);

// Opens the help page of the UI language with the desktop's browser: the
// one in the program folder, else the installed one. A missing page or
// browser is not reported.
void OpenHelp(const std::filesystem::path& programFolder, bool english);

}  // namespace vr
