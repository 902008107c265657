#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vr::cli {

// The drawing area of a graph window at its first size with the usual
// desktop font: a plot looks like the window unless told otherwise.
constexpr int kDefaultPlotWidth = 430;
constexpr int kDefaultPlotHeight = 229;
// Larger pictures are refused: the surface's raster alone takes a byte per
// pixel.
constexpr int kMaxPlotSide = 8192;

struct CommandLine {
  std::optional<std::string> programFolder;                  // --dir
  std::vector<std::pair<std::string, std::string>> settings;  // --set, in order
  std::vector<std::string> lines;                             // LINE...
  std::optional<std::string> plotFile;                        // --plot
  int plotWidth = kDefaultPlotWidth;                          // --size
  int plotHeight = kDefaultPlotHeight;
  bool help = false;
  bool version = false;
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

// "NAME VERSION", ending in a newline.
std::string VersionText(const std::string& programName);

}  // namespace vr::cli
