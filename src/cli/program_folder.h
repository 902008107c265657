#pragma once

#include <filesystem>

namespace vr::cli {

// The folder of the running executable when it is writable, else
// $XDG_CONFIG_HOME/vadaderivo (~/.config/vadaderivo without the variable).
std::filesystem::path DefaultProgramFolder();

}  // namespace vr::cli
