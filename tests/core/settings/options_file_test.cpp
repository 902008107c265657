#include "settings/options_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/settings/temp_folder.h"
#include "files/whole_file.h"
#include "settings/expressions_text.h"
#include "settings/file_bytes.h"
#include "settings/saved_variable.h"

namespace vr {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A file of data/: samples as the program writes them (the defaults, the
// defaults with the optional parts switched off, and every_field.xml, in which
// every saved setting differs from its default and every kind of variable is
// kept), and the table of element rules.
std::string Sample(const char* name) {
  return ReadBytes(testing::SourceFolder("tests/core/settings") / "data" / name);
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

// Each test starts from the default live options.
class OptionsFile : public ::testing::Test {
 protected:
  OptionsFile() { *live = OptionsRecord{}; }
  ScopedOptions live;
};

TEST_F(OptionsFile, SamplesAreWrittenAndReadBackByteForByte) {
  EXPECT_EQ(BuildOptionsText(OptionsRecord{}, {}, ""), Sample("defaults.xml"));
  // Switched off, window positions, expressions and variables are not written.
  OptionsRecord off;
  off.saveWindowsPositions = off.saveExpr = off.saveVars = 0;
  VariableTable one;
  one.Set("a", Value::MakeReal(1));
  EXPECT_EQ(BuildOptionsText(off, one, "1+1"), Sample("switched_off.xml"));
  EXPECT_EQ(BuildOptionsText(Read(Sample("switched_off.xml")).options, one, "1+1"),
            Sample("switched_off.xml"));
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
  WriteBytes(file, Sample("every_field.xml"));
  Loaded l;
  l.result = LoadOptions(file, l.options, l.variables);
  ASSERT_EQ(l.result.status, OptionsFileStatus::Loaded) << l.result.message;
  EXPECT_EQ(l.options.numberFormat, "%e");  // rebuilt from Format 0
  EXPECT_TRUE(l.result.expressionsRead);
  EXPECT_EQ(
      SplitExpressionLines(l.result.expressions),
      (std::vector<std::string>{"1+1", "x=2", "Привет", "мир", "sin(pi/2) ## комментарий", ""}));
  std::string error;
  ASSERT_TRUE(SaveOptions(file, l.options, l.variables, l.result.expressions, &error)) << error;
  EXPECT_EQ(ReadBytes(file), Sample("every_field.xml"));
}

TEST_F(OptionsFile, EachElementIsReadByItsRule) {
  std::istringstream rules(Sample("element_rules.txt"));
  std::string children, text, expected;
  const auto check = [&] {
    EXPECT_NE(text.find("\r\n" + expected), std::string::npos) << children << "\n" << text;
  };
  for (std::string line; std::getline(rules, line);) {
    if (line.starts_with("+ ")) {
      expected += "\r\n" + line.substr(2);
      continue;
    }
    if (!expected.empty()) check();
    expected.clear();
    if (line.starts_with("< ")) text = Read(InOptions(children = line.substr(2))).Rewritten();
    if (line.starts_with("> ")) expected = line.substr(2);
  }
  if (!expected.empty()) check();
  // A file that is not UTF-8 is read as Windows-1251.
  EXPECT_NE(Read(InOptions("<Expressions>\xCF\xF0\xE8\xE2\xE5\xF2</Expressions>"))
                .Rewritten()
                .find("<Expressions>Привет</Expressions>"),
            std::string::npos);
  SavedVariable saved;
  EXPECT_FALSE(SaveVariable({"", Value::MakeReal(1)}, saved));
  EXPECT_FALSE(SaveVariable({"ref", Value::MakeVariableRef("x")}, saved));
}

// Reals and complex parts are saved with all their digits, whatever the
// results are shown with, and read back as the very same doubles; files
// written with the short pattern still load.
TEST_F(OptionsFile, SavedNumbersComeBackUnchanged) {
  live->format = 0;
  live->precision = 3;
  live->RebuildNumberFormat();
  const double pi = std::acos(-1.0);
  const Value rows[] = {
      Value::MakeReal(1.0 / 3),      Value::MakeReal(pi),
      Value::MakeReal(1e-300),       Value::MakeReal(-2.5e10),
      Value::MakeReal(-0.0),         Value::MakeReal(5e-324),
      Value::MakeReal(-1.7976931348623157e308),
      Value::MakeComplex(1.0 / 3, -pi), Value::MakeComplex(-1e-300, 0.0),
      Value::MakeComplex(-0.1, -0.0)};
  for (const Value& v : rows) {
    SavedVariable saved;
    ASSERT_TRUE(SaveVariable({"v", v}, saved));
    const Value back = RestoreVariableValue(saved.varType, saved.value);
    ASSERT_EQ(back.kind, v.kind) << saved.value;
    const bool complex = v.kind == ValueKind::Complex;
    for (auto [was, is] : {std::pair{complex ? v.num.complex.re : v.num.real,
                                     complex ? back.num.complex.re : back.num.real},
                           std::pair{complex ? v.num.complex.im : 0.0,
                                     complex ? back.num.complex.im : 0.0}}) {
      EXPECT_EQ(was, is) << saved.value;
      EXPECT_EQ(std::signbit(was), std::signbit(is)) << saved.value;
    }
  }
  SavedVariable saved;
  SaveVariable({"r", Value::MakeReal(1.0 / 3)}, saved);
  EXPECT_EQ(saved.value, "3.3333333333333331e-01");
  SaveVariable({"c", Value::MakeComplex(-0.5, -2)}, saved);
  EXPECT_EQ(saved.value, "-5.0000000000000000e-01-i2.0000000000000000e+00");
  EXPECT_EQ(RestoreVariableValue("0", "3.333333e-01").num.real, 0.3333333);
  const Value old = RestoreVariableValue("4", "1.500000e+00-i2.000000e-01");
  EXPECT_TRUE(old.num.complex.re == 1.5 && old.num.complex.im == -0.2);
}

TEST_F(OptionsFile, DamagedOrUnreadableFilesLeaveTheDefaults) {
  TempFolder folder;
  const std::string good = Sample("every_field.xml");
  std::mt19937 random(12345);
  std::string binary(4096, '\0');
  for (char& c : binary) c = static_cast<char>(random());
  std::vector<std::pair<std::filesystem::path, OptionsFileStatus>> rows = {
      {folder / "missing.xml", OptionsFileStatus::Missing},
      {folder / "no" / "such" / "options.xml", OptionsFileStatus::Missing},
      {folder.Path(), OptionsFileStatus::Unreadable},
  };
  for (const std::string& bytes :
       {binary, std::string(10u << 20, 'x'), std::string("\xFF\xFE"),
        std::string("\xFF\xFE<\0a\0/", 7), std::string("<Options><Radian>0\0</Radian>", 28),
        good.substr(0, good.size() / 2), good.substr(0, good.size() - 4),
        std::string("<Options>")}) {
    rows.push_back({folder / std::to_string(rows.size()), OptionsFileStatus::NotWellFormed});
    WriteBytes(rows.back().first, bytes);
  }
  std::filesystem::resize_file(rows.back().first,
                               kMaxDataFileBytes);  // just small enough to be read
  rows.push_back({folder / "huge", OptionsFileStatus::Unreadable});
  WriteBytes(rows.back().first, "<Options>");
  std::filesystem::resize_file(rows.back().first, kMaxDataFileBytes + 1);
  for (const auto& [file, status] : rows) {
    Loaded l = Read(good);
    VariableTable variables;
    l.result = LoadOptions(file, l.options, variables);
    EXPECT_EQ(l.result.status, status) << file;
    EXPECT_EQ(l.result.message.empty(), status == OptionsFileStatus::Missing) << l.result.message;
    EXPECT_EQ(BuildOptionsText(l.options, variables, l.result.expressions), Sample("defaults.xml"))
        << file;
    EXPECT_EQ(l.options.numberFormat, "%.15g");
  }
  // A huge but well-formed file is read.
  const std::string big(10u << 20, '7');
  EXPECT_EQ(Read(InOptions("<Expressions>" + big + "</Expressions>")).result.expressions, big);
}

// The hidden temporaries of interrupted saves in `folder`.
std::vector<std::string> Temporaries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(".options.xml.") && name.ends_with(".tmp")) names.push_back(name);
  }
  return names;
}

