#include "settings/damaged_file.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define VR_HAVE_POSIX_FILES 1
#endif

namespace vr {

namespace {

bool Exists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

std::filesystem::path Candidate(const std::filesystem::path& file, const std::tm& t, int number) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, ".damaged-%04d%02d%02d-%02d%02d%02d", t.tm_year + 1900,
                t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
  std::filesystem::path path = file;
  path += stamp;
  if (number > 1) path += "-" + std::to_string(number);
  return path;
}

// Renames without ever replacing what is at `to`. False with errno set when
// it did not happen; EEXIST when the name is taken.
bool RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef VR_HAVE_POSIX_FILES
  // A hard link cannot replace anything; where the file system has none,
  // the check just before the rename is the best there is.
  if (::link(from.c_str(), to.c_str()) == 0) {
    ::unlink(from.c_str());
    return true;
  }
  if (errno == EEXIST) return false;
#endif
  if (Exists(to)) {
    errno = EEXIST;
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  if (ec) errno = ec.value();
  return !ec;
}

}  // namespace

std::filesystem::path DamagedCopyPath(const std::filesystem::path& file, const std::tm& localTime) {
  for (int number = 1;; ++number) {
    std::filesystem::path path = Candidate(file, localTime, number);
    if (!Exists(path)) return path;
  }
}

std::filesystem::path SetAsideDamagedFile(const std::filesystem::path& file, std::string* error) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  int failure = 0;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const std::filesystem::path target = DamagedCopyPath(file, local);
    if (RenameWithoutReplacing(file, target)) return target;
    failure = errno;
    if (failure != EEXIST) break;
  }
  if (error != nullptr) {
    *error = "Cannot move \"" + file.string() + "\" aside: " +
             std::error_code(failure, std::generic_category()).message();
  }
  return {};
}

}  // namespace vr
