#include "files/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/settings/temp_folder.h"
#include "files/text_file.h"

namespace vr {
namespace {

using testing::TempFolder;
using testing::WriteBytes;
using namespace std::string_literals;

// Anything but a small regular file is refused at once and in words: a FIFO
// or a device must neither block the start-up nor fill the memory.
TEST(ReadWholeFile, OnlySmallRegularFiles) {
  TempFolder folder;
  constexpr std::size_t kCap = 8;
  WriteBytes(folder / "small", "abc");
  WriteBytes(folder / "at-cap", "12345678");
  WriteBytes(folder / "over-cap", "123456789");
  ASSERT_EQ(::mkfifo((folder / "fifo.usc").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", folder / "zero.usc");
  std::filesystem::create_symlink(folder / "nowhere", folder / "dangling");
  WriteBytes(folder / "locked", "secret");
  std::filesystem::permissions(folder / "locked", std::filesystem::perms::none);
  // Permissions do not stop the superuser.
  const bool lockedIsReadable = ::geteuid() == 0;

  struct Row {
    const char* name;
    WholeFileStatus status;
    std::string bytesOrReason;
  };
  const Row rows[] = {
      {"small", WholeFileStatus::Read, "abc"},
      {"at-cap", WholeFileStatus::Read, "12345678"},
      {"over-cap", WholeFileStatus::Failed, "larger than 8 bytes"},
      {"missing", WholeFileStatus::Missing, ""},
      {"dangling", WholeFileStatus::Missing, ""},
      {"fifo.usc", WholeFileStatus::Failed, "not a regular file"},
      {"zero.usc", WholeFileStatus::Failed, "not a regular file"},
      {".", WholeFileStatus::Failed, "a folder, not a file"},
      // Opens and looks regular, but the reading itself fails.
      {"/proc/self/mem", WholeFileStatus::Failed, "Input/output error"},
      {"locked", lockedIsReadable ? WholeFileStatus::Read : WholeFileStatus::Failed,
       lockedIsReadable ? "secret" : "Permission denied"},
  };
  for (const Row& row : rows) {
    std::string bytes = "old";
    std::string reason;
    EXPECT_EQ(ReadWholeFile(folder / row.name, kCap, bytes, reason), row.status) << row.name;
    if (row.status == WholeFileStatus::Read) {
      EXPECT_EQ(bytes, row.bytesOrReason) << row.name;
    } else {
      EXPECT_EQ(bytes, "") << row.name;
      EXPECT_EQ(reason, row.bytesOrReason) << row.name;
    }
  }
  std::filesystem::permissions(folder / "locked", std::filesystem::perms::owner_all);
}

TEST(ReadTextFile, BinaryFilesAndTheDataFileCap) {
  TempFolder folder;
  WriteBytes(folder / "binary", "a\0b"s);
  WriteBytes(folder / "huge", "");
  std::filesystem::resize_file(folder / "huge", kMaxDataFileBytes + 1);

  std::string text = "old";
  std::string reason;
  EXPECT_EQ(ReadTextFile(folder / "binary", text, &reason), TextFileStatus::NotText);
  EXPECT_EQ(reason, "not a text file");
  EXPECT_EQ(ReadTextFile(folder / "huge", text, &reason), TextFileStatus::Unreadable);
  EXPECT_EQ(reason, "larger than 32 MB");
  EXPECT_EQ(text, "old");
}

TEST(DecodeFileText, ByteOrderMarksAndCodePages) {
  struct Case {
    std::string bytes, text;
  };
  const Case cases[] = {
      {"x = 1\r\n\xD0\x96", "x = 1\r\n\xD0\x96"},
      {"\xEF\xBB\xBF" "a\xD0\x96", "a\xD0\x96"},
      {"\xEF\xBB\xBF" "a\xFF", "a\xEF\xBF\xBD"},
      {"\xFF\xFE" "A\0\x16\x04"s, "A\xD0\x96"},
      {"\xFE\xFF" "\0A\x04\x16"s, "A\xD0\x96"},
      {"\xFF\xFE" "\x3D\xD8\x00\xDE"s, "😀"},
      {"\xFF\xFE" "\x3D\xD8" "A\0"s, "\xEF\xBF\xBD" "A"},
      {"\xFF\xFE" "A\0B"s, "A\xEF\xBF\xBD"},
      {"\xFF\xFE" "\x00\xD8\x00\xDC\xFF\xDB\xFF\xDF\xFF\xD7\x00\xE0\x00\xDC"s,
       "\U00010000\U0010FFFF\uD7FF\uE000\xEF\xBF\xBD"},  // the edges of the surrogates
      {"\xCF\xF0\xE8\xE2\xE5\xF2", "Привет"},
      // Windows-1251: both ends of the table and of the run of letters.
      {"\x80\xBF\xC0\xDF\xE0\xFF", "ЂїАЯая"},
      {"a\x80", "aЂ"},  // 0x80 on its own is no UTF-8
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeFileText(c.bytes), c.text) << c.bytes;
}

}  // namespace
}  // namespace vr
