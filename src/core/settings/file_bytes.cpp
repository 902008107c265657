#include "settings/file_bytes.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define VR_HAVE_POSIX_FILES 1
#endif

namespace vr {

namespace {

std::string Describe(std::string_view what, const std::filesystem::path& file,
                     const std::error_code& ec) {
  std::string message(what);
  message += " \"";
  message += file.string();
  message += "\": ";
  message += ec.message();
  return message;
}

std::string Describe(std::string_view what, const std::filesystem::path& file, int errorNumber) {
  return Describe(what, file, std::error_code(errorNumber, std::generic_category()));
}

void SetError(std::string* error, std::string message) {
  if (error != nullptr) *error = std::move(message);
}

#ifdef VR_HAVE_POSIX_FILES

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself durable; a failure here loses nothing that is
// not already on the disk, so it is not reported.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool WriteTemporary(const std::filesystem::path& temporary, std::string_view bytes,
                    std::string* error) {
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    SetError(error, Describe("Cannot create", temporary, errno));
    return false;
  }
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    const int failure = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    SetError(error, Describe("Cannot write", temporary, failure));
    return false;
  }
  if (::close(fd) != 0) {
    const int failure = errno;
    ::unlink(temporary.c_str());
    SetError(error, Describe("Cannot write", temporary, failure));
    return false;
  }
  return true;
}

#else

bool WriteTemporary(const std::filesystem::path& temporary, std::string_view bytes,
                    std::string* error) {
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (out) out.flush();
  if (!out) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    SetError(error, Describe("Cannot write", temporary, EIO));
    return false;
  }
  return true;
}

void SyncFolder(const std::filesystem::path&) {}

#endif

}  // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& file) {
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  return temporary;
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         std::string* error, AtomicWriteStop stop) {
  const std::filesystem::path temporary = TemporaryPathFor(file);
  if (!WriteTemporary(temporary, bytes, error)) return false;
  if (stop == AtomicWriteStop::AfterTemporaryFile) {
    SetError(error, "Stopped before \"" + file.string() + "\" was replaced");
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(temporary, file, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    SetError(error, Describe("Cannot replace", file, ec));
    return false;
  }
  SyncFolder(file.parent_path());
  return true;
}

}  // namespace vr
