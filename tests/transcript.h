#pragma once

// The transcript form of a table of lines, shared by every runner of lines:
//
//   > LINE         a line to evaluate; the lines after it, up to the next
//                  blank line, "> ", "@" or "//" line, are what must be
//                  shown: first what Write statements wrote, then the result
//   @WORD ...      a directive for the runner
//   // text        a comment
//
// A blank line only ends a block; a runner may give it a meaning of its own.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/output_sink.h"

namespace vr::testing {

// What the window gets besides results, line by line: what Write statements
// wrote, and "<cleared>" for cls.
class RecordingSink : public OutputSink {
 public:
  void WriteLine(std::string_view text) override { lines.emplace_back(text); }
  void ClearWindow() override { lines.emplace_back("<cleared>"); }
  std::vector<std::string> lines;
};

struct TranscriptEntry {
  enum class Kind { kLine, kDirective, kBlank };
  Kind kind;
  std::string text;                // the line without "> ", or the directive
  std::vector<std::string> shown;  // for a line: what must be shown
  std::string where;               // "file:line", for messages
};

inline std::vector<TranscriptEntry> ReadTranscript(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  EXPECT_TRUE(in) << "cannot read " << file;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  const auto endsBlock = [](const std::string& line) {
    return line.empty() || line.starts_with("> ") || line == ">" || line.starts_with("@") ||
           line.starts_with("//");
  };
  std::vector<TranscriptEntry> entries;
  for (std::size_t i = 0; i < lines.size();) {
    const std::string& line = lines[i];
    TranscriptEntry entry{TranscriptEntry::Kind::kBlank, {}, {},
                          file.filename().string() + ":" + std::to_string(i + 1)};
    ++i;
    if (line.starts_with("//")) continue;
    if (line.starts_with("@")) {
      entry.kind = TranscriptEntry::Kind::kDirective;
      entry.text = line;
    } else if (line.starts_with("> ") || line == ">") {
      entry.kind = TranscriptEntry::Kind::kLine;
      entry.text = line.size() > 2 ? line.substr(2) : std::string();
      for (; i < lines.size() && !endsBlock(lines[i]); ++i) entry.shown.push_back(lines[i]);
    } else if (!line.empty()) {
      ADD_FAILURE() << entry.where << ": output with no line before it";
      continue;
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

// Compares what a line showed with its block, naming the place and both.
inline void ExpectShown(const TranscriptEntry& entry, const std::vector<std::string>& shown) {
  const auto joined = [](const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n    " + line;
    return text.empty() ? std::string("\n    (nothing)") : text;
  };
  EXPECT_EQ(shown, entry.shown) << entry.where << ": > " << entry.text << "\n  expected:"
                                << joined(entry.shown) << "\n  shown:" << joined(shown);
}

}  // namespace vr::testing
