#include "units/unit_converter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vr {
namespace {

using Names = std::vector<std::string>;

// Two types as the unit file gives them, with the quirks the lists must
// cope with: a unit offered in English only, a type named alike in both
// languages, a unit whose type is missing.
UnitTables SampleTables() {
  UnitTables t;
  t.types = {
      {"Length", "Length|Длина"}, {"Temperature", "Temperature|Температура"}, {"Plain", "Plain"}};
  t.units = {
      {true, "Length", "m|м", "1"},
      {true, "Length", "km|км", "1000"},
      {false, "Length", "mile|?", "1609.344"},
      {true, "Temperature", "°C|°C", "1"},
      {true, "Temperature", "°F|°F", "5/9-160/9|9/5+32"},
      {true, "Nowhere", "x|x", "2"},
      {true, "Plain", "p", "3"},
  };
  return t;
}

TEST(UnitConverter, ListsFollowTheLanguage) {
  const UnitTables t = SampleTables();
  EXPECT_EQ(UnitTypeNames(t, true), (Names{"Length", "Temperature", "Plain"}));
  EXPECT_EQ(UnitTypeNames(t, false), (Names{"Длина", "Температура", "Plain"}));
  EXPECT_EQ(UnitNames(t, true, "Length"), (Names{"m", "km", "mile"}));
  EXPECT_EQ(UnitNames(t, false, "Length"), (Names{"м", "км"}));
  EXPECT_EQ(UnitNames(t, true, "Plain"), (Names{"p"}));
  // Type keys compare exactly.
  EXPECT_TRUE(UnitNames(t, true, "length").empty());
  EXPECT_TRUE(UnitTypeNames(UnitTables{}, true).empty());
}

TEST(UnitConverter, LookupsByShownName) {
  const UnitTables t = SampleTables();
  const struct {
    bool english;
    const char* type;
    const char* unit;
    const char* toward;
    const char* from;
  } cases[] = {
      {true, "Length", "km", "*1000", "/1000"},
      {false, "Длина", "км", "*1000", "/1000"},
      {true, "Temperature", "°F", "*5/9-160/9", "*9/5+32"},
      {true, "Plain", "p", "*3", "/3"},
      {true, "Length", "км", "", ""},  // a Russian name in English
      {true, "Length", "°F", "", ""},  // a unit of another type
      {true, "Nowhere", "", "", ""},   // no such type shown
  };
  for (const auto& c : cases) {
    const std::string key = GetUnitTypeKey(t, c.type, c.english);
    EXPECT_EQ(GetConversionText(t, c.english, key, c.unit, true), c.toward)
        << c.type << ' ' << c.unit;
    EXPECT_EQ(GetConversionText(t, c.english, key, c.unit, false), c.from)
        << c.type << ' ' << c.unit;
  }
  EXPECT_EQ(GetUnitTypeKey(t, "Длина", true), "");
}

TEST(UnitConverter, LineWrapping) {
  const UnitTables t = SampleTables();
  const struct {
    UnitSelection selection;
    const char* line;
    const char* expected;
  } cases[] = {
      {{"Length", "km", "m", 1, 0}, "5", "((5)*1000)/1"},
      {{"Temperature", "°F", "°C", 1, 0}, "41", "((41)*5/9-160/9)/1"},
      {{"Temperature", "°C", "°F", 0, 1}, "5", "((5)*1)*9/5+32"},
      {{"Length", "km", "km", 1, 1}, "2+3", "2+3"},
      // A unit that cannot be found leaves its side out.
      {{"Length", "km", "gone", 1, 3}, "1", "((1)*1000)"},
      {{"", "", "", -1, 0}, "7", "((7))"},
  };
  for (const auto& c : cases) EXPECT_EQ(ConvertLine(t, true, c.selection, c.line), c.expected);
}

}  // namespace
}  // namespace vr
