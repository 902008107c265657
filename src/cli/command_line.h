#pragma once

#include <filesystem>
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

// Why `folder`, given with --dir, cannot be the program folder, in one line;
// nothing when it is a folder that can be listed. A mistyped folder would
// otherwise start silently with no options, scripts or units.
std::optional<std::string> ProgramFolderProblem(const std::filesystem::path& folder);

// The usage text, ending in a newline.
std::string UsageText(const std::string& programName);

}  // namespace vr::cli
