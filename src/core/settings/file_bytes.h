#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vr {

// Where WriteFileAtomically may be told to stop, to show what a crash at
// that moment leaves behind.
enum class AtomicWriteStop { Never, AfterTemporaryFile };

// The temporary file beside `file` that a write goes through: its name with
// ".tmp" added.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& file);

// Writes `bytes` to the temporary file, flushes it to the disk, then renames
// it over `file`. Whatever fails, `file` is either the old file, whole, or
// the new one, whole. On failure returns false with a one-line message.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         std::string* error, AtomicWriteStop stop = AtomicWriteStop::Never);

}  // namespace vr
