#include "settings/program_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "core/settings/temp_folder.h"

namespace vr {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(ProgramFolder, UserConfigFolderFollowsTheXdgRules) {
  const std::filesystem::path here = std::filesystem::current_path();
  const std::tuple<const char*, const char*, std::filesystem::path> rows[] = {
      {"/cfg", "/home/u", "/cfg/vadaderivo"},
      {nullptr, "/home/u", "/home/u/.config/vadaderivo"},
      {"", "/home/u", "/home/u/.config/vadaderivo"},
      {"relative/cfg", "/home/u", "/home/u/.config/vadaderivo"},
      {nullptr, "", here / ".config/vadaderivo"},
      {nullptr, nullptr, here / ".config/vadaderivo"},
  };
  for (const auto& [xdg, home, folder] : rows) {
    EXPECT_EQ(UserConfigFolder(xdg, home), folder) << (xdg ? xdg : "(unset)");
  }
}

TEST(ProgramFolder, ExecutableFolderIsThePathUpToTheLastSeparator) {
  EXPECT_EQ(ExecutableFolder("/opt/vr/bin/vadaderivo"), std::filesystem::path("/opt/vr/bin"));
  EXPECT_EQ(ExecutableFolder("vadaderivo"), std::filesystem::current_path());
  EXPECT_EQ(SharedDataFolder("/usr/bin/vadaderivo"),
            std::filesystem::path("/usr/share/vadaderivo"));
  EXPECT_EQ(ExecutablePath().filename(), "test_settings");
  EXPECT_EQ(ProgramFolder(), ExecutablePath().parent_path());  // the build folder is writable
}

TEST(ProgramFolder, FallsBackToTheConfigFolderWhenTheOwnFolderIsNotWritable) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "bin");
  EXPECT_EQ(ProgramFolder(folder / "bin" / "vadaderivo"), folder / "bin");

  // A folder that does not exist cannot be written, whoever runs the test.
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old ? old : "";
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  const std::filesystem::path fallback = ProgramFolder(folder / "gone" / "vadaderivo");
  old ? setenv("XDG_CONFIG_HOME", saved.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(fallback, folder / "config" / "vadaderivo");
  EXPECT_TRUE(std::filesystem::is_directory(fallback));
}

TEST(ProgramFolder, DataFilesFallBackToTheSharedFolder) {
  TempFolder prefix;
  const std::filesystem::path exe = prefix / "bin" / "vadaderivo";
  const std::filesystem::path own = prefix / "own";
  const std::filesystem::path share = prefix / "share" / "vadaderivo";
  std::filesystem::create_directories(own);
  std::filesystem::create_directories(share / "folder.usc");
  WriteBytes(share / "units.dat", "shipped");
  WriteBytes(share / "both.usc", "shipped");
  WriteBytes(own / "both.usc", "own");

  EXPECT_EQ(FindDataFile(own, exe, "units.dat"), share / "units.dat");
  EXPECT_EQ(FindDataFile(own, exe, "both.usc"), own / "both.usc");
  EXPECT_EQ(FindDataFile(own, exe, "startup.usc"), own / "startup.usc");
  EXPECT_EQ(FindDataFile(own, exe, "folder.usc"), own / "folder.usc");
}

TEST(ProgramFolder, AnInstalledProgramKeepsTheUsersFilesInTheConfigFolder) {
  TempFolder prefix;
  const std::filesystem::path exe = prefix / "bin" / "vadaderivo";
  const std::filesystem::path share = prefix / "share" / "vadaderivo";
  std::filesystem::create_directories(prefix / "bin");
  std::filesystem::create_directories(share / "nested.usc");
  WriteBytes(share / "finance.usc", "shipped");
  WriteBytes(share / "STARTUP.USC", "not a library");
  WriteBytes(share / "units.dat", "table");

  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old ? old : "";
  setenv("XDG_CONFIG_HOME", (prefix / "config").c_str(), 1);
  const std::filesystem::path config = prefix / "config" / "vadaderivo";

  // The bin folder is writable, but an installed program stays out of it.
  EXPECT_EQ(ProgramFolderPath(exe), config);
  EXPECT_FALSE(std::filesystem::exists(config));  // the path alone creates nothing
  EXPECT_EQ(ProgramFolder(exe), config);
  EXPECT_EQ(testing::ReadBytes(config / "finance.usc"), "shipped");
  EXPECT_FALSE(std::filesystem::exists(config / "STARTUP.USC"));
  EXPECT_FALSE(std::filesystem::exists(config / "nested.usc"));
  EXPECT_FALSE(std::filesystem::exists(config / "units.dat"));  // found in place instead

  // A sample the user deleted does not come back at the next start.
  std::filesystem::remove(config / "finance.usc");
  EXPECT_EQ(ProgramFolder(exe), config);
  EXPECT_FALSE(std::filesystem::exists(config / "finance.usc"));
  old ? setenv("XDG_CONFIG_HOME", saved.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace vr
