#include "files/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <system_error>

namespace vr {

namespace {

std::string SystemReason(int errorNumber) {
  return std::generic_category().message(errorNumber);
}

std::string SizeReason(std::size_t maxBytes) {
  constexpr std::size_t kMegabyte = std::size_t{1} << 20;
  if (maxBytes >= kMegabyte && maxBytes % kMegabyte == 0) {
    return "larger than " + std::to_string(maxBytes / kMegabyte) + " MB";
  }
  return "larger than " + std::to_string(maxBytes) + " bytes";
}

// Closes the descriptor whatever way the reading ends.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

WholeFileStatus ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes,
                              std::string& bytes, std::string& reason) {
  bytes.clear();
  reason.clear();
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) {
    const int failure = errno;
    if (failure == ENOENT || failure == ENOTDIR) return WholeFileStatus::Missing;
    reason = SystemReason(failure);
    return WholeFileStatus::Failed;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) {
    reason = SystemReason(errno);
    return WholeFileStatus::Failed;
  }
  if (S_ISDIR(info.st_mode)) {
    reason = "a folder, not a file";
    return WholeFileStatus::Failed;
  }
  if (!S_ISREG(info.st_mode)) {
    reason = "not a regular file";
    return WholeFileStatus::Failed;
  }
  if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    reason = SizeReason(maxBytes);
    return WholeFileStatus::Failed;
  }

  // The size is a hint only: the file may grow or shrink while it is read,
  // so reading goes on to the end of the file, but never past the cap.
  std::string content;
  content.resize(static_cast<std::size_t>(info.st_size));
  std::size_t filled = 0;
  for (;;) {
    if (filled == content.size()) {
      if (content.size() > maxBytes) {
        reason = SizeReason(maxBytes);
        return WholeFileStatus::Failed;
      }
      content.resize(std::min(maxBytes + 1, content.size() + 65536));
    }
    const ssize_t got = ::read(fd.get(), content.data() + filled, content.size() - filled);
    if (got < 0) {
      if (errno == EINTR) continue;
      reason = SystemReason(errno);
      return WholeFileStatus::Failed;
    }
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  if (filled > maxBytes) {
    reason = SizeReason(maxBytes);
    return WholeFileStatus::Failed;
  }
  content.resize(filled);
  bytes = std::move(content);
  return WholeFileStatus::Read;
}

}  // namespace vr
