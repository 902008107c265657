#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vr::cli {

struct CommandLine {
  std::optional<std::string> programFolder;                  // --dir
  std::vector<std::pair<std::string, std::string>> settings;  // --set, in order
  std::vector<std::string> lines;                             // LINE...
  bool help = false;
};

// Parses the arguments after the program name. On bad usage returns nothing
// and sets `error` to a one-line reason.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error);

// The usage text, ending in a newline.
std::string UsageText(const std::string& programName);

}  // namespace vr::cli
