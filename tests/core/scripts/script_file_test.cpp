#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "script_test_support.h"
#include "scripts/script_folder.h"

namespace vr {
namespace {

using testing::ScratchFolder;
using testing::ScriptSession;

TEST(ScriptLine, ReadsEveryStatementType) {
  using T = StatementType;
  const struct {
    const char* line;
    bool kept;
    StatementType type = T::Expression;
    const char* label = "";
    const char* text = "";
  } cases[] = {
      {"## only a comment", false},
      {" \t \r", false},
      {"(1+2)", false},
      {"1+2", false},
      {"'text'", false},
      {"_x = 1", false},
      {"x = 1 ## note", true, T::Expression, "", "x = 1"},
      {"a##b##c", true, T::Expression, "", "a"},
      {"ifx = 3", true, T::Expression, "", "ifx = 3"},
      {"площадь = 2", true, T::Expression, "", "площадь = 2"},
      {"loop :", true, T::Expression, "", "loop :"},
      {"Func Sum(a;b) ## adds", true, T::Func, "", "Sum(a;b)## adds"},
      {"FUNCTION f ## a ## b", true, T::Func, "", "f## a ## b"},
      {"endfunc ## done", true, T::EndFunc},
      {"If   x > 1  ", true, T::If, "", "x > 1"},
      {"if(x>1)", true, T::If, "", "(x>1)"},
      {"ELIF x", true, T::ElIf, "", "x"},
      {"else", true, T::Else},
      {"EndIf", true, T::EndIf},
      {"goto   Loop", true, T::Goto, "", "Loop"},
      {"return", true, T::Return},
      {"write 1+1", true, T::Write, "", "1+1"},
      {"loop: x = x + 1", true, T::Label, "loop", " x = x + 1"},
      {"else:", true, T::Label, "else", ""},
      {"счёт_2:x", true, T::Label, "счёт_2", "x"},
  };
  for (const auto& c : cases) {
    ScriptStatement statement;
    statement.label = "stale";
    ASSERT_EQ(ParseScriptLine(c.line, statement), c.kept) << '"' << c.line << '"';
    if (!c.kept) continue;
    EXPECT_EQ(statement.type, c.type) << c.line;
    EXPECT_EQ(statement.label, c.label) << c.line;
    EXPECT_EQ(statement.text, c.text) << c.line;
  }
}

TEST(ScriptStatementList, FindsFunctionsByDeclaredName) {
  ScriptStatementList list;
  AppendScriptText(
      "x = 0\nfunc Sum (a;b) ## adds\nendfunc\nfunc Площадь(a)\nendfunc\n"
      "func bare ## no brackets\nendfunc\nfunc SUM(c)\nendfunc\n",
      list);
  const std::pair<const char*, int> cases[] = {
      {"sum", 1}, {"SUM", 1}, {"площадь", 3}, {"bare## no brackets", 5}, {"bare", -1}, {"x", -1},
  };
  for (const auto& [name, index] : cases) EXPECT_EQ(list.FindUserFunction(name), index) << name;
  EXPECT_EQ(list.ListUserFunctions(), (std::vector<std::string>{"Sum (a;b)## adds", "Площадь(a)",
                                                                "bare## no brackets", "SUM(c)"}));
  list.Clear();
  EXPECT_EQ(list.FindUserFunction("sum"), -1);
}

TEST(ScriptFile, LoadsEncodingsAccumulatesAndReportsUnusableFiles) {
  ScratchFolder folder("load");
  ScopedScriptStatements live;
  std::string utf16 = "\xFF\xFE";
  for (const char16_t c : std::u16string(u"func Площадь(a) ## площадь\r\nendfunc\r\n")) {
    utf16 += static_cast<char>(c & 0xFF);
    utf16 += static_cast<char>(c >> 8);
  }
  const std::string cp1251 =
      "func \xCF\xEB\xEE\xF9\xE0\xE4\xFC(a) ## \xEF\xEB\xEE\xF9\xE0\xE4\xFC\nendfunc\n";
  for (const std::string& bytes :
       {std::string("func Площадь(a) ## площадь\nendfunc\n"), utf16, cp1251}) {
    ASSERT_EQ(LoadScriptFile(folder.Write("f.usc", bytes), true), 1);
    EXPECT_EQ(ListUserFunctions(), std::vector<std::string>{"Площадь(a)## площадь"});
  }
  ASSERT_EQ(LoadScriptFile(folder.Write("g.usc", "func g()\nendfunc\n"), false), 1);
  EXPECT_EQ(FindUserFunction("g"), 2);

  std::filesystem::create_directories(folder.Path() / "dir.usc");
  for (const auto& path : {folder.Path() / "missing.usc", folder.Path() / "dir.usc",
                           folder.Write("binary.usc", std::string("func f()\0\n", 10))}) {
    std::ostringstream report;
    EXPECT_EQ(LoadScriptFile(path, false, &report), 0) << path;
    EXPECT_NE(report.str().find(path.string()), std::string::npos) << report.str();
    EXPECT_EQ(ScriptStatements().Count(), 4) << path;
  }
}

TEST(ScriptFolder, LoadsLibrariesByNameThenRunsTheStartupScript) {
  ScratchFolder folder("libraries");
  folder.Write("b.usc",
               "func which()\nreturn 'b'\nendfunc\nfunc noisy(v)\nwrite v\nreturn v\nendfunc\n");
  folder.Write("a.usc", "func which()\nreturn 'a'\nendfunc\n");
  folder.Write("C.USC", "func onlyc()\nendfunc\n");
  folder.Write("notes.txt", "func nottxt()\nendfunc\n");
  std::filesystem::create_directories(folder.Path() / "sub.usc");
  folder.Write("StartUp.Usc",
               "rate = 0.2 ## the usual rate\n"
               "nothere + 1\n"
               "  y = rate*10  \r\n"
               "if 1\n"  // no keywords here: the variable if1
               "w = noisy(7)\n"
               "picked = which(0)");

  ScriptSession session;
  std::ostringstream report;
  const std::filesystem::path startup = LoadScriptLibraries(folder.Path(), report);
  EXPECT_EQ(startup, folder.Path() / "StartUp.Usc");
  // In byte order of the names, "C.USC" < "a.usc" < "b.usc".
  EXPECT_EQ(ListUserFunctions(),
            (std::vector<std::string>{"onlyc()", "which()", "which()", "noisy(v)"}));

  EXPECT_TRUE(RunStartupScript(session.engine, startup, report));
  EXPECT_EQ(report.str(), "");
  for (const auto& [line, shown] : std::vector<std::pair<const char*, const char*>>{
           {"rate", "0.2"}, {"y", "2"}, {"w", "7"}, {"picked", "'a'"}}) {
    EXPECT_EQ(session.Eval(line), shown) << line;
  }
  // Nothing is on screen while the program starts.
  EXPECT_TRUE(session.output.lines.empty());
  EXPECT_EQ(session.engine.outputWindow, &session.output);

  EXPECT_TRUE(LoadScriptLibraries(folder.Path() / "no such folder", report).empty());
  EXPECT_FALSE(RunStartupScript(session.engine, {}, report));
  EXPECT_EQ(report.str(), "");
  EXPECT_FALSE(RunStartupScript(session.engine, folder.Path() / "gone.usc", report));
  EXPECT_NE(report.str().find("gone.usc"), std::string::npos);
}

}  // namespace
}  // namespace vr
