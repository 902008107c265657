// What keeps the options file safe around the plain save: damaged files
// moved aside, one writer per folder, no symbolic link followed.

#include <gtest/gtest.h>

#include <ctime>
#include <set>
#include <string>

#include <unistd.h>

#include "core/settings/temp_folder.h"
#include "settings/damaged_file.h"
#include "settings/file_bytes.h"
#include "settings/folder_lock.h"
#include "settings/options_file.h"

namespace vr {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(DamagedFile, IsMovedAsideUnderAStampThatNeverReplacesAnother) {
  TempFolder folder;
  const std::filesystem::path file = folder / "options.xml";
  std::tm t{};
  t.tm_year = 2024 - 1900;
  t.tm_mon = 2;
  t.tm_mday = 5;
  t.tm_hour = 7;
  t.tm_min = 8;
  t.tm_sec = 9;
  EXPECT_EQ(DamagedCopyPath(file, t).filename(), "options.xml.damaged-20240305-070809");
  WriteBytes(folder / "options.xml.damaged-20240305-070809", "older");
  WriteBytes(folder / "options.xml.damaged-20240305-070809-2", "older still");
  EXPECT_EQ(DamagedCopyPath(file, t).filename(), "options.xml.damaged-20240305-070809-3");

  // Three damaged files in the same second each keep their own copy.
  std::set<std::filesystem::path> copies;
  for (const char* bytes : {"first", "second", "third"}) {
    WriteBytes(file, bytes);
    std::string error;
    const std::filesystem::path moved = SetAsideDamagedFile(file, &error);
    ASSERT_FALSE(moved.empty()) << error;
    EXPECT_EQ(moved.parent_path(), folder.Path());
    EXPECT_TRUE(moved.filename().string().starts_with("options.xml.damaged-")) << moved;
    EXPECT_EQ(ReadBytes(moved), bytes);
    EXPECT_FALSE(std::filesystem::exists(file));
    copies.insert(moved);
  }
  EXPECT_EQ(copies.size(), 3u);
  std::string error;
  EXPECT_TRUE(SetAsideDamagedFile(folder / "missing" / "options.xml", &error).empty());
  EXPECT_NE(error.find("missing"), std::string::npos) << error;
}

TEST(FolderLock, OneHolderAtATime) {
  TempFolder folder;
  FolderLock first;
  FolderLock second;
  ASSERT_EQ(first.Acquire(folder.Path()), FolderLock::Status::Held);
  // Refused within one process too: each window opens the lock file itself.
  EXPECT_EQ(second.Acquire(folder.Path()), FolderLock::Status::InUse);
  EXPECT_EQ(second.OwnerProcess(), static_cast<long>(::getpid()));
  EXPECT_FALSE(second.Held());
  first.Release();
  EXPECT_EQ(second.Acquire(folder.Path()), FolderLock::Status::Held);
  std::string error;
  EXPECT_EQ(first.Acquire(folder / "missing", &error), FolderLock::Status::Failed);
  EXPECT_FALSE(error.empty());
}

TEST(AtomicWrite, SymbolicLinksAreReplacedNeverFollowed) {
  TempFolder folder;
  WriteBytes(folder / "elsewhere", "not ours");
  const std::filesystem::path file = folder / "options.xml";
  std::filesystem::create_symlink(folder / "elsewhere", file);
  // Links planted at names a temporary might take are left alone as well.
  std::filesystem::create_symlink(folder / "elsewhere", folder / ".options.xml.aaaaaaaa.tmp");
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(WriteFileAtomically(file, "ours", nullptr));
  EXPECT_FALSE(std::filesystem::is_symlink(file));
  EXPECT_EQ(ReadBytes(file), "ours");
  EXPECT_EQ(ReadBytes(folder / "elsewhere"), "not ours");
  // Clearing leftovers removes the planted link itself, not what it names,
  // and nothing that only looks similar.
  WriteBytes(folder / ".options.xml.bbbbbbbb.tmp", "leftover");
  WriteBytes(folder / ".options.xml.short.tmp", "someone else's");
  WriteBytes(folder / "options.xml.cccccccc.tmp", "someone else's");
  EXPECT_EQ(RemoveLeftoverTemporaries(file), 2);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder / ".options.xml.aaaaaaaa.tmp")));
  EXPECT_TRUE(std::filesystem::exists(folder / ".options.xml.short.tmp"));
  EXPECT_TRUE(std::filesystem::exists(folder / "options.xml.cccccccc.tmp"));
  EXPECT_EQ(ReadBytes(folder / "elsewhere"), "not ours");
  EXPECT_EQ(ReadBytes(file), "ours");
}

}  // namespace
}  // namespace vr
