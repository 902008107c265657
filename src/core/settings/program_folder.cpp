#include "settings/program_folder.h"

#include "settings/sample_scripts.h"

#include <cstdlib>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define VR_HAVE_ACCESS 1
#endif

namespace vr {

namespace {

bool IsWritableFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return false;
#ifdef VR_HAVE_ACCESS
  return ::access(folder.c_str(), W_OK) == 0;
#else
  const auto permissions = std::filesystem::status(folder, ec).permissions();
  return !ec && (permissions & std::filesystem::perms::owner_write) != std::filesystem::perms::none;
#endif
}

bool IsExistingFile(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec);
}

}  // namespace

std::filesystem::path ExecutablePath() {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return self;
}

std::filesystem::path ExecutableFolder(const std::filesystem::path& executable) {
  if (executable.has_parent_path()) return executable.parent_path();
  std::error_code ec;
  std::filesystem::path current = std::filesystem::current_path(ec);
  return ec ? std::filesystem::path(".") : current;
}

std::filesystem::path UserConfigFolder(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    return std::filesystem::path(xdgConfigHome) / kApplicationFolderName;
  }
  std::filesystem::path base;
  if (home != nullptr && home[0] != '\0') {
    base = home;
  } else {
    std::error_code ec;
    base = std::filesystem::current_path(ec);
  }
  return base / ".config" / kApplicationFolderName;
}

std::filesystem::path SharedDataFolder(const std::filesystem::path& executable) {
  return ExecutableFolder(executable).parent_path() / "share" / kApplicationFolderName;
}

bool IsInstalled(const std::filesystem::path& executable) {
  std::error_code ec;
  return std::filesystem::is_directory(SharedDataFolder(executable), ec);
}

std::filesystem::path ProgramFolderPath(const std::filesystem::path& executable) {
  const std::filesystem::path own = ExecutableFolder(executable);
  if (!IsInstalled(executable) && IsWritableFolder(own)) return own;
  return UserConfigFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::filesystem::path ProgramFolder(const std::filesystem::path& executable) {
  const std::filesystem::path folder = ProgramFolderPath(executable);
  std::error_code ec;
  if (folder != ExecutableFolder(executable) && !std::filesystem::exists(folder, ec)) {
    std::filesystem::create_directories(folder, ec);
    // Only a folder made just now gets the samples: a script the user
    // deleted stays deleted.
    if (!ec) CopySampleScripts(SharedDataFolder(executable), folder);
  }
  return folder;
}

std::filesystem::path ProgramFolder() { return ProgramFolder(ExecutablePath()); }

std::filesystem::path FindDataFile(const std::filesystem::path& programFolder,
                                   const std::filesystem::path& executable,
                                   std::string_view name) {
  const std::filesystem::path own = programFolder / name;
  if (IsExistingFile(own)) return own;
  const std::filesystem::path shipped = SharedDataFolder(executable) / name;
  if (IsExistingFile(shipped)) return shipped;
  return own;
}

}  // namespace vr
