#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/interruption.h"
#include "engine/output_sink.h"
#include "graphs/graph_command_target.h"
#include "options/options_record.h"
#include "session/calculator_session.h"
#include "settings/options_file.h"
#include "transcript.h"

namespace vr {
namespace {

struct Row {
  std::string line;
  std::string shown;
  int clears = 0;  // ClearWindow calls the line makes
};

class CalculateLineTest : public ::testing::Test {
 protected:
  void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
      sink.lines.clear();
      EXPECT_EQ(session.CalculateLine(row.line), row.shown) << "line: " << row.line;
      EXPECT_EQ(std::count(sink.lines.begin(), sink.lines.end(), "<cleared>"), row.clears)
          << "line: " << row.line;
    }
  }

  ScopedOptions options;
  testing::RecordingSink sink;
  CalculatorSession session{&sink};
};

// Blanks around a line, which a transcript cannot show; the rest of the
// commands are in the transcripts.
TEST_F(CalculateLineTest, BlanksAroundLinesAndCommands) {
  ExpectRows({
      {"  2+3\t", "5"},
      {" \t ", ""},
      {"\tcls  ", "", 1},
      {"2+", "Stack is empty"},
  });
  EXPECT_EQ(session.Engine().outputWindow, &sink);
}

// With the window's graphs registered, the session hands each command over
// and has the graph shown only when the command was accepted.
TEST_F(CalculateLineTest, GraphCommandsGoToTheRegisteredWindows) {
  struct Target : GraphCommandTarget {
    int answer = 0;
    std::vector<std::string> calls;
    int SetFromCommand(GraphKind kind, std::string_view argument) override {
      calls.push_back("set " + std::to_string(static_cast<int>(kind)) + " " + std::string(argument));
      return answer;
    }
    void Present(GraphKind kind) override {
      calls.push_back("present " + std::to_string(static_cast<int>(kind)));
    }
  } target;
  session.SetGraphTarget(&target);
  (void)session.CalculateLine("graph2d(x;0;1)");
  target.answer = -1;
  (void)session.CalculateLine("graphpolar(x;0;1)");
  const std::string set2d = "set " + std::to_string(static_cast<int>(GraphKind::Graph2D));
  const std::string present2d = "present " + std::to_string(static_cast<int>(GraphKind::Graph2D));
  const std::string setPolar = "set " + std::to_string(static_cast<int>(GraphKind::Polar));
  EXPECT_EQ(target.calls, (std::vector<std::string>{set2d + " X;0;1", present2d, setPolar + " X;0;1"}));
  session.SetGraphTarget(nullptr);
}

// Start-up reads the options file first, then the overrides, and only then
// builds the number pattern. Only an options file that is there but unusable
// is reported.
TEST_F(CalculateLineTest, StartUpBuildsTheNumberPatternAfterOverrides) {
  const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "vr_startup";
  std::filesystem::create_directories(folder);
  std::filesystem::remove(OptionsFilePath(folder));
  std::ostringstream report;
  session.StartUp(folder, report, [] {
    Options().format = 1;
    Options().precision = 4;
  });
  EXPECT_EQ(session.CalculateLine("1/3"), "0.3333");
  EXPECT_EQ(report.str().find("defaults"), std::string::npos) << report.str();

  std::ofstream(OptionsFilePath(folder)) << "<not-closed";
  CalculatorSession again{&sink};
  again.StartUp(folder, report);
  EXPECT_NE(report.str().find("(the defaults are used)"), std::string::npos) << report.str();
}

// Stopping: a request made before a line is forgotten when it starts; one
// made while it runs, or a used-up time limit, ends it with its message,
// also from inside a numeric procedure, and the next line runs as usual.
TEST_F(CalculateLineTest, LongLinesStopOnRequestOrTimeLimit) {
  const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "vr_stop";
  std::filesystem::create_directories(folder);
  std::filesystem::remove(OptionsFilePath(folder));
  std::ofstream(folder / "spin.usc")
      << "func spin(a)\nagain:\nintegral('sqrt(x)';0;1;0)\ngoto again\nendfunc\n";
  std::ostringstream report;
  session.StartUp(folder, report);
  const std::string nested = "integral(\"integral('sqrt(x)';0;1;0)+sqrt(x)\";0;1;0)";

  RequestInterrupt();
  EXPECT_EQ(session.CalculateLine("1+1"), "2");

  // The window's poll is where Esc arrives.
  SetInterruptPoll(+[] { RequestInterrupt(); }, std::chrono::milliseconds(0));
  for (const std::string& line : {std::string("spin(1)"), nested,
                                  std::string("maximum('spin(1)';0;1)"),
                                  std::string("GRAPH2D(spin(1);0;1)")}) {
    const std::string shown = session.CalculateLine(line);
    EXPECT_NE(shown.find("Interrupted"), std::string::npos) << line << ": " << shown;
  }
  SetInterruptPoll(nullptr, std::chrono::milliseconds(0));
  EXPECT_EQ(session.CalculateLine("2+2"), "4");

  Value v;
  BeginInterruptibleWork(std::chrono::milliseconds(1));
  EXPECT_EQ(session.Engine().EvaluateLine(nested, v), kTimeLimitReached);
  EndInterruptibleWork();

  options->timeLimit = 1;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(session.CalculateLine("spin(1)"), "Time limit reached");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_EQ(session.CalculateLine("3+3"), "6");
}

}  // namespace
}  // namespace vr
