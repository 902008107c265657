#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "units/unit_table_file.h"

namespace vr {
namespace {

namespace fs = std::filesystem;

// The records of a table, one a line: "type KEY [NAMES]" or "+ KEY [NAMES] CONVERSION".
std::string Described(const UnitTables& t) {
  std::string out;
  for (const UnitTypeRecord& type : t.types) out += "type " + type.key + " [" + type.names + "]\n";
  for (const UnitRecord& u : t.units) {
    out += (u.sign ? "+ " : "- ") + u.typeKey + " [" + u.names + "] " + u.conversion + "\n";
  }
  return out;
}

TEST(UnitTable, LinesSplitIntoTheirFields) {
  const std::pair<const char*, const char*> rows[] = {
      {"-Length|km|км=1000", "- Length [km|км] 1000\n"},
      {"+Temperature|°F|°F=5/9-160/9|9/5+32", "+ Temperature [°F|°F] 5/9-160/9|9/5+32\n"},
      // The Russian name ends at "=", the English one only at "|".
      {"+Length|m=1", "+ Length [m=1|1] 1\n"},
      {"+Length | m | м = 1", "+ Length  [ m | м ]  1\n"},
      {"+Length|m|м", "+ Length [m|м] \n"},
      {"+L||м=1=2", "+ L [|м] 1\n"},
      {"+Length|m|м=2|", "+ Length [m|м] 2\n"},
      {"+|m", "+  [m|] \n"},
      {"\t +Mass|kg|?=1 \v\f", "+ Mass [kg|?] 1\n"},
      // Types; comments, blank lines and the CR of CR LF are skipped.
      {"# lengths\r\nLength|Length|Длина\r\n \r\n  # note\nBare\n\nPressure|Pressure\r\n"
       "+Length|m|м=1\nMass|Mass|Масса|extra\r\n\r\n",
       "type Length [Length|Длина]\ntype Bare [|]\ntype Pressure [Pressure|]\n"
       "type Mass [Mass|Масса]\n+ Length [m|м] 1\n"},
      {"\n\nA|a|b", "type A [a|b]\n"},
  };
  for (const auto& [text, described] : rows) {
    UnitTables tables;
    tables.types.push_back({"stale", "stale|stale"});
    ParseUnitTable(text, tables);
    EXPECT_EQ(Described(tables), described) << text;
  }
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
  const std::string cp1251 = "Length|Length|\xC4\xEB\xE8\xED\xE0\r\n+Length|m|\xEC=1\r\n";
  for (const std::string& bytes : {std::string("Length|Length|Длина\n+Length|m|м=1\n"), cp1251}) {
    ASSERT_TRUE(LoadUnitTable(write("units.dat", bytes)));
    EXPECT_EQ(Described(Units()), "type Length [Length|Длина]\n+ Length [m|м] 1\n");
  }
  // A missing file is normal; one that is there but unusable is reported.
  for (const auto& [path, reported] :
       {std::pair{folder / "missing.dat", false},
        {folder / "folder.dat", true},
        {write("binary.dat", std::string("Length|\0|x\n", 11)), true}}) {
    std::ostringstream report;
    EXPECT_FALSE(LoadUnitTable(path, &report)) << path;
    EXPECT_EQ(Described(Units()), "") << path;
    EXPECT_EQ(report.str().find(path.string()) != std::string::npos, reported) << report.str();
    EXPECT_FALSE(LoadUnitTable(path)) << "no report wanted";
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace vr
