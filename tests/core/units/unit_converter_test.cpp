#include "units/unit_converter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "units/unit_table_file.h"

namespace vr {
namespace {

using Names = std::vector<std::string>;

// Two types with the quirks the lists must cope with: a unit offered in
// English only, a type named alike in both languages, a unit whose type is
// missing.
UnitTables Sample() {
  UnitTables t;
  ParseUnitTable(
      "Length|Length|Длина\nTemperature|Temperature|Температура\nPlain|Plain|Plain\n"
      "+Length|m|м=1\n+Length|km|км=1000\n-Length|mile|?=1609.344\n"
      "+Temperature|°C|°C=1\n+Temperature|°F|°F=5/9-160/9|9/5+32\n+Nowhere|x|x=2\n+Plain|p|?=3\n",
      t);
  t.types[2].names = "Plain";  // one name for both languages
  t.units.back().names = "p";
  return t;
}

TEST(UnitConverter, ListsFollowTheLanguage) {
  const UnitTables t = Sample();
  EXPECT_EQ(UnitTypeNames(t, true), (Names{"Length", "Temperature", "Plain"}));
  EXPECT_EQ(UnitTypeNames(t, false), (Names{"Длина", "Температура", "Plain"}));
  EXPECT_EQ(UnitNames(t, true, "Length"), (Names{"m", "km", "mile"}));
  EXPECT_EQ(UnitNames(t, false, "Length"), (Names{"м", "км"}));
  EXPECT_EQ(UnitNames(t, false, "Plain"), (Names{"p"}));
  EXPECT_EQ(UnitNames(t, true, "length"), Names{});  // type keys compare exactly
}

TEST(UnitConverter, LinesAreWrappedInTheConversionOfTheShownUnits) {
  const UnitTables t = Sample();
  const struct {
    bool english;
    UnitSelection selection;
    const char* line;
    const char* expected;
  } cases[] = {
      {true, {"Length", "km", "m", 1, 0}, "5", "((5)*1000)/1"},
      {false, {"Длина", "км", "м", 1, 0}, "5", "((5)*1000)/1"},
      {true, {"Temperature", "°F", "°C", 1, 0}, "41", "((41)*5/9-160/9)/1"},
      {true, {"Temperature", "°C", "°F", 0, 1}, "5", "((5)*1)*9/5+32"},
      {false, {"Plain", "p", "p", 0, 1}, "5", "((5)*3)/3"},
      {true, {"Length", "km", "km", 1, 1}, "2+3", "2+3"},
      // A unit that cannot be found leaves its side out.
      {true, {"Length", "km", "gone", 1, 3}, "1", "((1)*1000)"},
      {true, {"Length", "км", "°F", 1, 3}, "1", "((1))"},
      {true, {"Длина", "km", "m", 1, 0}, "1", "((1))"},
      {true, {"Nowhere", "x", "x", 0, 1}, "7", "((7))"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ConvertLine(t, c.english, c.selection, c.line), c.expected) << c.selection.fromName;
  }
}

}  // namespace
}  // namespace vr
