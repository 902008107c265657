#pragma once

#include <filesystem>

namespace vr {

// Copies the function libraries shipped in `from` ("*.usc" in any letter
// case, the start-up script excepted) into the user's folder `to`, so that
// an installed program starts with the same functions as a fresh build and
// the user can edit or delete them like any script of their own. A file
// already in `to` is kept. Returns how many files were copied; a file that
// cannot be copied is skipped.
int CopySampleScripts(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace vr
