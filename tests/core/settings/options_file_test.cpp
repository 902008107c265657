#include "settings/options_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/settings/temp_folder.h"
#include "settings/expressions_text.h"
#include "settings/saved_variable.h"

namespace vr {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

// Two files as the program writes them: the defaults, and one in which every
// saved setting differs from its default and every kind of variable is kept.
std::string Sample(const char* name) {
  return ReadBytes(testing::SourceFolder(__FILE__) / "data" / name);
}

std::string InOptions(std::string_view children) {
  return "<Options>\r\n" + std::string(children) + "</Options>\r\n";
}

struct Loaded {
  OptionsRecord options;
  VariableTable variables;
  OptionsLoadResult result;
  // The file this would save, with every part switched on so that all shows.
  std::string Rewritten() const {
    OptionsRecord o = options;
    o.saveWindowsPositions = o.saveExpr = o.saveVars = 1;
    return BuildOptionsText(o, variables, result.expressions);
  }
};

Loaded Read(std::string_view bytes) {
  Loaded l;
  l.options.radian = 7;  // anything; loading starts from the defaults
  l.result = ReadOptionsText(bytes, l.options, l.variables);
  return l;
}

// Variables are written through the live number pattern.
class OptionsFile : public ::testing::Test {
 protected:
  OptionsFile() { *live = OptionsRecord{}; }
  ScopedOptions live;
};

TEST_F(OptionsFile, SamplesAreWrittenAndReadBackByteForByte) {
  EXPECT_EQ(BuildOptionsText(OptionsRecord{}, {}, ""), Sample("defaults.xml"));
  // Elements that are missing keep their defaults; the root may have any name.
  for (const char* text : {"<Options/>", "<Settings></Settings>", "<Options><Other/></Options>"}) {
    const Loaded l = Read(text);
    EXPECT_EQ(l.result.status, OptionsFileStatus::Loaded) << text;
    EXPECT_EQ(BuildOptionsText(l.options, {}, ""), Sample("defaults.xml")) << text;
    EXPECT_FALSE(l.result.expressionsRead) << text;
  }

  TempFolder folder;
  const std::filesystem::path file = OptionsFilePath(folder.Path());
  EXPECT_EQ(file, folder / "options.xml");
  testing::WriteBytes(file, Sample("every_field.xml"));
  Loaded l;
  l.result = LoadOptions(file, l.options, l.variables);
  ASSERT_EQ(l.result.status, OptionsFileStatus::Loaded) << l.result.message;
  EXPECT_EQ(l.options.numberFormat, "%e");  // rebuilt from Format 0
  EXPECT_TRUE(l.result.expressionsRead);
  EXPECT_EQ(SplitExpressionLines(l.result.expressions),
            (std::vector<std::string>{"1+1", "x=2", "Привет", "мир", "sin(pi/2) ## комментарий", ""}));
  std::string error;
  ASSERT_TRUE(SaveOptions(file, l.options, l.variables, l.result.expressions, &error)) << error;
  EXPECT_EQ(ReadBytes(file), Sample("every_field.xml"));
}

TEST_F(OptionsFile, EachElementIsReadByItsRule) {
  struct Row {
    const char* children;
    std::vector<const char*> written;  // lines of the file saved afterwards
  };
  const Row rows[] = {
      // Precision: out of 0..15 is 15; the leading number counts.
      {"<Precision>20</Precision>", {"<Precision>15<"}},
      {"<Precision>16</Precision>", {"<Precision>15<"}},
      {"<Precision>-3</Precision>", {"<Precision>15<"}},
      {"<Precision>0</Precision>", {"<Precision>0<"}},
      {"<Precision>15</Precision>", {"<Precision>15<"}},
      {"<Precision>9 digits</Precision>", {"<Precision>9<"}},
      {"<Precision/>", {"<Precision>0<"}},
      // Flags are 1 only for the exact text "1".
      {"<Radian>0</Radian><Format>0</Format>", {"<Radian>0<", "<Format>0<"}},
      {"<Radian> 1</Radian><SaveResults>1</SaveResults>", {"<Radian>0<", "<SaveResults>1<"}},
      {"<SaveResults>2</SaveResults><StayOnTop>1</StayOnTop>", {"<SaveResults>0<", "<StayOnTop>1<"}},
      {"<English>0</English><ShowScriptResult>1</ShowScriptResult>",
       {"<English>1<", "<ShowScriptResult>1<"}},  // English comes later in the file
      // Numbers and colours; an empty text gives 0.
      {"<DateFormat>2</DateFormat><FontSize>5</FontSize>", {"<DateFormat>2<", "<FontSize>5<"}},
      {"<DateFormat/><FontSize/>", {"<DateFormat>0<", "<FontSize>0<"}},
      {"<BackColor>255</BackColor><TextColor>-1</TextColor>", {"<BackColor>255<", "<TextColor>-1<"}},
      {"<TextHighlight/><ButtonHighlight>12345678</ButtonHighlight>",
       {"<TextHighlight>0<", "<ButtonHighlight>12345678<"}},
      {"<NumberBase>3</NumberBase>", {"<NumberBase>3<"}},
      {"<NumberBase/>", {"<NumberBase>0<"}},
      // The hot key: key and modifiers, or the key alone.
      {"<HotKey>65 6</HotKey>", {"<HotKey>65 6<"}},
      {"<HotKey>65</HotKey>", {"<HotKey>65 0<"}},
      {"<HotKey>x 3</HotKey>", {"<HotKey>0 3<"}},
      // Switches: any non-zero number is on; an empty text keeps the field.
      {"<minToTray>5</minToTray><closeMinimize>1</closeMinimize><autoClip>-1</autoClip>",
       {"<minToTray>1<", "<closeMinimize>1<", "<autoClip>1<"}},
      {"<minToTray>on</minToTray><autoClip/>", {"<minToTray>0<", "<autoClip>0<"}},
      {"<autoStart minized=\"3\">1</autoStart>", {"<autoStart minized=\"1\">1<"}},
      {"<autoStart minized=\"\">2</autoStart>", {"<autoStart minized=\"0\">1<"}},
      {"<minToTray minized=\"1\">1</minToTray>", {"<autoStart minized=\"0\">0<"}},
      // Geometry: non-empty attributes only, and only while positions are saved.
      {"<Geometry Top=\"\" Left=\"-5\" Width=\"x\"/>",
       {"<Geometry Top=\"-1\" Left=\"-5\" Width=\"0\" Height=\"-1\"/>"}},
      {"<SaveWindowsPositions>0</SaveWindowsPositions><Geometry Top=\"10\"/><GeometryVars Top=\"1\"/>",
       {"<Geometry Top=\"-1\" ", "<GeometryVars Top=\"-1\" "}},
      // Every search starts after the element found last.
      {"<Radian>0</Radian><SaveWindowsPositions>1</SaveWindowsPositions>", {"<Radian>1<"}},
      {"<Geometry3D Top=\"1\"/><Geometry2D Top=\"2\"/>", {"<Geometry2D Top=\"2\"", "<Geometry3D Top=\"-1\""}},
      // Only children of the root count.
      {"<Wrapper><Radian>0</Radian></Wrapper>", {"<Radian>1<"}},
  };
  for (const Row& r : rows) {
    const std::string text = Read(InOptions(r.children)).Rewritten();
    for (const char* line : r.written) {
      EXPECT_NE(text.find("\r\n" + std::string(line)), std::string::npos) << r.children << "\n" << text;
    }
  }
}

TEST_F(OptionsFile, ExpressionsAndVariablesAreReadOnlyWhenTheirSwitchIsOn) {
  struct Row {
    const char* children;
    bool expressionsRead;
    const char* written;  // the Expressions and Vars lines saved afterwards
  };
  const Row rows[] = {
      {"<Expressions>1+1|2|</Expressions>", true, "<Expressions>1+1|2|</Expressions>\r\n<Vars/>"},
      {"<Expressions>a &lt; b</Expressions>", true, "<Expressions>a &lt; b</Expressions>"},
      {"<SaveExpr>0</SaveExpr><Expressions>1+1</Expressions>", false, "<Expressions/>"},
      {"<SaveVars>0</SaveVars><Vars><Item Name=\"a\" VarType=\"0\" Value=\"1\"/></Vars>", false,
       "<Vars/>"},
      // An Item without a name, another element, a name given twice.
      {"<Vars><Item VarType=\"0\" Value=\"1\"/><Other Name=\"o\"/><Item Name=\"x\" Value=\"3\"/>"
       "<Item Name=\"X\" VarType=\"1\" Value=\"4\"/></Vars>",
       false, "<Vars>\r\n<Item Name=\"x\" VarType=\"1\" Value=\"4\"/>\r\n</Vars>"},
      // Stepping out of Vars goes on after it.
      {"<Vars><Item Name=\"v\" VarType=\"3\" Value=\"1:2:3\"/></Vars><English>0</English>", false,
       "<Item Name=\"v\" VarType=\"3\" Value=\"1:2:3\"/>\r\n</Vars>\r\n<English>0<"},
  };
  for (const Row& r : rows) {
    const Loaded l = Read(InOptions(r.children));
    EXPECT_EQ(l.result.expressionsRead, r.expressionsRead) << r.children;
    EXPECT_NE(l.Rewritten().find(r.written), std::string::npos) << r.children << "\n" << l.Rewritten();
  }

  // Stored values are read by their type code; what is saved shows the value.
  const std::pair<const char*, const char*> values[] = {
      {"VarType=\"1\" Value=\"0x1F\"", "VarType=\"1\" Value=\"31\""},
      {"VarType=\"1\" Value=\"-0x10\"", "VarType=\"1\" Value=\"-16\""},
      {"VarType=\"1\" Value=\"0xFFFFFFFF\"", "VarType=\"1\" Value=\"2147483647\""},
      {"VarType=\"1\" Value=\"12.75\"", "VarType=\"1\" Value=\"12.75\""},
      {"VarType=\"4\" Value=\"1e-5+i2\"", "VarType=\"4\" Value=\"1e-05+i2\""},
      {"VarType=\"9\" Value=\"#07.03.2006#\"", "VarType=\"9\" Value=\"38783\""},
      {"VarType=\"9\" Value=\"#\"", "VarType=\"9\" Value=\"0\""},
      {"VarType=\"\" Value=\"3\"", "VarType=\"0\" Value=\"3\""},
      {"VarType=\"5\" Value=\"3\"", "VarType=\"0\" Value=\"3\""},
      {"VarType=\"01\" Value=\"3\"", "VarType=\"0\" Value=\"3\""},
      {"VarType=\"0\" Value=\"garbage\"", "VarType=\"0\" Value=\"0\""},
  };
  for (const auto& [stored, written] : values) {
    const Loaded l = Read(InOptions(std::string("<Vars><Item Name=\"v\" ") + stored + "/></Vars>"));
    EXPECT_NE(l.Rewritten().find(std::string("<Item Name=\"v\" ") + written + "/>"), std::string::npos)
        << stored << "\n" << l.Rewritten();
  }
  SavedVariable saved;
  EXPECT_FALSE(SaveVariable({"", Value::MakeReal(1)}, saved));
  EXPECT_FALSE(SaveVariable({"ref", Value::MakeVariableRef("x")}, saved));

  // Switched off, the parts are not written either.
  OptionsRecord o;
  o.saveWindowsPositions = o.saveExpr = o.saveVars = 0;
  VariableTable v;
  v.Set("a", Value::MakeReal(1));
  const std::string text = BuildOptionsText(o, v, "1+1");
  for (const char* absent : {"<Geometry", "<Expressions", "<Vars", "<Item"}) {
    EXPECT_EQ(text.find(absent), std::string::npos) << absent;
  }
  EXPECT_NE(text.find("<SaveWindowsPositions>0</SaveWindowsPositions>\r\n<Radian>"), std::string::npos);
}

TEST_F(OptionsFile, DamagedFilesLeaveTheDefaults) {
  const std::string good = Sample("every_field.xml");
  std::mt19937 random(12345);
  std::string binary(4096, '\0');
  for (char& c : binary) c = static_cast<char>(random());
  const std::string rows[] = {
      binary,
      std::string(10u << 20, 'x'),
      "\xFF\xFE",
      std::string("\xFF\xFE<\0a\0/", 7),
      std::string("<Options><Radian>0\0</Radian>", 28),
      good.substr(0, good.size() / 2),
      good.substr(0, good.size() - 4),
  };
  for (const std::string& bytes : rows) {
    const Loaded l = Read(bytes);
    EXPECT_EQ(l.result.status, OptionsFileStatus::NotWellFormed) << bytes.substr(0, 40);
    EXPECT_FALSE(l.result.message.empty());
    EXPECT_EQ(BuildOptionsText(l.options, {}, ""), Sample("defaults.xml"));
    EXPECT_EQ(l.variables.Count(), 0);
    EXPECT_FALSE(l.result.expressionsRead);
  }
  // A huge but well-formed file is read.
  const std::string big(10u << 20, '7');
  EXPECT_EQ(Read(InOptions("<Expressions>" + big + "</Expressions>")).result.expressions, big);
}

TEST_F(OptionsFile, FilesThatCannotBeReadLeaveTheDefaults) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "options.xml");  // a folder, not a file
  const std::filesystem::path huge = folder / "huge.xml";
  testing::WriteBytes(huge, "<Options>");
  std::filesystem::resize_file(huge, kMaxOptionsFileBytes + 1);
  const std::filesystem::path limit = folder / "limit.xml";
  testing::WriteBytes(limit, "<Options>");
  std::filesystem::resize_file(limit, kMaxOptionsFileBytes);

  struct Row {
    std::filesystem::path file;
    OptionsFileStatus status;
  };
  const Row rows[] = {
      {folder / "missing.xml", OptionsFileStatus::Missing},
      {folder / "no" / "such" / "options.xml", OptionsFileStatus::Missing},
      {folder / "options.xml", OptionsFileStatus::Unreadable},
      {huge, OptionsFileStatus::Unreadable},
      {limit, OptionsFileStatus::NotWellFormed},  // just small enough to be read
  };
  for (const Row& r : rows) {
    Loaded l = Read(Sample("every_field.xml"));
    l.result = LoadOptions(r.file, l.options, l.variables);
    EXPECT_EQ(l.result.status, r.status) << r.file;
    EXPECT_EQ(l.result.message.empty(), r.status == OptionsFileStatus::Missing) << l.result.message;
    EXPECT_EQ(BuildOptionsText(l.options, {}, ""), Sample("defaults.xml")) << r.file;
    EXPECT_EQ(l.options.numberFormat, "%.15g");
  }
}

// The window's expression lines are kept in one text, a "|" between lines.
TEST(ExpressionsText, LinesAreJoinedWithBarsAndSplitAtEveryBar) {
  using Lines = std::vector<std::string>;
  const std::pair<Lines, const char*> joined[] = {
      {{"1+1", "2", ""}, "1+1|2|"},
      {{"1+1", "2"}, "1+1|2"},
      {{"a  \r\n", "", "  ", "b\r"}, "a|b"},
      {{"", "x"}, "x"},
      {{"  x", "y\t"}, "  x|y\t"},
      {{"", ""}, ""},
  };
  for (const auto& [lines, stored] : joined) EXPECT_EQ(JoinExpressionLines(lines), stored);
  const std::pair<const char*, Lines> split[] = {
      {"1+1|2|", {"1+1", "2", ""}},
      {"", {""}},
      {"|", {"", ""}},
      {"Привет||мир", {"Привет", "", "мир"}},
  };
  for (const auto& [stored, lines] : split) EXPECT_EQ(SplitExpressionLines(stored), lines) << stored;
}

}  // namespace
}  // namespace vr
