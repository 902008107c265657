#pragma once

#include <filesystem>
#include <string>

namespace vr {

// An advisory lock that makes one process the writer of a program folder.
// It lives in a lock file beside the options file (never removed: removing
// it would let two processes lock two different files). The system drops
// it when the process ends, however it ends.
class FolderLock {
 public:
  enum class Status { Held, InUse, Failed };

  FolderLock() = default;
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Tries once, without waiting. InUse: another process holds it; its
  // process number is then in OwnerProcess() when it could be read.
  // Failed: the lock file cannot be made (a read-only folder); `error` says
  // why.
  Status Acquire(const std::filesystem::path& folder, std::string* error = nullptr);
  void Release();

  bool Held() const { return fd_ >= 0; }
  long OwnerProcess() const { return owner_; }

  static std::filesystem::path LockFilePath(const std::filesystem::path& folder);

 private:
  int fd_ = -1;
  long owner_ = 0;
};

}  // namespace vr
