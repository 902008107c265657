#include "program_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace vr::cli {

std::filesystem::path DefaultProgramFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && exe.has_parent_path()) {
    const std::filesystem::path folder = exe.parent_path();
    if (::access(folder.c_str(), W_OK) == 0) return folder;
  }
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
    return std::filesystem::path(xdg) / "vadaderivo";
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    return std::filesystem::path(home) / ".config" / "vadaderivo";
  }
  return std::filesystem::current_path(ec);
}

}  // namespace vr::cli
