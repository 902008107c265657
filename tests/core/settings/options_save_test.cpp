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

TEST(SaveOptions, ACrashBeforeTheRenameLeavesThePreviousFile) {
  TempFolder folder;
  const std::filesystem::path file = OptionsFilePath(folder.Path());
  std::string error;
  ASSERT_TRUE(SaveOptions(file, WithRadian(0), {}, "", &error)) << error;
  EXPECT_EQ(ReadBytes(file), BuildOptionsText(WithRadian(0), {}, ""));

  EXPECT_FALSE(WriteFileAtomically(file, "new", &error, AtomicWriteStop::AfterTemporaryFile));
  EXPECT_NE(error.find(file.string()), std::string::npos) << error;
  EXPECT_EQ(ReadBytes(file), BuildOptionsText(WithRadian(0), {}, ""));
  EXPECT_EQ(ReadBytes(folder / "options.xml.tmp"), "new");

  // The next save goes through the leftover temporary file.
  ASSERT_TRUE(SaveOptions(file, WithRadian(1), {}, "", &error)) << error;
  EXPECT_EQ(ReadBytes(file), BuildOptionsText(WithRadian(1), {}, ""));
  EXPECT_FALSE(std::filesystem::exists(folder / "options.xml.tmp"));
}

TEST(SaveOptions, AFailedSaveReportsAndKeepsTheOldFileWhole) {
  TempFolder folder;
  WriteBytes(folder / "plain-file", "not a folder");
  std::filesystem::create_directories(folder / "taken" / "options.xml");
  std::filesystem::create_directories(folder / "blocked" / "options.xml.tmp");
  WriteBytes(folder / "blocked" / "options.xml", "old contents");

  for (const std::filesystem::path& file : {
           folder / "missing" / "options.xml",     // the folder does not exist
           folder / "plain-file" / "options.xml",  // the folder is a file
           folder / "taken" / "options.xml",       // a folder stands where the file goes
           folder / "blocked" / "options.xml",     // the temporary file cannot be made
       }) {
    std::string error;
    EXPECT_FALSE(SaveOptions(file, WithRadian(0), {}, "", &error)) << file;
    EXPECT_NE(error.find(file.parent_path().string()), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
  EXPECT_EQ(ReadBytes(folder / "blocked" / "options.xml"), "old contents");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken" / "options.xml"));
  EXPECT_FALSE(std::filesystem::exists(folder / "taken" / "options.xml.tmp"));
  // Without a place for the message, a failure is still just false.
  EXPECT_FALSE(SaveOptions(folder / "missing" / "options.xml", WithRadian(0), {}, ""));
}

}  // namespace
}  // namespace vr
