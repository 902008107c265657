// A damaged options file at start-up: the command line leaves it exactly as
// it is, the folder's writer moves it aside; both say so in one line.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/settings/temp_folder.h"
#include "options/options_record.h"
#include "session/calculator_session.h"
#include "settings/options_file.h"

namespace vr {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(DamagedOptions, LeftInPlaceByReadersMovedAsideByTheWriter) {
  const std::string damaged = "<Options>\r\n<Radian>0</Rad";
  for (bool writer : {false, true}) {
    const OptionsRecord saved = Options();
    TempFolder folder;
    const std::filesystem::path file = OptionsFilePath(folder.Path());
    WriteBytes(file, damaged);
    CalculatorSession session;
    session.SetMoveDamagedOptionsAside(writer);
    std::ostringstream report;
    session.StartUp(folder.Path(), report);
    Options() = saved;

    const std::string text = report.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_NE(text.find(file.string()), std::string::npos) << text;
    ASSERT_NE(session.DamagedOptions(), nullptr);
    const std::filesystem::path moved = session.DamagedOptions()->movedTo;
    if (!writer) {
      EXPECT_TRUE(moved.empty());
      EXPECT_EQ(ReadBytes(file), damaged);
      continue;
    }
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(ReadBytes(moved), damaged);
    EXPECT_NE(text.find(moved.filename().string()), std::string::npos) << text;
  }
  // A missing file is an ordinary first start.
  TempFolder empty;
  CalculatorSession session;
  session.SetMoveDamagedOptionsAside(true);
  std::ostringstream report;
  session.StartUp(empty.Path(), report);
  EXPECT_EQ(session.DamagedOptions(), nullptr);
  EXPECT_EQ(report.str(), "");
}

}  // namespace
}  // namespace vr
