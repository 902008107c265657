#include "settings/folder_lock.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vr {

namespace {

long ReadOwner(int fd) {
  char text[32] = {};
  const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
  if (n <= 0) return 0;
  return std::strtol(text, nullptr, 10);
}

void WriteOwner(int fd) {
  const std::string text = std::to_string(static_cast<long>(::getpid())) + "\n";
  if (::ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t n = ::pwrite(fd, text.data(), text.size(), 0);
  }
}

}  // namespace

FolderLock::~FolderLock() { Release(); }

std::filesystem::path FolderLock::LockFilePath(const std::filesystem::path& folder) {
  return folder / ".options.xml.lock";
}

FolderLock::Status FolderLock::Acquire(const std::filesystem::path& folder, std::string* error) {
  Release();
  owner_ = 0;
  const std::filesystem::path path = LockFilePath(folder);
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (error != nullptr) {
      *error = "Cannot open \"" + path.string() +
               "\": " + std::error_code(errno, std::generic_category()).message();
    }
    return Status::Failed;
  }
  // flock locks belong to the open file, so a second window of this very
  // process is refused as well, just like one of another process.
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    const int failure = errno;
    if (failure == EWOULDBLOCK) {
      owner_ = ReadOwner(fd);
      ::close(fd);
      return Status::InUse;
    }
    ::close(fd);
    if (error != nullptr) {
      *error = "Cannot lock \"" + path.string() +
               "\": " + std::error_code(failure, std::generic_category()).message();
    }
    return Status::Failed;
  }
  fd_ = fd;
  WriteOwner(fd_);
  return Status::Held;
}

void FolderLock::Release() {
  if (fd_ < 0) return;
  ::close(fd_);  // closing drops the lock
  fd_ = -1;
}

}  // namespace vr
