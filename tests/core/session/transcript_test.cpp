// Whole lines as the user sees them: every file in transcripts/ is a short
// session, run through the same CalculatorSession the window and the CLI use.
//
//   > LINE         evaluate LINE; the lines after it, up to the next blank
//                  line, "> ", "@" or "//" line, are what must be shown:
//                  first what Write statements wrote, then the result (none
//                  when the window shows nothing); "<cleared>" for cls
//   @set KEY=VALUE change a setting, as the options file names it
//   // text        a comment
//
// Each file starts from the default settings and an empty variable table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/output_sink.h"
#include "session/calculator_session.h"
#include "settings/option_by_name.h"
#include "settings/options_record.h"

namespace vr {
namespace {

namespace fs = std::filesystem;

class TranscriptSink : public OutputSink {
 public:
  void WriteLine(std::string_view text) override { shown.emplace_back(text); }
  void ClearWindow() override { shown.emplace_back("<cleared>"); }
  std::vector<std::string> shown;
};

bool EndsBlock(const std::string& line) {
  return line.empty() || line.rfind("> ", 0) == 0 || line == ">" || line[0] == '@' ||
         line.rfind("//", 0) == 0;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n    " + line;
  return text.empty() ? "\n    (nothing)" : text;
}

class Transcript : public ::testing::TestWithParam<fs::path> {};

TEST_P(Transcript, ShowsWhatIsWritten) {
  std::ifstream file(GetParam());
  ASSERT_TRUE(file) << GetParam();
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }

  ScopedOptions options;
  TranscriptSink sink;
  CalculatorSession session(&sink);
  int evaluated = 0;
  for (std::size_t i = 0; i < lines.size();) {
    const std::string& line = lines[i];
    const std::string where = GetParam().filename().string() + ":" + std::to_string(i + 1);
    if (line.rfind("@set ", 0) == 0) {
      const std::string pair = line.substr(5);
      const std::size_t eq = pair.find('=');
      ASSERT_NE(eq, std::string::npos) << where;
      ASSERT_TRUE(SetOptionByElementName(*options, pair.substr(0, eq), pair.substr(eq + 1)))
          << where << ": no such setting";
      options->RebuildNumberFormat();
      ++i;
      continue;
    }
    if (line.rfind("> ", 0) != 0 && line != ">") {
      ASSERT_TRUE(EndsBlock(line)) << where << ": output with no line before it";
      ++i;
      continue;
    }
    std::vector<std::string> expected;
    for (++i; i < lines.size() && !EndsBlock(lines[i]); ++i) expected.push_back(lines[i]);
    sink.shown.clear();
    const std::string input = line.size() > 2 ? line.substr(2) : std::string();
    const std::string result = session.CalculateLine(input);
    if (!result.empty()) sink.shown.push_back(result);
    EXPECT_EQ(sink.shown, expected) << where << ": > " << input << "\n  expected:"
                                    << Joined(expected) << "\n  shown:" << Joined(sink.shown);
    ++evaluated;
  }
  EXPECT_GT(evaluated, 0) << "an empty transcript";
}

std::vector<fs::path> TranscriptFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(fs::path(VR_SOURCE_ROOT) / "tests/core/session/transcripts")) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

INSTANTIATE_TEST_SUITE_P(Lines, Transcript, ::testing::ValuesIn(TranscriptFiles()),
                         [](const ::testing::TestParamInfo<fs::path>& info) {
                           std::string name = info.param.stem().string();
                           std::replace_if(
                               name.begin(), name.end(),
                               [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
                               '_');
                           return name;
                         });

}  // namespace
}  // namespace vr
