#include "settings/program_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "core/settings/temp_folder.h"

namespace vr {
namespace {

using testing::TempFolder;

// Sets an environment variable for the life of the guard.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (saved_) {
      setenv(name_.c_str(), saved_->c_str(), 1);
    } else {
      unsetenv(name_.c_str());
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> saved_;
};
using testing::WriteBytes;

TEST(ProgramFolder, UserConfigFolderFollowsTheXdgRules) {
  struct Row {
    const char* xdg;
    const char* home;
    const char* folder;
  };
  const Row rows[] = {
      {"/cfg", "/home/u", "/cfg/vadaderivo"},
      {nullptr, "/home/u", "/home/u/.config/vadaderivo"},
      {"", "/home/u", "/home/u/.config/vadaderivo"},
      {"relative/cfg", "/home/u", "/home/u/.config/vadaderivo"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(UserConfigFolder(r.xdg, r.home), std::filesystem::path(r.folder))
        << (r.xdg ? r.xdg : "(unset)");
  }
}

TEST(ProgramFolder, ExecutableFolderIsThePathUpToTheLastSeparator) {
  EXPECT_EQ(ExecutableFolder("/opt/vr/bin/vadaderivo"), std::filesystem::path("/opt/vr/bin"));
  EXPECT_EQ(ExecutableFolder("vadaderivo"), std::filesystem::current_path());
  EXPECT_EQ(SharedDataFolder("/usr/bin/vadaderivo"),
            std::filesystem::path("/usr/share/vadaderivo"));
  EXPECT_EQ(ExecutablePath().filename(), "test_settings");
}

TEST(ProgramFolder, FallsBackToTheConfigFolderWhenTheOwnFolderIsNotWritable) {
  TempFolder folder;
  std::filesystem::create_directories(folder / "bin");
  EXPECT_EQ(ProgramFolder(folder / "bin" / "vadaderivo"), folder / "bin");

  // A folder that does not exist cannot be written, whoever runs the test.
  const ScopedEnv xdg("XDG_CONFIG_HOME", (folder / "config").c_str());
  const std::filesystem::path fallback = ProgramFolder(folder / "gone" / "vadaderivo");
  EXPECT_EQ(fallback, folder / "config" / "vadaderivo");
  EXPECT_TRUE(std::filesystem::is_directory(fallback));
}

TEST(ProgramFolder, DataFilesFallBackToTheSharedFolder) {
  TempFolder prefix;
  const std::filesystem::path exe = prefix / "bin" / "vadaderivo";
  const std::filesystem::path own = prefix / "own";
  const std::filesystem::path share = prefix / "share" / "vadaderivo";
  std::filesystem::create_directories(own);
  std::filesystem::create_directories(share);
  WriteBytes(share / "units.dat", "shipped");
  WriteBytes(share / "both.usc", "shipped");
  WriteBytes(own / "both.usc", "own");

  EXPECT_EQ(FindDataFile(own, exe, "units.dat"), share / "units.dat");
  EXPECT_EQ(FindDataFile(own, exe, "both.usc"), own / "both.usc");
  EXPECT_EQ(FindDataFile(own, exe, "startup.usc"), own / "startup.usc");
}

}  // namespace
}  // namespace vr
