#include "settings/file_bytes.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <random>
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

// Creates a temporary file no one else has, never through a symbolic link,
// and writes it whole to the disk. Returns its path, empty on failure.
std::filesystem::path WriteTemporary(const std::filesystem::path& file, std::string_view bytes,
                                     std::string* error) {
  std::filesystem::path temporary;
  int fd = -1;
  // A name that is taken (another writer, a leftover, a planted link) is
  // simply passed over.
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryPathFor(file);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    SetError(error, Describe("Cannot create", temporary, errno));
    return {};
  }
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    const int failure = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    SetError(error, Describe("Cannot write", temporary, failure));
    return {};
  }
  if (::close(fd) != 0) {
    const int failure = errno;
    ::unlink(temporary.c_str());
    SetError(error, Describe("Cannot write", temporary, failure));
    return {};
  }
  return temporary;
}

#else

std::filesystem::path WriteTemporary(const std::filesystem::path& file, std::string_view bytes,
                                     std::string* error) {
  const std::filesystem::path temporary = TemporaryPathFor(file);
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (out) out.flush();
  if (!out) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    SetError(error, Describe("Cannot write", temporary, EIO));
    return {};
  }
  return temporary;
}

void SyncFolder(const std::filesystem::path&) {}

#endif

}  // namespace

namespace {

constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr std::size_t kRandomLength = 8;

std::string TemporaryPrefix(const std::filesystem::path& file) {
  return "." + file.filename().string() + ".";
}

}  // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& file) {
  // Seeded once per process from the system's entropy and the clock; the
  // counter keeps names of one process apart even if both were weak.
  static std::mt19937_64 random = [] {
    std::random_device device;
    std::seed_seq seed{device(), device(),
                       static_cast<unsigned>(
                           std::chrono::steady_clock::now().time_since_epoch().count())};
    return std::mt19937_64(seed);
  }();
  static std::atomic<unsigned> counter{0};
  constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::uint64_t bits = random() ^ (static_cast<std::uint64_t>(++counter) << 40);
  std::string name = TemporaryPrefix(file);
  for (std::size_t i = 0; i < kRandomLength; ++i) {
    name += kLetters[bits % kLetters.size()];
    bits /= kLetters.size();
  }
  name += kTemporaryEnd;
  return file.parent_path() / name;
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         std::string* error, AtomicWriteStop stop) {
  const std::filesystem::path temporary = WriteTemporary(file, bytes, error);
  if (temporary.empty()) return false;
  if (stop == AtomicWriteStop::AfterTemporaryFile) {
    SetError(error, "Stopped before \"" + file.string() + "\" was replaced");
    return false;
  }
  // rename() replaces whatever entry has the name, a symbolic link included;
  // it never writes through one.
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

int RemoveLeftoverTemporaries(const std::filesystem::path& file) {
  const std::string prefix = TemporaryPrefix(file);
  const std::size_t length = prefix.size() + kRandomLength + kTemporaryEnd.size();
  int removed = 0;
  std::error_code ec;
  std::filesystem::directory_iterator it(file.parent_path().empty() ? "." : file.parent_path(), ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() != length || !name.starts_with(prefix) || !name.ends_with(kTemporaryEnd)) {
      continue;
    }
    std::error_code ignored;
    // A link with such a name is removed itself; nothing it points to is touched.
    if (!it->is_symlink(ignored) && !it->is_regular_file(ignored)) continue;
    if (std::filesystem::remove(it->path(), ignored)) ++removed;
  }
  return removed;
}

}  // namespace vr
