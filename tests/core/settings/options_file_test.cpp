#include "settings/options_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/settings/options_fields.h"
#include "core/settings/temp_folder.h"
#include "core/values/value_description.h"
#include "settings/expressions_text.h"

namespace vr {
namespace {

using testing::Describe;
using testing::FieldMismatches;
using testing::SavedFields;

std::string InOptions(std::string_view children) {
  return "<Options>\r\n" + std::string(children) + "</Options>\r\n";
}

OptionsRecord Read(std::string_view bytes, VariableTable* variables = nullptr,
                   OptionsLoadResult* result = nullptr) {
  OptionsRecord options;
  options.radian = 7;  // anything; loading starts from the defaults
  VariableTable scratch;
  OptionsLoadResult r = ReadOptionsText(bytes, options, variables ? *variables : scratch);
  if (result) *result = r;
  return options;
}

TEST(OptionsFile, EachElementIsReadByItsRule) {
  struct Row {
    const char* children;
    const char* expected;
  };
  const Row rows[] = {
      // Precision: out of 0..15 is 15; atoi without an emptiness test.
      {"<Precision>20</Precision>", "precision=15"},
      {"<Precision>-3</Precision>", "precision=15"},
      {"<Precision>0</Precision>", "precision=0"},
      {"<Precision>9 digits</Precision>", "precision=9"},
      {"<Precision/>", "precision=0"},
      // Flags are 1 only for the exact text "1".
      {"<Radian>0</Radian><Format>0</Format>", "radian=0 format=0"},
      {"<Radian> 1</Radian>", "radian=0"},
      {"<Radian>yes</Radian><SaveResults>1</SaveResults>", "radian=0 saveResults=1"},
      {"<SaveResults>2</SaveResults><StayOnTop>1</StayOnTop>", "saveResults=0 stayOnTop=1"},
      {"<English>0</English><ShowScriptResult>1</ShowScriptResult>", "english=1 showScriptResult=1"},
      {"<ShowCalcResult>0</ShowCalcResult><English>0</English>", "showCalcResult=0 english=0"},
      // Numbers and colours; an empty text gives 0.
      {"<DateFormat>2</DateFormat><FontSize>5</FontSize>", "dateFormat=2 fontSize=5"},
      {"<DateFormat/><FontSize/>", "dateFormat=0 fontSize=0"},
      {"<BackColor>255</BackColor><TextColor>-1</TextColor>",
       "backColor=255 textColor=4294967295"},
      {"<TextHighlight/><ButtonHighlight>12345678</ButtonHighlight>",
       "textHighlight=0 buttonHighlight=12345678"},
      {"<DigitColor>1</DigitColor><OperationColor>2</OperationColor><FunctionColor>3</FunctionColor>",
       "digitColor=1 operationColor=2 functionColor=3"},
      {"<NumberBase>3</NumberBase>", "numberBase=3"},
      {"<NumberBase/>", "numberBase=0"},
      // The hot key: key and modifiers, or the key alone.
      {"<HotKey>65 6</HotKey>", "hotKeyKey=65 hotKeyModifiers=6"},
      {"<HotKey>65</HotKey>", "hotKeyKey=65 hotKeyModifiers=0"},
      {"<HotKey>0 0</HotKey>", "hotKeyKey=0 hotKeyModifiers=0"},
      {"<HotKey>x 3</HotKey>", "hotKeyKey=0 hotKeyModifiers=3"},
      {"<HotKey/>", "hotKeyKey=0 hotKeyModifiers=0"},
      // Switches: any non-zero number is on; an empty text keeps the field.
      {"<minToTray>5</minToTray><closeMinimize>1</closeMinimize><autoClip>-1</autoClip>",
       "minToTray=1 closeMinimize=1 autoClip=1"},
      {"<minToTray>on</minToTray><autoClip/>", "minToTray=0 autoClip=0"},
      {"<autoStart minized=\"1\">1</autoStart>", "autoStart=1 startMinimized=1"},
      {"<autoStart minized=\"3\">0</autoStart>", "autoStart=0 startMinimized=3"},
      {"<autoStart minized=\"\">1</autoStart>", "autoStart=1 startMinimized=0"},
      {"<minToTray minized=\"1\">1</minToTray>", "minToTray=1 startMinimized=0"},
      // Geometry: non-empty attributes only, and only while positions are saved.
      {"<Geometry Top=\"10\" Left=\"20\" Width=\"300\" Height=\"400\"/>",
       "main.top=10 main.left=20 main.width=300 main.height=400"},
      {"<Geometry Top=\"\" Left=\"-5\" Width=\"x\"/>",
       "main.top=-1 main.left=-5 main.width=0 main.height=-1"},
      {"<SaveWindowsPositions>0</SaveWindowsPositions><Geometry Top=\"10\"/>"
       "<GeometryVars Top=\"1\" Left=\"2\"/>",
       "saveWindowsPositions=0 main.top=-1 vars.top=-1 vars.left=-1"},
      {"<GeometryVars Top=\"1\" Left=\"2\"/><GeometryFuncs Top=\"3\" Left=\"4\" Height=\"5\" "
       "Width=\"6\"/><Geometry2D Top=\"7\" Left=\"8\" Height=\"9\" Width=\"10\"/><Geometry3D "
       "Top=\"11\" Left=\"12\" Height=\"13\" Width=\"14\"/>",
       "vars.top=1 vars.left=2 funcs.top=3 funcs.left=4 funcs.height=5 funcs.width=6 g2.top=7 "
       "g2.left=8 g2.height=9 g2.width=10 g3.top=11 g3.left=12 g3.height=13 g3.width=14"},
      // Every search starts after the element found last.
      {"<Radian>0</Radian><SaveWindowsPositions>1</SaveWindowsPositions>", "radian=1"},
      {"<Format>0</Format><Radian>0</Radian>", "radian=0 format=1"},
      {"<FunctionColor>9</FunctionColor><Radian>0</Radian>", "radian=0 functionColor=0"},
      {"<Geometry3D Top=\"1\"/><Geometry2D Top=\"2\"/>", "g2.top=2 g3.top=-1"},
      // Only children of the root count.
      {"<Wrapper><Radian>0</Radian></Wrapper>", "radian=1"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(FieldMismatches(Read(InOptions(r.children)), r.expected), "") << r.children;
  }
}

TEST(OptionsFile, MissingElementsKeepTheirDefaults) {
  const OptionsRecord defaults;
  for (const char* text : {"<Options/>", "<Options></Options>", "<Other><Nothing/></Other>"}) {
    OptionsLoadResult result;
    EXPECT_EQ(SavedFields(Read(text, nullptr, &result)), SavedFields(defaults)) << text;
    EXPECT_EQ(result.status, OptionsFileStatus::Loaded);
    EXPECT_FALSE(result.expressionsRead);
  }
  // The root is found whatever its name.
  EXPECT_EQ(Read("<Settings><Radian>0</Radian></Settings>").radian, 0);
}

TEST(OptionsFile, ExpressionsAndVariablesAreReadOnlyWhenTheirSwitchIsOn) {
  struct Row {
    const char* children;
    bool expressionsRead;
    const char* expressions;
    const char* variables;  // name=description; ...
  };
  const Row rows[] = {
      {"<Expressions>1+1|2|</Expressions>", true, "1+1|2|", ""},
      {"<Expressions/>", true, "", ""},
      {"<SaveExpr>0</SaveExpr><Expressions>1+1</Expressions>", false, "", ""},
      {"<Expressions>a &lt; b</Expressions><SaveExpr>0</SaveExpr>", false, "", ""},
      {"<Vars><Item Name=\"a\" VarType=\"0\" Value=\"2.5\"/><Item Name=\"b\" VarType=\"4\" "
       "Value=\"1-i2\"/></Vars>",
       false, "", "a=Real 2.5;b=Complex 1 -2;"},
      {"<SaveVars>0</SaveVars><Vars><Item Name=\"a\" VarType=\"0\" Value=\"1\"/></Vars>", false, "",
       ""},
      {"<Vars><Item VarType=\"0\" Value=\"1\"/><Other Name=\"o\"/><Item Name=\"x\" Value=\"3\"/>"
       "<Item Name=\"X\" VarType=\"1\" Value=\"4\"/></Vars>",
       false, "", "x=Integer 4;"},
      // Stepping out of "Vars" goes on after it.
      {"<Vars><Item Name=\"v\" VarType=\"3\" Value=\"1:2:3\"/></Vars><English>0</English>", false,
       "", "v=Time 1 2 3;"},
  };
  for (const Row& r : rows) {
    VariableTable variables;
    OptionsLoadResult result;
    const OptionsRecord options = Read(InOptions(r.children), &variables, &result);
    EXPECT_EQ(result.expressionsRead, r.expressionsRead) << r.children;
    EXPECT_EQ(result.expressions, r.expressions) << r.children;
    std::string described;
    for (int i = 0; i < variables.Count(); ++i) {
      described += variables.At(i)->name + "=" + Describe(variables.At(i)->value) + ";";
    }
    EXPECT_EQ(described, r.variables) << r.children;
    if (std::string_view(r.children).find("English") != std::string_view::npos) {
      EXPECT_EQ(options.english, 0);
    }
  }
}

// A record in which every saved field differs from its default.
OptionsRecord Unusual() {
  OptionsRecord o;
  o.radian = 0;
  o.format = 0;
  o.saveResults = 1;
  o.english = 0;
  o.precision = 7;
  o.mainWindow = {11, 12, 13, 14};
  o.functionsDialog = {21, 22, 23, 24};
  o.graph2D = {31, 32, 33, 34};
  o.graph3D = {-41, -42, 43, 44};
  o.varsDialogTop = 51;
  o.varsDialogLeft = 52;
  o.dateFormat = 2;
  o.showCalcResult = 0;
  o.showScriptResult = 1;
  o.backColor = 0x00102030;
  o.textColor = 0x00FFFFFF;
  o.textHighlight = 0xFF000001;  // beyond the signed range: stays exact
  o.buttonHighlight = 0x00CCCABF;
  o.digitColor = 0x00000011;
  o.functionColor = 0x00000022;
  o.operationColor = 0x00000033;
  o.fontSize = 4;
  o.stayOnTop = 1;
  o.numberBase = 3;
  o.hotKeyKey = 65;
  o.hotKeyModifiers = 6;
  o.minToTray = 1;
  o.autoStart = 1;
  o.startMinimized = 1;
  o.closeMinimize = 1;
  o.autoClip = 1;
  return o;
}

VariableTable EveryKind() {
  DayDate when = DayDate::FromYmdHms(2024, 3, 15, 10, 20, 30);
  VariableTable v;
  v.Set("r", Value::MakeReal(2.5));
  v.Set("tiny", Value::MakeReal(-1e-5));
  v.Set("i", Value::MakeInteger(4294967294.0));
  v.Set("neg", Value::MakeInteger(-7));
  v.Set("f", Value::MakeFraction(1, 2, 3));
  v.Set("g", Value::MakeFraction(0, -2, 3));
  v.Set("t", Value::MakeTime(1, 2, 3));
  v.Set("u", Value::MakeTime(0, 5, 7));
  v.Set("c", Value::MakeComplex(1.5, -2));
  v.Set("d", Value::MakeComplex(-0.5, 0.25));
  v.Set("s", Value::MakeString("it's \"quoted\" <&> | ok"));
  v.Set("ru", Value::MakeString("Привет, мир"));
  v.Set("empty", Value::MakeString(""));
  v.Set("day", Value::MakeDate(when));
  v.Set("переменная", Value::MakeReal(42));
  return v;
}

std::string DescribeAll(const VariableTable& v) {
  std::string out;
  for (int i = 0; i < v.Count(); ++i) {
    const VariableEntry& e = *v.At(i);
    out += e.name + "=" + Describe(e.value);
    if (e.value.kind == ValueKind::Date) out += " serial " + std::to_string(e.value.date.serial);
    out += "\n";
  }
  return out;
}

TEST(OptionsFile, SaveThenLoadGivesBackEverything) {
  ScopedOptions live;  // the variables are written through the live pattern
  live->format = 1;
  live->precision = 15;
  live->RebuildNumberFormat();

  const std::vector<std::string> lines = {"1+1", "x=2   ", "", "Привет|мир", "sin(pi/2) ## комментарий",
                                          ""};
  const std::string expressions = JoinExpressionLines(lines);
  ASSERT_EQ(expressions, "1+1|x=2|Привет|мир|sin(pi/2) ## комментарий|");

  testing::TempFolder folder;
  const std::filesystem::path file = OptionsFilePath(folder.Path());
  const OptionsRecord saved = Unusual();
  std::string error;
  ASSERT_TRUE(SaveOptions(file, saved, EveryKind(), expressions, &error)) << error;

  OptionsRecord loaded;
  VariableTable variables;
  const OptionsLoadResult result = LoadOptions(file, loaded, variables);
  ASSERT_EQ(result.status, OptionsFileStatus::Loaded) << result.message;
  EXPECT_EQ(SavedFields(loaded), SavedFields(saved));
  EXPECT_EQ(loaded.numberFormat, "%e");  // rebuilt from Format 0
  EXPECT_TRUE(result.expressionsRead);
  EXPECT_EQ(result.expressions, expressions);
  EXPECT_EQ(SplitExpressionLines(result.expressions),
            (std::vector<std::string>{"1+1", "x=2", "Привет", "мир", "sin(pi/2) ## комментарий", ""}));
  EXPECT_EQ(DescribeAll(variables), DescribeAll(EveryKind()));

  // Not saved: these come back at their defaults.
  OptionsRecord withPolar = saved;
  withPolar.graphPolar = {1, 2, 3, 4};
  withPolar.unitMode = 1;
  ASSERT_TRUE(SaveOptions(file, withPolar, {}, "", &error)) << error;
  LoadOptions(file, loaded, variables);
  EXPECT_EQ(loaded.graphPolar.left, -1);
  EXPECT_EQ(loaded.unitMode, 0);
}

TEST(OptionsFile, SwitchedOffPartsAreNeitherWrittenNorRead) {
  OptionsRecord o = Unusual();
  o.saveWindowsPositions = 0;
  o.saveExpr = 0;
  o.saveVars = 0;
  const std::string text = BuildOptionsText(o, EveryKind(), "1+1");
  for (const char* absent : {"<Geometry", "<Expressions", "<Vars", "<Item"}) {
    EXPECT_EQ(text.find(absent), std::string::npos) << absent;
  }
  VariableTable variables;
  OptionsLoadResult result;
  const OptionsRecord loaded = Read(text, &variables, &result);
  EXPECT_EQ(FieldMismatches(loaded, "main.top=-1 funcs.top=-1 g2.top=-1 g3.top=-1 vars.top=-1 "
                                    "saveWindowsPositions=0 saveExpr=0 saveVars=0 radian=0"),
            "");
  EXPECT_FALSE(result.expressionsRead);
  EXPECT_EQ(variables.Count(), 0);
}

TEST(OptionsFile, WrittenLayoutIsOneElementPerLine) {
  OptionsRecord o;
  o.saveWindowsPositions = 0;
  o.saveExpr = 0;
  o.saveVars = 0;
  EXPECT_EQ(BuildOptionsText(o, {}, ""),
            "<Options>\r\n"
            "<SaveWindowsPositions>0</SaveWindowsPositions>\r\n"
            "<Radian>1</Radian>\r\n<SaveExpr>0</SaveExpr>\r\n<SaveVars>0</SaveVars>\r\n"
            "<Format>1</Format>\r\n<Precision>15</Precision>\r\n"
            "<ShowCalcResult>1</ShowCalcResult>\r\n<ShowScriptResult>0</ShowScriptResult>\r\n"
            "<SaveResults>0</SaveResults>\r\n"
            "<English>1</English>\r\n<DateFormat>0</DateFormat>\r\n"
            "<BackColor>16777215</BackColor>\r\n<TextColor>0</TextColor>\r\n"
            "<TextHighlight>13107200</TextHighlight>\r\n<ButtonHighlight>12435901</ButtonHighlight>\r\n"
            "<FontSize>1</FontSize>\r\n<StayOnTop>0</StayOnTop>\r\n<NumberBase>0</NumberBase>\r\n"
            "<HotKey>0 0</HotKey>\r\n<minToTray>0</minToTray>\r\n"
            "<autoStart minized=\"0\">0</autoStart>\r\n"
            "<closeMinimize>0</closeMinimize>\r\n<autoClip>0</autoClip>\r\n"
            "<DigitColor>0</DigitColor>\r\n<OperationColor>0</OperationColor>\r\n"
            "<FunctionColor>0</FunctionColor>\r\n"
            "</Options>\r\n");
  o.saveWindowsPositions = 1;
  o.saveVars = 1;
  VariableTable v;
  v.Set("a", Value::MakeReal(1));
  const std::string text = BuildOptionsText(o, v, "");
  EXPECT_NE(text.find("<SaveWindowsPositions>1</SaveWindowsPositions>\r\n"
                      "<Geometry Top=\"-1\" Left=\"-1\" Width=\"-1\" Height=\"-1\"/>\r\n<Radian>"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("<SaveResults>0</SaveResults>\r\n<GeometryVars Top=\"-1\" Left=\"-1\"/>\r\n"
                      "<GeometryFuncs Top=\"-1\" Left=\"-1\" Height=\"-1\" Width=\"-1\"/>\r\n"
                      "<Geometry2D Top=\"-1\" Left=\"-1\" Height=\"-1\" Width=\"-1\"/>\r\n"
                      "<Geometry3D Top=\"-1\" Left=\"-1\" Height=\"-1\" Width=\"-1\"/>\r\n"
                      "<Vars>\r\n<Item Name=\"a\" VarType=\"0\" Value=\"1\"/>\r\n</Vars>\r\n"
                      "<English>"),
            std::string::npos)
      << text;
}

std::string Utf16LittleEndianWithMark(std::string_view utf8) {
  std::string out = "\xFF\xFE";
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    unsigned code = c;
    std::size_t length = 1;
    if (c >= 0xE0) {
      code = (c & 0x0Fu) << 12 | (utf8[i + 1] & 0x3Fu) << 6 | (utf8[i + 2] & 0x3Fu);
      length = 3;
    } else if (c >= 0xC0) {
      code = (c & 0x1Fu) << 6 | (utf8[i + 1] & 0x3Fu);
      length = 2;
    }
    out += static_cast<char>(code & 0xFF);
    out += static_cast<char>(code >> 8);
    i += length;
  }
  return out;
}

TEST(OptionsFile, Utf16FileLoadsLikeItsUtf8Equivalent) {
  VariableTable v;
  v.Set("имя", Value::MakeString("значение"));
  const std::string text = BuildOptionsText(Unusual(), v, "2+2|Привет");
  VariableTable fromUtf8, fromUtf16;
  OptionsLoadResult r8, r16;
  const OptionsRecord a = Read(text, &fromUtf8, &r8);
  const OptionsRecord b = Read(Utf16LittleEndianWithMark(text), &fromUtf16, &r16);
  ASSERT_EQ(r16.status, OptionsFileStatus::Loaded) << r16.message;
  EXPECT_EQ(SavedFields(a), SavedFields(b));
  EXPECT_EQ(SavedFields(b), SavedFields(Unusual()));
  EXPECT_EQ(r16.expressions, "2+2|Привет");
  EXPECT_EQ(DescribeAll(fromUtf16), "имя=String [значение]\n");
}

TEST(OptionsFile, DamagedFilesLeaveTheDefaults) {
  const std::string good = BuildOptionsText(Unusual(), EveryKind(), "1+1");
  std::mt19937 random(12345);
  std::string binary(4096, '\0');
  for (char& c : binary) c = static_cast<char>(random());
  std::string deep;
  while (deep.size() < 2u << 20) deep += "<a>";
  const std::string manyX(10u << 20, 'x');

  struct Row {
    std::string name;
    std::string bytes;
    OptionsFileStatus status;
  };
  std::vector<Row> rows = {
      {"empty", "", OptionsFileStatus::NotWellFormed},
      {"binary", binary, OptionsFileStatus::NotWellFormed},
      {"10 MB of x", manyX, OptionsFileStatus::NotWellFormed},
      {"2 MB of open tags", deep, OptionsFileStatus::NotWellFormed},
      {"UTF-16 mark only", "\xFF\xFE", OptionsFileStatus::NotWellFormed},
      {"UTF-16 odd length", std::string("\xFF\xFE<\0a\0/", 7), OptionsFileStatus::NotWellFormed},
      {"NUL inside", std::string("<Options><Radian>0\0</Radian>", 28), OptionsFileStatus::NotWellFormed},
  };
  for (std::size_t cut : {1ul, 9ul, 100ul, good.size() / 2, good.size() - 4}) {
    rows.push_back({"cut at " + std::to_string(cut), good.substr(0, cut), OptionsFileStatus::NotWellFormed});
  }
  const OptionsRecord defaults;
  for (const Row& r : rows) {
    VariableTable variables;
    OptionsLoadResult result;
    const OptionsRecord loaded = Read(r.bytes, &variables, &result);
    EXPECT_EQ(result.status, r.status) << r.name;
    EXPECT_FALSE(result.message.empty()) << r.name;
    EXPECT_EQ(SavedFields(loaded), SavedFields(defaults)) << r.name;
    EXPECT_EQ(variables.Count(), 0) << r.name;
    EXPECT_FALSE(result.expressionsRead) << r.name;
  }

  // A huge but well-formed file is read.
  const std::string bigExpressions(10u << 20, '7');
  OptionsLoadResult result;
  Read(InOptions("<Expressions>" + bigExpressions + "</Expressions>"), nullptr, &result);
  EXPECT_EQ(result.status, OptionsFileStatus::Loaded);
  EXPECT_EQ(result.expressions.size(), bigExpressions.size());
}

TEST(OptionsFile, FilesThatCannotBeReadLeaveTheDefaults) {
  testing::TempFolder folder;
  std::filesystem::create_directory(folder / "options.xml");  // a folder, not a file
  const std::filesystem::path huge = folder / "huge.xml";
  testing::WriteBytes(huge, "<Options>");
  std::filesystem::resize_file(huge, kMaxOptionsFileBytes + 1);

  struct Row {
    std::filesystem::path file;
    OptionsFileStatus status;
  };
  const Row rows[] = {
      {folder / "missing.xml", OptionsFileStatus::Missing},
      {folder / "no" / "such" / "options.xml", OptionsFileStatus::Missing},
      {folder / "options.xml", OptionsFileStatus::Unreadable},
      {huge, OptionsFileStatus::Unreadable},
  };
  for (const Row& r : rows) {
    OptionsRecord options = Unusual();
    VariableTable variables;
    const OptionsLoadResult result = LoadOptions(r.file, options, variables);
    EXPECT_EQ(result.status, r.status) << r.file;
    EXPECT_EQ(result.message.empty(), r.status == OptionsFileStatus::Missing) << result.message;
    EXPECT_EQ(SavedFields(options), SavedFields(OptionsRecord{})) << r.file;
    EXPECT_EQ(options.numberFormat, "%.15g");
  }
}

}  // namespace
}  // namespace vr
