#pragma once

#include <ctime>
#include <filesystem>
#include <string>

namespace vr {

// The name a damaged file is kept under: "<name>.damaged-YYYYMMDD-HHMMSS"
// from `localTime`, with "-2", "-3" ... added while that name is taken.
std::filesystem::path DamagedCopyPath(const std::filesystem::path& file, const std::tm& localTime);

// Moves a file that could not be used out of the way of the next save, so
// that what is left of the user's work can still be recovered by hand. The
// copy is never replaced: a name that exists gets a suffix. Returns the new
// path, or an empty path and a one-line message.
std::filesystem::path SetAsideDamagedFile(const std::filesystem::path& file, std::string* error);

}  // namespace vr
