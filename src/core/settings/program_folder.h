#pragma once

#include <filesystem>
#include <string_view>

namespace vr {

inline constexpr std::string_view kApplicationFolderName = "vadaderivo";

// The running executable's full path; empty when the system does not say.
std::filesystem::path ExecutablePath();

// The folder of `executable`: its path up to, not including, the last
// separator; the current directory when it has none.
std::filesystem::path ExecutableFolder(const std::filesystem::path& executable);

// Where the user's settings and scripts live when the executable's own
// folder is not writable: $XDG_CONFIG_HOME/vadaderivo, or
// ~/.config/vadaderivo when XDG_CONFIG_HOME is unset or not absolute. The
// arguments are the two variables' values (nullptr when unset).
std::filesystem::path UserConfigFolder(const char* xdgConfigHome, const char* home);

// Where an installed program keeps its shipped data (units.dat, sample
// scripts, help): <prefix>/share/vadaderivo for an executable in
// <prefix>/bin.
std::filesystem::path SharedDataFolder(const std::filesystem::path& executable);

// True when the executable has a shared data folder, that is, it was
// installed under a prefix rather than run from the folder it was built in.
bool IsInstalled(const std::filesystem::path& executable);

// The program folder: the executable's folder when it is writable and the
// program is not installed, else the user's configuration folder. An
// installed program never writes beside its binary, even when it could (run
// by root, or installed into a folder of the user's).
std::filesystem::path ProgramFolderPath(const std::filesystem::path& executable);

// ProgramFolderPath, and the configuration folder is created when it does
// not exist yet, with a copy of the shipped sample scripts in it.
std::filesystem::path ProgramFolder(const std::filesystem::path& executable);
std::filesystem::path ProgramFolder();  // of the running executable

// A data file of the program: the one in the program folder when it exists,
// else the shipped one in the shared data folder when that exists, else the
// path in the program folder (which a caller then finds missing).
std::filesystem::path FindDataFile(const std::filesystem::path& programFolder,
                                   const std::filesystem::path& executable,
                                   std::string_view name);

}  // namespace vr
