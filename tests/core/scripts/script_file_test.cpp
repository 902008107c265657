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

struct LineCase {
  const char* line;
  bool kept;
  StatementType type = StatementType::Expression;
  const char* label = "";
  const char* text = "";
};

TEST(ScriptLine, ReadsEveryStatementType) {
  using T = StatementType;
  const LineCase cases[] = {
      {"## only a comment", false},
      {"", false},
      {" \t \r", false},
      {"(1+2)", false},
      {"1+2", false},
      {"'text'", false},
      {"_x = 1", false},
      {"?*2", false},
      {"x = 1 ## note", true, T::Expression, "", "x = 1"},
      {"  \tx=1\r", true, T::Expression, "", "x=1"},
      {"a##b##c", true, T::Expression, "", "a"},
      {"ifx = 3", true, T::Expression, "", "ifx = 3"},
      {"iffy", true, T::Expression, "", "iffy"},
      {"площадь = 2", true, T::Expression, "", "площадь = 2"},
      {"Func Sum(a;b) ## adds", true, T::Func, "", "Sum(a;b)## adds"},
      {"function f(x)", true, T::Func, "", "f(x)"},
      {"FUNCTION f ## a ## b", true, T::Func, "", "f## a ## b"},
      {"endfunc ## done", true, T::EndFunc, "", ""},
      {"If   x > 1  ", true, T::If, "", "x > 1"},
      {"if(x>1)", true, T::If, "", "(x>1)"},
      {"ELIF x", true, T::ElIf, "", "x"},
      {"else", true, T::Else, "", ""},
      {"EndIf", true, T::EndIf, "", ""},
      {"goto   Loop", true, T::Goto, "", "Loop"},
      {"return x*2", true, T::Return, "", "x*2"},
      {"return", true, T::Return, "", ""},
      {"write 1+1", true, T::Write, "", "1+1"},
      {"loop: x = x + 1", true, T::Label, "loop", " x = x + 1"},
      {"loop:", true, T::Label, "loop", ""},
      {"else:", true, T::Label, "else", ""},
      {"if:x", true, T::Label, "if", "x"},
      {"счёт_2: x", true, T::Label, "счёт_2", " x"},
      {"loop :", true, T::Expression, "", "loop :"},
  };
  for (const LineCase& c : cases) {
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
      "x = 0\n"
      "func Sum (a;b) ## adds\nendfunc\n"
      "func Площадь(a)\nendfunc\n"
      "func bare ## no brackets\nendfunc\n"
      "func SUM(c)\nendfunc\n",
      list);
  struct {
    const char* name;
    int index;
  } cases[] = {
      {"sum", 1}, {"SUM", 1}, {"площадь", 3}, {"bare## no brackets", 5},
      {"bare", -1}, {"su", -1}, {"x", -1}, {"", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(list.FindUserFunction(c.name), c.index) << c.name;
  EXPECT_EQ(list.ListUserFunctions(),
            (std::vector<std::string>{"Sum (a;b)## adds", "Площадь(a)", "bare## no brackets", "SUM(c)"}));

  list.Clear();
  EXPECT_EQ(list.FindUserFunction("sum"), -1);
  EXPECT_TRUE(list.ListUserFunctions().empty());
}

TEST(ScriptFile, LoadsEncodingsAndAccumulates) {
  ScratchFolder folder("load");
  ScopedScriptStatements live;
  const std::string utf8 = "func Площадь(a) ## площадь\nendfunc\n";
  std::string utf16 = "\xFF\xFE";
  for (const char16_t c : std::u16string(u"func Площадь(a) ## площадь\r\nendfunc\r\n")) {
    utf16 += static_cast<char>(c & 0xFF);
    utf16 += static_cast<char>(c >> 8);
  }
  // The same text in Windows-1251.
  const std::string cp1251 =
      "func \xCF\xEB\xEE\xF9\xE0\xE4\xFC(a) ## \xEF\xEB\xEE\xF9\xE0\xE4\xFC\nendfunc\n";
  for (const std::string& bytes : {utf8, utf16, cp1251}) {
    std::ostringstream report;
    ASSERT_EQ(LoadScriptFile(folder.Write("f.usc", bytes), true, &report), 1);
    EXPECT_EQ(report.str(), "");
    EXPECT_EQ(ListUserFunctions(), std::vector<std::string>{"Площадь(a)## площадь"});
  }

  ASSERT_EQ(LoadScriptFile(folder.Write("g.usc", "func g()\nendfunc\n"), false), 1);
  EXPECT_EQ(ScriptStatements().Count(), 4);
  EXPECT_EQ(FindUserFunction("g"), 2);
  ASSERT_EQ(LoadScriptFile(folder.Path() / "g.usc", true), 1);
  EXPECT_EQ(ScriptStatements().Count(), 2);
}

TEST(ScriptFile, UnusableFilesAddNothingAndAreReported) {
  ScratchFolder folder("unusable");
  ScopedScriptStatements live;
  AppendScriptText("func kept()\nendfunc\n", ScriptStatements());
  std::filesystem::create_directories(folder.Path() / "dir.usc");
  const std::filesystem::path cases[] = {
      folder.Path() / "missing.usc",
      folder.Path() / "dir.usc",
      folder.Write("binary.usc", std::string("func f()\0\nendfunc\n", 18)),
  };
  for (const auto& path : cases) {
    std::ostringstream report;
    EXPECT_EQ(LoadScriptFile(path, false, &report), 0) << path;
    EXPECT_NE(report.str().find(path.string()), std::string::npos) << report.str();
    EXPECT_EQ(ScriptStatements().Count(), 2) << path;
  }
}

TEST(ScriptFolder, LoadsLibrariesByNameAndKeepsTheStartupScriptApart) {
  ScratchFolder folder("libraries");
  ScopedScriptStatements live;
  folder.Write("b.usc", "func which()\nreturn 'b'\nendfunc\nfunc onlyb()\nendfunc\n");
  folder.Write("a.usc", "func which()\nreturn 'a'\nendfunc\n");
  folder.Write("C.USC", "func onlyc()\nendfunc\n");
  folder.Write("StartUp.Usc", "func fromstartup()\nendfunc\n");
  folder.Write("notes.txt", "func nottxt()\nendfunc\n");
  folder.Write("d.usc.bak", "func notbak()\nendfunc\n");
  std::filesystem::create_directories(folder.Path() / "sub.usc");

  std::ostringstream report;
  const std::filesystem::path startup = LoadScriptLibraries(folder.Path(), report);
  EXPECT_EQ(report.str(), "");
  EXPECT_EQ(startup, folder.Path() / "StartUp.Usc");
  // Byte order of the names: "C.USC" < "a.usc" < "b.usc".
  EXPECT_EQ(ListUserFunctions(),
            (std::vector<std::string>{"onlyc()", "which()", "which()", "onlyb()"}));
  ScriptSession session;  // its own empty list; load the folder into it
  LoadScriptLibraries(folder.Path(), report);
  EXPECT_EQ(session.Eval("which(0)"), "'a'");

  std::ostringstream quiet;
  EXPECT_TRUE(LoadScriptLibraries(folder.Path() / "no such folder", quiet).empty());
  EXPECT_EQ(quiet.str(), "");
}

TEST(StartupScript, EvaluatesEveryLineAndIgnoresErrors) {
  ScratchFolder folder("startup");
  ScriptSession session;
  session.Load("func noisy(v)\nwrite v\nreturn v\nendfunc\n");
  const std::filesystem::path path = folder.Write(
      "startup.usc",
      "rate = 0.2 ## the usual rate\n"
      "nothere + 1\n"
      "   \n"
      "## a comment line\n"
      "  y = rate*10  \r\n"
      "if 1\n"                  // no keywords here: the variable if1
      "(1+2)*z = 3\n"           // an error, not a skipped line
      "w = noisy(7)\n"
      "last = 1");
  std::ostringstream report;
  EXPECT_TRUE(RunStartupScript(session.engine, path, report));
  EXPECT_EQ(report.str(), "");
  EXPECT_EQ(session.Eval("rate"), "0.2");
  EXPECT_EQ(session.Eval("y"), "2");
  EXPECT_EQ(session.Eval("w"), "7");
  EXPECT_EQ(session.Eval("last"), "1");
  // Nothing is on screen while the program starts.
  EXPECT_TRUE(session.output.lines.empty());
  EXPECT_EQ(session.engine.outputWindow, &session.output);

  EXPECT_FALSE(RunStartupScript(session.engine, {}, report));
  EXPECT_EQ(report.str(), "");
  EXPECT_FALSE(RunStartupScript(session.engine, folder.Path() / "gone.usc", report));
  EXPECT_NE(report.str().find("gone.usc"), std::string::npos);
}

}  // namespace
}  // namespace vr
