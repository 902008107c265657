#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/output_sink.h"
#include "session/calculator_session.h"
#include "settings/options_record.h"

namespace vr {
namespace {

class RecordingSink : public OutputSink {
 public:
  void WriteLine(std::string_view text) override { written.emplace_back(text); }
  void ClearWindow() override { ++clears; }
  std::vector<std::string> written;
  int clears = 0;
};

struct Row {
  std::string line;
  std::string shown;
  int clears = 0;  // ClearWindow calls the line makes
};

class CalculateLineTest : public ::testing::Test {
 protected:
  void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
      const int before = sink.clears;
      EXPECT_EQ(session.CalculateLine(row.line), row.shown) << "line: " << row.line;
      EXPECT_EQ(sink.clears - before, row.clears) << "line: " << row.line;
    }
  }

  ScopedOptions options;
  RecordingSink sink;
  CalculatorSession session{&sink};
};

TEST_F(CalculateLineTest, CommandsCommentsAndBlankLines) {
  ExpectRows({
      {"  2+3\t", "5"},
      {"1+1 ## a note", "2"},
      {"## only a note", ""},
      {"", ""},
      {" \t ", ""},
      {"cls", "", 1},
      {"CLS", "", 1},
      {"  Clrscr ", "", 1},
      {"clrscr##gone", "", 1},
      {"cls 1", "Variable \"cls1\" not found"},
      {"cls ##", "Variable \"cls\" not found"},  // the blank before ## stays
      {"2+", "Stack is empty"},
  });
  EXPECT_EQ(session.Engine().outputWindow, &sink);
}

TEST_F(CalculateLineTest, ResultsAcrossLines) {
  ExpectRows({
      {"a=2", "2"},
      {"A*3", "6"},
      {"?+1", "7"},
      {"b", "Variable \"b\" not found"},
      {"?", "7"},
      {"solve(1;-3;2)", "x=1; x=2"},
      {"solve(1;2;1)", "-1"},
      {"?", "-1"},
  });
}

TEST_F(CalculateLineTest, NumberBaseShowsWholeNumbersOnly) {
  struct BaseRow {
    int base;
    std::string line;
    std::string shown;
  };
  // Literals are read in the display base too, so the fraction and the
  // complex number are made in decimal first.
  ASSERT_EQ(session.CalculateLine("f=3\\4"), "3\\4");
  ASSERT_EQ(session.CalculateLine("c=1+i2"), "1+i2");
  const std::vector<BaseRow> rows = {
      {1, "255s", "ff"},  // without the suffix 255 is read in hex too
      {1, "ff", "Variable \"ff\" not found"},
      {1, "0ff", "ff"},
      {1, "1/2", "0"},
      {1, "-1", "ffffffff"},
      {1, "0x10", "10"},
      {1, "f", "3\\4"},
      {1, "c", "1+i2"},
      {1, "1.5", "Error in expression"},
      {2, "8", "10"},
      {3, "5", "101"},
      {3, "0", "0"},
      {0, "255", "255"},
      {7, "255", "255"},  // an unknown base shows decimal
  };
  for (const BaseRow& row : rows) {
    options->numberBase = row.base;
    EXPECT_EQ(session.CalculateLine(row.line), row.shown) << row.base << ": " << row.line;
  }
}

TEST_F(CalculateLineTest, StartUpBuildsTheNumberPatternAfterOverrides) {
  std::ostringstream report;
  session.StartUp(::testing::TempDir(), report, [] {
    Options().format = 1;
    Options().precision = 4;
  });
  EXPECT_EQ(session.CalculateLine("1/3"), "0.3333");
}

}  // namespace
}  // namespace vr
