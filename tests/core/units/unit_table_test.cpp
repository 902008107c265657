#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "units/unit_table_file.h"
#include "units/unit_tables.h"

namespace vr {
namespace {

namespace fs = std::filesystem;

struct UnitLineCase {
  const char* line;
  bool sign;
  const char* typeKey;
  const char* names;
  const char* conversion;
};

TEST(UnitTable, UnitLinesSplitIntoTheirFields) {
  const UnitLineCase cases[] = {
      {"+Length|km|км=1000", true, "Length", "km|км", "1000"},
      {"-Length|km|км=1000", false, "Length", "km|км", "1000"},
      {"+Temperature|°F|°F=5/9-160/9|9/5+32", true, "Temperature", "°F|°F", "5/9-160/9|9/5+32"},
      // The Russian name ends at "=", the English one only at "|".
      {"+Length|m=1", true, "Length", "m=1|1", "1"},
      {"+Length | m | м = 1", true, "Length ", " m | м ", " 1"},
      {"+Length|m|м", true, "Length", "m|м", ""},          // no "=": no conversion
      {"+Length|m|м=1=2", true, "Length", "m|м", "1"},     // up to a second "="
      {"+Length|m|м=2|", true, "Length", "m|м", "2"},      // empty second fragment
      {"+Length|m|?=1", true, "Length", "m|?", "1"},
      {"+", true, "", "|", ""},
      {"\t +Mass|kg|кг=1 \t", true, "Mass", "kg|кг", "1"},  // blanks and tabs around go
  };
  for (const UnitLineCase& c : cases) {
    UnitTables tables;
    ParseUnitTable(c.line, tables);
    ASSERT_EQ(tables.units.size(), 1u) << c.line;
    EXPECT_TRUE(tables.types.empty()) << c.line;
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
      "# lengths\r\n"
      "Length|Length|Длина\r\n"
      "   \r\n"
      "  # indented comment\n"
      "Bare\n"
      "Pressure|Pressure\n"
      "+Length|m|м=1\n"
      "Mass|Mass|Масса|extra",
      tables);
  ASSERT_EQ(tables.types.size(), 4u);
  EXPECT_EQ(tables.types[0].key, "Length");
  EXPECT_EQ(tables.types[0].names, "Length|Длина");
  EXPECT_EQ(tables.types[1].key, "Bare");
  EXPECT_EQ(tables.types[1].names, "|");
  EXPECT_EQ(tables.types[2].names, "Pressure|");
  EXPECT_EQ(tables.types[3].names, "Mass|Масса");
  ASSERT_EQ(tables.units.size(), 1u);
  EXPECT_EQ(tables.units[0].typeKey, "Length");
}

class UnitTableFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("vr-units-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path Write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  fs::path folder_;
  ScopedUnitTables live_;
};

TEST_F(UnitTableFile, LoadsEveryEncodingIntoTheLiveTables) {
  const std::string utf8 = "Length|Length|Длина\n+Length|m|м=1\n";
  // "Длина" and "м" in Windows-1251.
  const std::string cp1251 = "Length|Length|\xC4\xEB\xE8\xED\xE0\r\n+Length|m|\xEC=1\r\n";
  std::string utf16 = "\xFF\xFE";
  for (const char16_t c : std::u16string(u"Length|Length|Длина\n+Length|m|м=1\n")) {
    utf16 += static_cast<char>(c & 0xFF);
    utf16 += static_cast<char>(c >> 8);
  }
  for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, cp1251, utf16}) {
    std::ostringstream report;
    ASSERT_TRUE(LoadUnitTable(Write("units.dat", bytes), &report));
    EXPECT_EQ(report.str(), "");
    ASSERT_EQ(Units().types.size(), 1u);
    EXPECT_EQ(Units().types[0].key, "Length");
    EXPECT_EQ(Units().types[0].names, "Length|Длина");
    ASSERT_EQ(Units().units.size(), 1u);
    EXPECT_EQ(Units().units[0].names, "m|м");
  }
}

TEST_F(UnitTableFile, AFileThatCannotBeUsedEmptiesTheTables) {
  const fs::path good = Write("good.dat", "Length|Length|Длина\n+Length|m|м=1\n");
  const fs::path binary = Write("binary.dat", std::string("Length|\0|x\n", 11));
  fs::create_directories(folder_ / "folder.dat");
  struct {
    fs::path path;
    bool reported;
  } cases[] = {{folder_ / "missing.dat", false}, {binary, true}, {folder_ / "folder.dat", true}};
  for (const auto& c : cases) {
    ASSERT_TRUE(LoadUnitTable(good));
    std::ostringstream report;
    EXPECT_FALSE(LoadUnitTable(c.path, &report)) << c.path;
    EXPECT_TRUE(Units().types.empty() && Units().units.empty()) << c.path;
    EXPECT_EQ(report.str().empty(), !c.reported) << report.str();
    if (c.reported) {
      EXPECT_NE(report.str().find(c.path.string()), std::string::npos);
    }
  }
}

// The table we ship: every unit belongs to a type, the first unit of a type
// is the unit the others are measured in, and no two units of a type share a
// name in one language, since the converter finds units by their shown name.
TEST(ShippedUnitTable, IsConsistent) {
  ScopedUnitTables live;
  const fs::path path = fs::path(__FILE__).parent_path() / "../../../resources/units.dat";
  std::ostringstream report;
  ASSERT_TRUE(LoadUnitTable(path, &report)) << report.str();

  std::set<std::string> keys, english, russian;
  for (const UnitTypeRecord& type : Units().types) {
    EXPECT_TRUE(keys.insert(type.key).second) << type.key;
    const auto bar = type.names.find('|');
    ASSERT_NE(bar, std::string::npos);
    EXPECT_TRUE(english.insert(type.names.substr(0, bar)).second) << type.names;
    EXPECT_TRUE(russian.insert(type.names.substr(bar + 1)).second) << type.names;
  }
  EXPECT_GE(keys.size(), 12u);

  std::map<std::string, std::set<std::string>> namesOfType;
  std::set<std::string> typesSeen;
  for (const UnitRecord& unit : Units().units) {
    EXPECT_EQ(keys.count(unit.typeKey), 1u) << unit.names;
    if (typesSeen.insert(unit.typeKey).second) {
      EXPECT_EQ(unit.conversion, "1") << "first unit of " << unit.typeKey;
    }
    EXPECT_FALSE(unit.conversion.empty()) << unit.names;
    const auto bar = unit.names.find('|');
    ASSERT_NE(bar, std::string::npos);
    for (const std::string& name : {"en:" + unit.names.substr(0, bar), "ru:" + unit.names.substr(bar + 1)}) {
      if (name.substr(3) == "?") continue;
      EXPECT_TRUE(namesOfType[unit.typeKey].insert(name).second) << unit.typeKey << ' ' << name;
    }
  }
  EXPECT_EQ(typesSeen.size(), keys.size());
}

}  // namespace
}  // namespace vr
