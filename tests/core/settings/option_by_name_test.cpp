#include "settings/option_by_name.h"

#include <gtest/gtest.h>

#include "settings/options_file.h"

namespace vr {
namespace {

// A setting given on the command line as "Name=value" is read by the rule of
// its element in the options file (those rules are tested with the file);
// here is what differs: any case, the attribute "minized", and a geometry
// given as blank-separated numbers.
TEST(SetOptionByElementName, SetsWhatTheFileWouldHold) {
  struct Row {
    const char* key;
    const char* value;
    const char* written;            // a part of the file saved afterwards
    const char* pattern = "%.15g";  // how numbers are shown afterwards
  };
  const Row rows[] = {
      {"RADIAN", "0", "<Radian>0<"},
      {"precision", "20", "<Precision>15<"},
      {"Precision", "4", "<Precision>4<", "%.4g"},
      {"Precision", "0", "<Precision>0<", "%.0g"},
      {"format", "0", "<Format>0<", "%e"},
      {"hotkey", "112", "<HotKey>112 0<"},
      {"Minized", "1", "<autoStart minized=\"1\">0<"},
      {"minized", "", "<autoStart minized=\"0\">0<"},
      {"autoStart", "1", "<autoStart minized=\"0\">1<"},
      {"Geometry", "1 2 3 4", "<Geometry Top=\"1\" Left=\"2\" Width=\"3\" Height=\"4\"/>"},
      {"Geometry2D", " 10 \t20 ",
       "<Geometry2D Top=\"10\" Left=\"20\" Height=\"-1\" Width=\"-1\"/>"},
      {"GeometryVars", "7 8 9", "<GeometryVars Top=\"7\" Left=\"8\"/>"},
  };
  for (const Row& r : rows) {
    OptionsRecord o;
    EXPECT_TRUE(SetOptionByElementName(o, r.key, r.value)) << r.key;
    EXPECT_NE(BuildOptionsText(o, {}, "").find(r.written), std::string::npos)
        << r.key << "=" << r.value;
    EXPECT_EQ(o.numberFormat, r.pattern) << r.key << "=" << r.value;
  }
  const std::string defaults = BuildOptionsText(OptionsRecord{}, {}, "");
  for (const char* key :
       {"", "Options", "Expressions", "Vars", "Item", "Radians", "numberFormat", "Top"}) {
    OptionsRecord o;
    EXPECT_FALSE(SetOptionByElementName(o, key, "1")) << key;
    EXPECT_EQ(BuildOptionsText(o, {}, ""), defaults) << key;
  }
}

// The window's settings dialog sets the record directly.
TEST(OptionsRecord, NumberPatternKeepsThePrecisionInRange) {
  for (const auto& [precision, pattern] : {std::pair{16, "%.15g"}, {-1, "%.15g"}, {0, "%.0g"}}) {
    OptionsRecord o;
    o.precision = precision;
    o.RebuildNumberFormat();
    EXPECT_EQ(o.numberFormat, pattern) << precision;
  }
}

}  // namespace
}  // namespace vr
