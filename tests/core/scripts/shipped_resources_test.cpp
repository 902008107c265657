#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <sstream>
#include <string>

#include "engine/builtin_names.h"
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
// description and a name no built-in hides, and computes what it promises.
TEST(ShippedScripts, LoadAndCompute) {
  ScriptSession session;
  std::ostringstream report;
  EXPECT_TRUE(LoadScriptLibraries(ResourceFolder() / "scripts", report).empty());
  EXPECT_EQ(report.str(), "");
  std::set<std::string> names;
  for (const std::string& text : ListUserFunctions()) {
    const std::string name = Utf8ToLower(DeclaredFunctionName(text));
    EXPECT_TRUE(names.insert(name).second) << "defined twice: " << name;
    EXPECT_LT(FindBuiltinFunction(name), 0) << "hidden by a built-in: " << name;
    EXPECT_NE(text.find("## "), std::string::npos) << text;
  }

  const struct {
    const char* line;
    const char* expected;
    std::vector<std::string> written = {};
  } cases[] = {
      {"distance(1;1;4;5)", "5"},
      {"rad2deg(deg2rad(30))", "30"},
      {"trianglearea(3;4;5)", "6"},
      {"trianglearea(1;1;3)", "0", {"'no triangle has these sides'"}},
      {"boxdiagonal(2;3;6)", "7"},
      {"spherevolume(3)/pi+conevolume(2;3)/pi", "40"},
      {"compound(100;10;2)", "121"},
      {"round(payment(100000;6;360)*100)/100", "599.55"},
      {"payoffmonths(1000;0;100)", "10"},
      {"payoffmonths(1000;12;10)", "-1", {"'the payment does not even cover the interest'"}},
      {"change(50;75)", "50"},
      {"fact(10)", "3628800"},
      {"binomial(10;3)", "120"},
      {"binompmf(4;2;0.5)", "0.375"},
      {"round(poissonpmf(2;3)*10000)", "2240"},
      {"round(normpdf(0)*1000000)", "398942"},
      {"fib(10)", "55"},
  };
  for (const auto& c : cases) {
    session.output.lines.clear();
    EXPECT_EQ(session.Eval(c.line), c.expected) << c.line;
    EXPECT_EQ(session.output.lines, c.written) << c.line;
  }
}

// Every conversion of the shipped unit table evaluates, and a value taken to
// the type's first unit and back comes out as it went in; a few well-known
// pairs convert as they should. Units are named as the English lists show them.
TEST(ShippedUnits, ConversionsEvaluate) {
  ScopedUnitTables units;
  ASSERT_TRUE(LoadUnitTable(ResourceFolder() / "units.dat"));
  ScriptSession session;
  auto convert = [&](double x, const std::string& type, const std::string& from, const std::string& to) {
    const UnitSelection selection{type, from, to, 0, 1};
    Value v;
    const std::string line = ConvertLine(Units(), true, selection, std::to_string(x));
    EXPECT_EQ(session.engine.EvaluateLine(line, v), kOk) << line;
    return v.num.real;
  };
  for (const UnitRecord& unit : Units().units) {
    for (const UnitTypeRecord& t : Units().types) {
      if (t.key != unit.typeKey) continue;
      const std::string name = DisplayName(unit.names, true);
      EXPECT_NEAR(convert(37.5, DisplayName(t.names, true), name, name), 37.5, 1e-9) << unit.names;
    }
  }
  const struct {
    double x;
    const char* type;
    const char* from;
    const char* to;
    double expected;
  } cases[] = {
      {1, "Length", "mile (mi)", "kilometre (km)", 1.609344},
      {41, "Temperature", "degree Fahrenheit (°F)", "degree Celsius (°C)", 5},
      {0, "Temperature", "kelvin (K)", "degree Fahrenheit (°F)", -459.67},
      {491.67, "Temperature", "degree Rankine (°R)", "kelvin (K)", 273.15},
      {36, "Speed", "kilometre per hour (km/h)", "metre per second (m/s)", 10},
      {1, "Pressure", "standard atmosphere (atm)", "torr", 760},
      {1, "Data size", "gibibyte (GiB)", "megabyte (MB)", 1073.741824},
      {180, "Angle", "degree (°)", "radian (rad)", std::numbers::pi},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(convert(c.x, c.type, c.from, c.to), c.expected, 1e-9 * std::max(1.0, std::fabs(c.expected)))
        << c.from << " -> " << c.to;
  }
}

}  // namespace
}  // namespace vr
