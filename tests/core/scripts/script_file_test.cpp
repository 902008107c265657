#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

#include "script_test_support.h"
#include "scripts/script_folder.h"

namespace vr {
namespace {

using testing::ScriptSession;
using testing::TempFolder;
using testing::Write;

// A statement as "Type label|text"; empty when the line holds none.
std::string Parsed(std::string_view line) {
  static const char* const kTypes[] = {"Expression", "Func", "EndFunc", "If",     "ElIf", "EndIf",
                                       "Else",       "Goto", "Label",   "Return", "Write"};
  ScriptStatement s;
  s.label = "stale";
  if (!ParseScriptLine(line, s)) return "";
  return kTypes[static_cast<int>(s.type)] + (" " + s.label) + "|" + s.text;
}

TEST(ScriptLine, ReadsEveryStatementType) {
  const std::pair<std::string_view, const char*> rows[] = {
      {"## only a comment", ""},
      {" \t \r", ""},
      {"(1+2)", ""},
      {"1+2", ""},
      {"_x = 1", ""},
      {"x = 1 ## note", "Expression |x = 1"},
      {"a##b##c", "Expression |a"},
      {"ifx = 3", "Expression |ifx = 3"},
      {"if0 = 3", "Expression |if0 = 3"},
      {"else9", "Expression |else9"},
      {"площадь = 2", "Expression |площадь = 2"},
      {"loop :", "Expression |loop :"},
      {"Func Sum(a;b) ## adds", "Func |Sum(a;b)## adds"},
      {"FUNCTION f ## a ## b", "Func |f## a ## b"},
      {"endfunc ## done", "EndFunc |"},
      {"If   x > 1  ", "If |x > 1"},
      {"if(x>1)", "If |(x>1)"},
      {"ELIF x", "ElIf |x"},
      {"else", "Else |"},
      {"EndIf", "EndIf |"},
      {"goto   Loop", "Goto |Loop"},
      {"return", "Return |"},
      {"write 1+1", "Write |1+1"},
      {"loop: x = x + 1", "Label loop| x = x + 1"},
      {"else:", "Label else|"},
      {"счёт_0_9:x", "Label счёт_0_9|x"},
      // Only the given text counts, not what follows it in memory.
      {std::string_view("ifx", 2), "If |"},
      {std::string_view("loop:", 4), "Expression |loop"},
  };
  for (const auto& [line, parsed] : rows) EXPECT_EQ(Parsed(line), parsed) << line;
}

TEST(ScriptFile, LoadsEncodingsAccumulatesAndReportsUnusableFiles) {
  TempFolder folder;
  ScopedScriptStatements live;
  EXPECT_EQ(FindUserFunction(""), -1);
  const std::string cp1251 =
      "func \xCF\xEB\xEE\xF9\xE0\xE4\xFC(a) ## \xEF\xEB\xEE\xF9\xE0\xE4\xFC\r\nendfunc\r\n";
  for (const std::string& bytes : {std::string("func Площадь(a) ## площадь\nendfunc"), cp1251}) {
    ASSERT_EQ(LoadScriptFile(Write(folder, "f.usc", bytes), true), 1);
    EXPECT_EQ(ListUserFunctions(), std::vector<std::string>{"Площадь(a)## площадь"});
  }
  // A second file adds to the first; functions are found by their declared name.
  ASSERT_EQ(
      LoadScriptFile(Write(folder, "g.usc",
                           "x = 0\nfunc Sum (a;b) ## adds\r\nendfunc\nfunc bare ## no brackets\n"
                           "endfunc\nfunc SUM(c)\nendfunc\nfunc (x)\nendfunc"),
                     false),
      1);
  const std::pair<const char*, int> found[] = {
      {"sum", 3},   {"SUM", 3}, {"площадь", 0}, {"bare## no brackets", 5},
      {"bare", -1}, {"x", -1},  {"", 9},
  };
  for (const auto& [name, index] : found) EXPECT_EQ(FindUserFunction(name), index) << name;
  EXPECT_EQ(ListUserFunctions(),
            (std::vector<std::string>{"Площадь(a)## площадь", "Sum (a;b)## adds",
                                      "bare## no brackets", "SUM(c)", "(x)"}));

  std::filesystem::create_directories(folder / "dir.usc");
  for (const auto& path : {folder / "missing.usc", folder / "dir.usc",
                           Write(folder, "binary.usc", std::string("func f()\0\n", 10))}) {
    std::ostringstream report;
    EXPECT_EQ(LoadScriptFile(path, false, &report), 0) << path;
    EXPECT_NE(report.str().find(path.string()), std::string::npos) << report.str();
    EXPECT_EQ(ScriptStatements().Count(), 11) << path;
    EXPECT_EQ(LoadScriptFile(path, false), 0) << "no report wanted";
  }
}

TEST(ScriptFolder, LoadsLibrariesByNameThenRunsTheStartupScript) {
  // a.usc, b.usc, C.USC, ".usc", notes.txt, the folder sub.usc and StartUp.Usc,
  // whose line "if 1" holds no keyword: it is the variable if1.
  const std::filesystem::path library = testing::SourceFolder("tests/core/scripts") / "data/library";
  ScriptSession session;
  std::ostringstream report;
  const std::filesystem::path startup = LoadScriptLibraries(library, report);
  EXPECT_EQ(startup, library / "StartUp.Usc");
  // In byte order of the names, "C.USC" < "a.usc" < "b.usc".
  EXPECT_EQ(ListUserFunctions(),
            (std::vector<std::string>{"onlyc()", "which()", "which()", "noisy(v)"}));

  EXPECT_TRUE(RunStartupScript(session.engine, startup, report));
  EXPECT_EQ(report.str(), "");
  EXPECT_EQ(session.Eval("rate") + " " + session.Eval("y") + " " + session.Eval("w") + " " +
                session.Eval("picked"),
            "0.2 2 7 'a'");
  // Nothing is on screen while the program starts.
  EXPECT_TRUE(session.output.lines.empty());
  EXPECT_EQ(session.engine.outputWindow, &session.output);

  TempFolder folder;
  EXPECT_TRUE(LoadScriptLibraries(folder / "no such folder", report).empty());
  EXPECT_FALSE(RunStartupScript(session.engine, {}, report));
  EXPECT_EQ(report.str(), "");
  EXPECT_FALSE(RunStartupScript(session.engine, folder / "gone.usc", report));
  EXPECT_NE(report.str().find("gone.usc"), std::string::npos);
  EXPECT_FALSE(
      RunStartupScript(session.engine, Write(folder, "bin.usc", std::string("x\0", 2)), report));
  EXPECT_NE(report.str().find("bin.usc\" is skipped: not a text file."), std::string::npos);

  // A pipe named like a library must not hold up the start-up.
  ASSERT_EQ(::mkfifo((folder / "pipe.usc").c_str(), 0600), 0);
  EXPECT_TRUE(LoadScriptLibraries(folder.Path(), report).empty());
  EXPECT_NE(report.str().find("pipe.usc\" is skipped: not a regular file."), std::string::npos);
}

}  // namespace
}  // namespace vr
