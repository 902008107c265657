#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

#include "operations/standard_operations.h"
#include "script_test_support.h"
#include "scripts/script_folder.h"
#include "units/unit_converter.h"
#include "units/unit_table_file.h"
#include "values/utf8_text.h"

namespace vr {
namespace {

using testing::ResourceFolder;
using testing::ScriptSession;

// The libraries we ship load without a word; every function has a
// description and a name no built-in hides.
TEST(ShippedScripts, LoadWithDescriptionsAndOwnNames) {
  ScriptSession session;
  std::ostringstream report;
  EXPECT_TRUE(LoadScriptLibraries(ResourceFolder() / "scripts", report).empty());
  EXPECT_EQ(report.str(), "");
  std::set<std::string> names;
  for (const std::string& text : ListUserFunctions()) {
    const std::string name = Utf8ToLower(DeclaredFunctionName(text));
    EXPECT_TRUE(names.insert(name).second) << "defined twice: " << name;
    EXPECT_EQ(StandardOperations().FindBuiltin(name), nullptr) << "hidden by a built-in: " << name;
    EXPECT_NE(text.find("## "), std::string::npos) << text;
  }
}

TEST(ShippedScripts, Compute) {
  testing::ExpectCalls(testing::SourceFolder("tests/core/scripts") / "data/shipped_calls.txt",
                       [](ScriptSession&) {
                         std::ostringstream ignored;
                         LoadScriptLibraries(ResourceFolder() / "scripts", ignored);
                       });
}

// The unit table we ship. The first unit of each type is the one the others
// are measured in; no two types or units of a type share a shown name in a
// language, since the lists find them by that name. Every conversion
// evaluates, and a value taken to the first unit and back comes out as it
// went in; a few well-known pairs convert as they should.
TEST(ShippedUnits, AreConsistentAndConvert) {
  ScopedUnitTables units;
  ASSERT_TRUE(LoadUnitTable(ResourceFolder() / "units.dat"));
  ScriptSession session;
  auto convert = [&](double x, const std::string& type, const std::string& from,
                     const std::string& to) {
    Value v;
    const std::string line = ConvertLine(Units(), true, {type, from, to, 0, 1}, std::to_string(x));
    EXPECT_EQ(session.engine.EvaluateLine(line, v), kOk) << line;
    return v.num.real;
  };
  std::set<std::string> shown;
  std::size_t matched = 0;
  for (const UnitTypeRecord& t : Units().types) {
    for (const bool english : {true, false}) {
      EXPECT_TRUE(shown.insert((english ? "en " : "ru ") + DisplayName(t.names, english)).second)
          << t.names;
    }
    bool first = true;
    for (const UnitRecord& unit : Units().units) {
      if (unit.typeKey != t.key) continue;
      EXPECT_TRUE(!first || unit.conversion == "1") << unit.names;
      first = false;
      ++matched;
      for (const bool english : {true, false}) {
        const std::string name = DisplayName(unit.names, english);
        EXPECT_TRUE(name == "?" || shown.insert(t.key + (english ? " en " : " ru ") + name).second)
            << name;
      }
      const std::string name = DisplayName(unit.names, true);
      EXPECT_NEAR(convert(37.5, DisplayName(t.names, true), name, name), 37.5, 1e-9) << unit.names;
    }
    EXPECT_FALSE(first) << t.key << " has no units";
  }
  EXPECT_EQ(matched, Units().units.size()) << "a unit of no type";
  EXPECT_GE(Units().types.size(), 12u);
  const std::tuple<double, const char*, const char*, const char*, double> pairs[] = {
      {1, "Length", "mile (mi)", "kilometre (km)", 1.609344},
      {41, "Temperature", "degree Fahrenheit (°F)", "degree Celsius (°C)", 5},
      {0, "Temperature", "kelvin (K)", "degree Fahrenheit (°F)", -459.67},
      {491.67, "Temperature", "degree Rankine (°R)", "kelvin (K)", 273.15},
      {36, "Speed", "kilometre per hour (km/h)", "metre per second (m/s)", 10},
      {1, "Pressure", "standard atmosphere (atm)", "torr", 760},
      {1, "Data size", "gibibyte (GiB)", "megabyte (MB)", 1073.741824},
      {180, "Angle", "degree (°)", "radian (rad)", std::numbers::pi},
  };
  for (const auto& [x, type, from, to, expected] : pairs) {
    EXPECT_NEAR(convert(x, type, from, to), expected, 1e-9 * std::max(1.0, std::fabs(expected)))
        << from;
  }
}

}  // namespace
}  // namespace vr
