#include "settings/option_by_name.h"

#include <gtest/gtest.h>

#include "core/settings/options_fields.h"

namespace vr {
namespace {

using testing::FieldMismatches;

TEST(SetOptionByElementName, ValuesAreReadAsTheFileHoldsThem) {
  struct Row {
    const char* key;
    const char* value;
    const char* expected;
  };
  const Row rows[] = {
      {"Radian", "0", "radian=0"},
      {"radian", "1", "radian=1"},
      {"RADIAN", "true", "radian=0"},
      {"SaveWindowsPositions", "0", "saveWindowsPositions=0"},
      {"Precision", "20", "precision=15"},
      {"Precision", "4", "precision=4"},
      {"DateFormat", "1", "dateFormat=1"},
      {"FontSize", "3", "fontSize=3"},
      {"BackColor", "-1", "backColor=4294967295"},
      {"TextHighlight", "255", "textHighlight=255"},
      {"NumberBase", "2", "numberBase=2"},
      {"NumberBase", "", "numberBase=0"},
      {"HotKey", "65 6", "hotKeyKey=65 hotKeyModifiers=6"},
      {"HotKey", "112", "hotKeyKey=112 hotKeyModifiers=0"},
      {"minToTray", "3", "minToTray=1"},
      {"autoStart", "1", "autoStart=1 startMinimized=0"},
      {"minized", "1", "startMinimized=1"},
      {"closeMinimize", "1", "closeMinimize=1"},
      {"autoClip", "0", "autoClip=0"},
      {"Geometry", "1 2 3 4", "main.top=1 main.left=2 main.width=3 main.height=4"},
      {"Geometry2D", " 10  20 ", "g2.top=10 g2.left=20 g2.height=-1 g2.width=-1"},
      {"GeometryFuncs", "1 2 3 4", "funcs.top=1 funcs.left=2 funcs.height=3 funcs.width=4"},
      {"GeometryVars", "7 8 9", "vars.top=7 vars.left=8"},
  };
  for (const Row& r : rows) {
    OptionsRecord o;
    EXPECT_TRUE(SetOptionByElementName(o, r.key, r.value)) << r.key;
    EXPECT_EQ(FieldMismatches(o, r.expected), "") << r.key << "=" << r.value;
  }
}

TEST(SetOptionByElementName, NumberPatternFollowsFormatAndPrecision) {
  OptionsRecord o;
  ASSERT_TRUE(SetOptionByElementName(o, "Precision", "10"));
  EXPECT_EQ(o.numberFormat, "%.10g");
  ASSERT_TRUE(SetOptionByElementName(o, "Format", "0"));
  EXPECT_EQ(o.numberFormat, "%e");
  ASSERT_TRUE(SetOptionByElementName(o, "Format", "1"));
  EXPECT_EQ(o.numberFormat, "%.10g");
}

TEST(SetOptionByElementName, NamesThatAreNoSettingAreRefused) {
  for (const char* key : {"", "Options", "Expressions", "Vars", "Item", "Radians", "numberFormat",
                          "unitMode", "Top"}) {
    OptionsRecord o;
    EXPECT_FALSE(SetOptionByElementName(o, key, "1")) << key;
    EXPECT_EQ(testing::SavedFields(o), testing::SavedFields(OptionsRecord{})) << key;
  }
}

}  // namespace
}  // namespace vr
