#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vr {

// Where WriteFileAtomically may be told to stop, to show what a crash at
// that moment leaves behind.
enum class AtomicWriteStop { Never, AfterTemporaryFile };

// A fresh name for the temporary file a write of `file` goes through: hidden,
// in the same folder, ".<name>.<random>.tmp", so that two writers never share
// one and a crash leaves nothing in plain sight.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& file);

// Writes `bytes` to a new temporary file (created exclusively, never through
// a symbolic link), flushes it to the disk, renames it over `file` and
// flushes the folder. Whatever fails, `file` is either the old file, whole,
// or the new one, whole; a symbolic link at `file` is replaced, not
// followed. On failure returns false with a one-line message.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         std::string* error, AtomicWriteStop stop = AtomicWriteStop::Never);

// Removes the temporaries that interrupted writes of `file` left behind.
// Only for the one writer of the folder: another one's save in progress
// would lose its file. Returns how many were removed.
int RemoveLeftoverTemporaries(const std::filesystem::path& file);

}  // namespace vr
