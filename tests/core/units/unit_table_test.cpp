#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "units/unit_table_file.h"

namespace vr {
namespace {

namespace fs = std::filesystem;

TEST(UnitTable, UnitLinesSplitIntoTheirFields) {
  const struct {
    const char* line;
    bool sign;
    const char* typeKey;
    const char* names;
    const char* conversion;
  } cases[] = {
      {"-Length|km|км=1000", false, "Length", "km|км", "1000"},
      {"+Temperature|°F|°F=5/9-160/9|9/5+32", true, "Temperature", "°F|°F", "5/9-160/9|9/5+32"},
      // The Russian name ends at "=", the English one only at "|".
      {"+Length|m=1", true, "Length", "m=1|1", "1"},
      {"+Length | m | м = 1", true, "Length ", " m | м ", " 1"},
      {"+Length|m|м", true, "Length", "m|м", ""},
      {"+Length|m|м=1=2", true, "Length", "m|м", "1"},
      {"+Length|m|м=2|", true, "Length", "m|м", "2"},
      {"\t +Mass|kg|?=1 \t", true, "Mass", "kg|?", "1"},
  };
  for (const auto& c : cases) {
    UnitTables tables;
    ParseUnitTable(c.line, tables);
    ASSERT_EQ(tables.units.size(), 1u) << c.line;
    const UnitRecord& unit = tables.units[0];
    EXPECT_EQ(unit.sign, c.sign) << c.line;
    EXPECT_EQ(unit.typeKey, c.typeKey) << c.line;
    EXPECT_EQ(unit.names, c.names) << c.line;
    EXPECT_EQ(unit.conversion, c.conversion) << c.line;
  }
}

TEST(UnitTable, TypeLinesCommentsAndBlankLines) {
  UnitTables tables;
  tables.types.push_back({"stale", "stale|stale"});
  ParseUnitTable(
      "# lengths\r\nLength|Length|Длина\r\n   \r\n  # note\nBare\nPressure|Pressure\n"
      "+Length|m|м=1\nMass|Mass|Масса|extra",
      tables);
  ASSERT_EQ(tables.types.size(), 4u);
  EXPECT_EQ(tables.types[0].key, "Length");
  EXPECT_EQ(tables.types[0].names, "Length|Длина");
  EXPECT_EQ(tables.types[1].names, "|");
  EXPECT_EQ(tables.types[2].names, "Pressure|");
  EXPECT_EQ(tables.types[3].names, "Mass|Масса");
  EXPECT_EQ(tables.units.size(), 1u);
}

TEST(UnitTableFile, EncodingsAndUnusableFiles) {
  const fs::path folder = fs::temp_directory_path() / "vr-units-file";
  fs::remove_all(folder);
  fs::create_directories(folder / "folder.dat");
  auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
    return folder / name;
  };
  ScopedUnitTables live;
  std::string utf16 = "\xFF\xFE";
  for (const char16_t c : std::u16string(u"Length|Length|Длина\n+Length|m|м=1\n")) {
    utf16 += static_cast<char>(c & 0xFF);
    utf16 += static_cast<char>(c >> 8);
  }
  const std::string cp1251 = "Length|Length|\xC4\xEB\xE8\xED\xE0\r\n+Length|m|\xEC=1\r\n";
  for (const std::string& bytes :
       {std::string("Length|Length|Длина\n+Length|m|м=1\n"), cp1251, utf16}) {
    ASSERT_TRUE(LoadUnitTable(write("units.dat", bytes)));
    ASSERT_EQ(Units().types.size(), 1u);
    EXPECT_EQ(Units().types[0].names, "Length|Длина");
    ASSERT_EQ(Units().units.size(), 1u);
    EXPECT_EQ(Units().units[0].names, "m|м");
  }
  // A missing file is normal; one that is there but unusable is reported.
  for (const auto& [path, reported] :
       {std::pair{folder / "missing.dat", false},
        {folder / "folder.dat", true},
        {write("binary.dat", std::string("Length|\0|x\n", 11)), true}}) {
    std::ostringstream report;
    EXPECT_FALSE(LoadUnitTable(path, &report)) << path;
    EXPECT_TRUE(Units().types.empty() && Units().units.empty()) << path;
    EXPECT_EQ(report.str().find(path.string()) != std::string::npos, reported) << report.str();
  }
  fs::remove_all(folder);
}

// The table we ship: the first unit of each type is the one the others are
// measured in, and no two units of a type share a shown name in a language,
// since the converter finds units by the name the list shows.
TEST(ShippedUnitTable, IsConsistent) {
  ScopedUnitTables live;
  ASSERT_TRUE(LoadUnitTable(fs::path(__FILE__).parent_path() / "../../../resources/units.dat"));
  std::set<std::string> keys, typeNames, units, firstSeen;
  for (const UnitTypeRecord& type : Units().types) {
    EXPECT_TRUE(keys.insert(type.key).second) << type.key;
    EXPECT_TRUE(typeNames.insert(type.names).second) << type.names;
  }
  EXPECT_GE(keys.size(), 12u);
  for (const UnitRecord& unit : Units().units) {
    EXPECT_EQ(keys.count(unit.typeKey), 1u) << unit.names;
    if (firstSeen.insert(unit.typeKey).second) {
      EXPECT_EQ(unit.conversion, "1") << unit.typeKey;
    }
    const auto bar = unit.names.find('|');
    for (const std::string& name :
         {"en" + unit.names.substr(0, bar), "ru" + unit.names.substr(bar + 1)}) {
      if (name.substr(2) == "?") continue;
      EXPECT_TRUE(units.insert(unit.typeKey + name).second) << name;
    }
  }
  EXPECT_EQ(firstSeen.size(), keys.size());
}

}  // namespace
}  // namespace vr