TEST_F(OptionsFile, ACrashBeforeTheRenameLeavesThePreviousFile) {
  TempFolder folder;
  const std::filesystem::path file = OptionsFilePath(folder.Path());
  const std::string before = BuildOptionsText(Read(Sample("every_field.xml")).options, {}, "");
  WriteBytes(file, before);
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(file, "new", &error, AtomicWriteStop::AfterTemporaryFile));
  EXPECT_NE(error.find(file.string()), std::string::npos) << error;
  EXPECT_EQ(ReadBytes(file), before);
  const std::vector<std::string> left = Temporaries(folder.Path());
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(ReadBytes(folder / left[0]), "new");
  // The next save takes a name of its own; the leftover goes only when the
  // folder's writer clears it.
  ASSERT_TRUE(SaveOptions(file, OptionsRecord{}, {}, "", &error)) << error;
  EXPECT_EQ(ReadBytes(file), Sample("defaults.xml"));
  EXPECT_EQ(Temporaries(folder.Path()), left);
  EXPECT_EQ(RemoveLeftoverTemporaries(file), 1);
  EXPECT_TRUE(Temporaries(folder.Path()).empty());
  EXPECT_EQ(ReadBytes(file), Sample("defaults.xml"));
}

TEST_F(OptionsFile, AFailedSaveReportsAndKeepsTheOldFileWhole) {
  TempFolder folder;
  WriteBytes(folder / "plain-file", "not a folder");
  std::filesystem::create_directories(folder / "taken" / "options.xml" / "inside");
  for (const std::filesystem::path& file : {
           folder / "missing" / "options.xml",     // the folder does not exist
           folder / "plain-file" / "options.xml",  // the folder is a file
           folder / "taken" / "options.xml",       // a folder stands where the file goes
       }) {
    std::string error;
    EXPECT_FALSE(SaveOptions(file, OptionsRecord{}, {}, "", &error)) << file;
    EXPECT_NE(error.find(file.parent_path().string()), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
  EXPECT_FALSE(SaveOptions(folder / "missing" / "options.xml", OptionsRecord{}, {}, ""));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken" / "options.xml" / "inside"));
  EXPECT_TRUE(Temporaries(folder / "taken").empty());
}

// The window's expression lines are kept in one text, a "|" between lines.
TEST(ExpressionsText, LinesAreJoinedWithBarsAndSplitAtEveryBar) {
  using Lines = std::vector<std::string>;
  const std::pair<Lines, const char*> joined[] = {
      {{"1+1", "2", ""}, "1+1|2|"},          {{"1+1", "2"}, "1+1|2"},
      {{"a  \r\n", "", "  ", "b\r"}, "a|b"}, {{"", "x"}, "x"},
      {{"  x", "y\t"}, "  x|y\t"},           {{"", ""}, ""},
  };
  for (const auto& [lines, stored] : joined) EXPECT_EQ(JoinExpressionLines(lines), stored);
  const std::pair<const char*, Lines> split[] = {
      {"1+1|2|", {"1+1", "2", ""}},
      {"", {""}},
      {"|", {"", ""}},
      {"Привет||мир", {"Привет", "", "мир"}},
  };
  for (const auto& [stored, lines] : split)
    EXPECT_EQ(SplitExpressionLines(stored), lines) << stored;

  // The window shows only its last lines; the earlier ones are kept in their
  // stored form and come back in front of the window's lines.
  struct Tail {
    const char* stored;
    std::size_t kept;
    const char* earlier;
    Lines last;
    const char* rejoined;
  };
  const Tail tails[] = {
      {"a|b|c", 2, "a", {"b", "c"}, "a|b|c"},     {"a|b|c", 3, "", {"a", "b", "c"}, "a|b|c"},
      {"a|b|c", 5, "", {"a", "b", "c"}, "a|b|c"}, {"a|b||", 2, "a|b", {"", ""}, "a|b|"},
      {"a||b|c", 1, "a||b", {"c"}, "a||b|c"},     {"", 3, "", {""}, ""},
  };
  for (const auto& [stored, kept, earlier, last, rejoined] : tails) {
    const StoredTail tail = SplitStoredTail(stored, kept);
    EXPECT_EQ(tail.earlier, earlier) << stored << " " << kept;
    EXPECT_EQ(tail.last, last) << stored << " " << kept;
    EXPECT_EQ(JoinAfterEarlierLines(tail.earlier, tail.last), rejoined)
        << stored << " " << kept;
  }
}

}  // namespace
}  // namespace vr
