#pragma once

#include <filesystem>

namespace vr {

// Starts a new instance of the running program, in `workingFolder`, without
// arguments; used when the UI language changes to one that needs a fresh
// start. False when it could not be started.
bool StartNewInstance(const std::filesystem::path& workingFolder);

}  // namespace vr
