#include <gtest/gtest.h>

#include <string>

#include "core/settings/temp_folder.h"
#include "settings/file_bytes.h"
#include "settings/options_file.h"

namespace vr {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

OptionsRecord WithRadian(int radian) {
  OptionsRecord o;
  o.radian = radian;
  return o;
}

int LoadedRadian(const std::filesystem::path& file) {
  OptionsRecord o;
  VariableTable v;
  const OptionsLoadResult r = LoadOptions(file, o, v);
  EXPECT_EQ(r.status, OptionsFileStatus::Loaded) << r.message;
  return o.radian;
}

TEST(SaveOptions, ACrashBeforeTheRenameLeavesThePreviousFile) {
  TempFolder folder;
  const std::filesystem::path file = OptionsFilePath(folder.Path());
  std::string error;
  ASSERT_TRUE(SaveOptions(file, WithRadian(0), {}, "", &error)) << error;
  const std::string before = ReadBytes(file);

  EXPECT_FALSE(WriteFileAtomically(file, BuildOptionsText(WithRadian(1), {}, ""), &error,
                                   AtomicWriteStop::AfterTemporaryFile));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_EQ(LoadedRadian(file), 0);
  EXPECT_TRUE(std::filesystem::exists(folder / "options.xml.tmp"));

  // The next save goes through the leftover temporary file.
  ASSERT_TRUE(SaveOptions(file, WithRadian(1), {}, "", &error)) << error;
  EXPECT_EQ(LoadedRadian(file), 1);
  EXPECT_FALSE(std::filesystem::exists(folder / "options.xml.tmp"));
}

TEST(SaveOptions, AFailedSaveReportsAndKeepsTheOldFileWhole) {
  TempFolder folder;
  WriteBytes(folder / "plain-file", "not a folder");
  std::filesystem::create_directories(folder / "taken" / "options.xml");
  std::filesystem::create_directories(folder / "blocked" / "options.xml.tmp");
  const std::filesystem::path blocked = folder / "blocked" / "options.xml";
  WriteBytes(blocked, "old contents");

  struct Row {
    std::filesystem::path file;
    const char* why;
  };
  const Row rows[] = {
      {folder / "missing" / "options.xml", "the folder does not exist"},
      {folder / "plain-file" / "options.xml", "the folder is a file"},
      {folder / "taken" / "options.xml", "a folder stands where the file goes"},
      {blocked, "the temporary file cannot be made"},
  };
  for (const Row& r : rows) {
    std::string error;
    EXPECT_FALSE(SaveOptions(r.file, WithRadian(0), {}, "", &error)) << r.why;
    EXPECT_NE(error.find(r.file.parent_path().string()), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
  EXPECT_EQ(ReadBytes(blocked), "old contents");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken" / "options.xml"));
  EXPECT_FALSE(std::filesystem::exists(folder / "taken" / "options.xml.tmp"));
  // Without a place for the message, a failure is still just false.
  EXPECT_FALSE(SaveOptions(folder / "missing" / "options.xml", WithRadian(0), {}, ""));
}

}  // namespace
}  // namespace vr
