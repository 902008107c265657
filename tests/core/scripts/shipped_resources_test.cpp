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
#include "units/unit_table_file.h"
#include "units/unit_tables.h"
#include "values/utf8_text.h"

namespace vr {
namespace {

using testing::ResourceFolder;
using testing::ScriptSession;

// The libraries we ship: they load without a word, every function has a
// description and a name that no built-in hides, and each computes what its
// description promises.
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
    const auto hashes = text.find("##");
    ASSERT_NE(hashes, std::string::npos) << text;
    EXPECT_GT(text.size(), hashes + 3) << text;
  }
  EXPECT_GE(names.size(), 20u);

  struct {
    const char* line;
    const char* expected;
    std::vector<std::string> written = {};
  } cases[] = {
      {"hypot(3;4)", "5"},
      {"distance(1;1;4;5)", "5"},
      {"rad2deg(deg2rad(30))", "30"},
      {"circlearea(2)/pi", "4"},
      {"circumference(0.5)/pi", "1"},
      {"trianglearea(3;4;5)", "6"},
      {"trianglearea(1;1;3)", "0", {"'no triangle has these sides'"}},
      {"ellipsearea(2;3)/pi", "6"},
      {"boxdiagonal(2;3;6)", "7"},
      {"spherevolume(3)/pi", "36"},
      {"spherearea(1)/pi", "4"},
      {"cylindervolume(2;3)/pi", "12"},
      {"conevolume(2;3)/pi", "4"},
      {"compound(100;10;2)", "121"},
      {"simpleinterest(1000;5;3)", "150"},
      {"presentvalue(121;10;2)", "100"},
      {"payment(1200;0;12)", "100"},
      {"round(payment(100000;6;360)*100)/100", "599.55"},
      {"payment(100;5;0)", "0", {"'the term must be at least one month'"}},
      {"payoffmonths(1000;0;100)", "10"},
      {"payoffmonths(1000;12;10)", "-1", {"'the payment does not even cover the interest'"}},
      {"round(doubling(100))", "1"},
      {"addtax(100;20)", "120"},
      {"removetax(120;20)", "100"},
      {"change(50;75)", "50"},
      {"fact(10)", "3628800"},
      {"fact(0)", "1"},
      {"binomial(10;3)", "120"},
      {"binomial(3;5)", "0"},
      {"permutations(5;2)", "20"},
      {"binompmf(4;2;0.5)", "0.375"},
      {"round(poissonpmf(2;3)*10000)", "2240"},
      {"round(normpdf(0)*1000000)", "398942"},
      {"round(normpdf(12;10;2)*1000000)", "120985"},
      {"zscore(12;10;2)", "1"},
      {"fib(10)", "55"},
      {"fib(1)", "1"},
  };
  for (const auto& c : cases) {
    session.output.lines.clear();
    EXPECT_EQ(session.Eval(c.line), c.expected) << c.line;
    EXPECT_EQ(session.output.lines, c.written) << c.line;
  }
}

// Every conversion of the shipped unit table is a valid fragment: a value
// taken to the type's first unit and back comes out as it went in, and a few
// well-known pairs convert as they should.
TEST(ShippedUnits, ConversionsEvaluate) {
  ScopedUnitTables units;
  ASSERT_TRUE(LoadUnitTable(ResourceFolder() / "units.dat"));
  ScriptSession session;

  auto toward = [](const std::string& c) {
    const auto bar = c.find('|');
    return "*" + (bar == std::string::npos ? c : c.substr(0, bar));
  };
  auto from = [](const std::string& c) {
    const auto bar = c.find('|');
    return bar == std::string::npos ? "/" + c : "*" + c.substr(bar + 1);
  };
  auto convert = [&](double x, const std::string& a, const std::string& b) {
    Value v;
    const std::string line = "((" + std::to_string(x) + ")" + toward(a) + ")" + from(b);
    EXPECT_EQ(session.engine.EvaluateLine(line, v), kOk) << line;
    return v.num.real;
  };

  for (const UnitRecord& unit : Units().units) {
    const double back = convert(37.5, unit.conversion, unit.conversion);
    EXPECT_NEAR(back, 37.5, 1e-9) << unit.names;
  }

  auto conversionOf = [](const std::string& englishName) {
    for (const UnitRecord& unit : Units().units) {
      if (unit.names.substr(0, unit.names.find('|')) == englishName) return unit.conversion;
    }
    ADD_FAILURE() << "no unit " << englishName;
    return std::string("1");
  };
  struct {
    double x;
    const char* from;
    const char* to;
    double expected;
  } cases[] = {
      {5, "kilometre (km)", "metre (m)", 5000},
      {1, "mile (mi)", "kilometre (km)", 1.609344},
      {41, "degree Fahrenheit (°F)", "degree Celsius (°C)", 5},
      {5, "degree Celsius (°C)", "degree Fahrenheit (°F)", 41},
      {100, "degree Celsius (°C)", "kelvin (K)", 373.15},
      {0, "kelvin (K)", "degree Fahrenheit (°F)", -459.67},
      {491.67, "degree Rankine (°R)", "degree Celsius (°C)", 0},
      {80, "degree Réaumur (°Ré)", "degree Celsius (°C)", 100},
      {36, "kilometre per hour (km/h)", "metre per second (m/s)", 10},
      {1, "standard atmosphere (atm)", "torr", 760},
      {1, "kilowatt hour (kWh)", "megajoule (MJ)", 3.6},
      {1, "gibibyte (GiB)", "megabyte (MB)", 1073.741824},
      {180, "degree (°)", "radian (rad)", std::numbers::pi},
      {1, "turn", "degree (°)", 360},
      {1, "hectare (ha)", "are (a)", 100},
      {1, "litre (l)", "millilitre (ml)", 1000},
      {1, "pound (lb)", "gram (g)", 453.59237},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(convert(c.x, conversionOf(c.from), conversionOf(c.to)), c.expected,
                1e-9 * std::max(1.0, std::fabs(c.expected)))
        << c.x << ' ' << c.from << " -> " << c.to;
  }
}

}  // namespace
}  // namespace vr
