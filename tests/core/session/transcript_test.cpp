// Whole lines as the user sees them: every file in transcripts/ is a short
// session, run through the same CalculatorSession the window and the CLI use.
//
// They are in the form of transcript.h; what a line shows ends with its
// result, none when the window shows nothing, and cls shows "<cleared>".
// "@set KEY=VALUE" changes a setting, as the options file names it. Each
// file starts from the default settings and an empty variable table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/output_sink.h"
#include "options/options_record.h"
#include "session/calculator_session.h"
#include "settings/option_by_name.h"
#include "transcript.h"

namespace vr {
namespace {

namespace fs = std::filesystem;

class Transcript : public ::testing::TestWithParam<fs::path> {};

TEST_P(Transcript, ShowsWhatIsWritten) {
  ScopedOptions options;
  testing::RecordingSink sink;
  CalculatorSession session(&sink);
  int evaluated = 0;
  for (const testing::TranscriptEntry& entry : testing::ReadTranscript(GetParam())) {
    if (entry.kind == testing::TranscriptEntry::Kind::kDirective) {
      ASSERT_TRUE(entry.text.starts_with("@set ")) << entry.where << ": unknown directive";
      const std::string pair = entry.text.substr(5);
      const std::size_t eq = pair.find('=');
      ASSERT_NE(eq, std::string::npos) << entry.where;
      ASSERT_TRUE(SetOptionByElementName(*options, pair.substr(0, eq), pair.substr(eq + 1)))
          << entry.where << ": no such setting";
      options->RebuildNumberFormat();
    } else if (entry.kind == testing::TranscriptEntry::Kind::kLine) {
      sink.lines.clear();
      const std::string result = session.CalculateLine(entry.text);
      if (!result.empty()) sink.lines.push_back(result);
      testing::ExpectShown(entry, sink.lines);
      ++evaluated;
    }
  }
  EXPECT_GT(evaluated, 0) << "an empty transcript";
}

std::vector<fs::path> TranscriptFiles() {
  std::vector<fs::path> files;
  const fs::path folder = fs::path(VR_SOURCE_ROOT) / "tests/core/session/transcripts";
  for (const auto& entry : fs::directory_iterator(folder)) {
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
