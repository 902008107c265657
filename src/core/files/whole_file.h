#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace vr {

// The most any data file of the program folder (options, scripts, unit
// table) may hold: far above anything written by hand, far below what would
// take the machine's memory. A larger options file is left alone, not read.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{32} << 20;

enum class WholeFileStatus { Read, Missing, Failed };

// Reads a whole regular file of at most maxBytes. The file is opened without
// waiting, so a FIFO, a device or a socket given the name of a data file is
// refused at once instead of blocking or never ending; only then is its kind
// and size looked at. On Failed, `reason` holds a short lower-case phrase
// ("not a regular file", "larger than 32 MB", the system's words) fit to end
// a one-line message. `bytes` is filled only on Read.
WholeFileStatus ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes,
                              std::string& bytes, std::string& reason);

}  // namespace vr
