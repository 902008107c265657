#include "command_line.h"

#include <system_error>

#include "settings/option_by_name.h"

namespace vr::cli {

namespace {

// "--name=value" or "--name value"; false when the value is missing.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
               std::string& value) {
  const std::string& arg = args[i];
  if (arg.starts_with(name + '=')) {
    value = arg.substr(name.size() + 1);
    return true;
  }
  if (i + 1 >= args.size()) return false;
  value = args[++i];
  return true;
}

bool Names(const std::string& arg, const std::string& name) {
  return arg == name || arg.starts_with(name + '=');
}

// "WxH" with both sides from 1 to kMaxPlotSide.
bool ParseSize(const std::string& text, int& width, int& height) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  auto side = [](const std::string& digits, int& into) {
    if (digits.empty() || digits.size() > 5) return false;
    for (const char c : digits) {
      if (c < '0' || c > '9') return false;
    }
    into = std::stoi(digits);
    return into >= 1 && into <= kMaxPlotSide;
  };
  return side(text.substr(0, x), width) && side(text.substr(x + 1), height);
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error) {
  CommandLine cl;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      cl.lines.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      cl.help = true;
    } else if (arg == "--version" || arg == "-V") {
      cl.version = true;
    } else if (Names(arg, "--plot")) {
      std::string file;
      if (!TakeValue(args, i, "--plot", file) || file.empty()) {
        error = "--plot needs a file name";
        return std::nullopt;
      }
      cl.plotFile = file;
    } else if (Names(arg, "--size")) {
      std::string size;
      if (!TakeValue(args, i, "--size", size) ||
          !ParseSize(size, cl.plotWidth, cl.plotHeight)) {
        error = "--size needs WIDTHxHEIGHT in pixels, each from 1 to " +
                std::to_string(kMaxPlotSide);
        return std::nullopt;
      }
    } else if (Names(arg, "--dir")) {
      std::string dir;
      if (!TakeValue(args, i, "--dir", dir)) {
        error = "--dir needs a folder";
        return std::nullopt;
      }
      cl.programFolder = dir;
    } else if (Names(arg, "--set")) {
      std::string pair;
      if (!TakeValue(args, i, "--set", pair)) {
        error = "--set needs KEY=VALUE";
        return std::nullopt;
      }
      const std::size_t eq = pair.find('=');
      if (eq == std::string::npos || eq == 0) {
        error = "--set needs KEY=VALUE, got \"" + pair + "\"";
        return std::nullopt;
      }
      std::string key = pair.substr(0, eq);
      std::string value = pair.substr(eq + 1);
      // Known keys are checked now, on a scratch record, so that a typo is
      // reported before anything is evaluated.
      OptionsRecord scratch;
      if (!SetOptionByElementName(scratch, key, value)) {
        error = "unknown setting \"" + key + "\"";
        return std::nullopt;
      }
      cl.settings.emplace_back(std::move(key), std::move(value));
    } else {
      error = "unknown option \"" + arg + "\"";
      return std::nullopt;
    }
  }
  return cl;
}

std::optional<std::string> ProgramFolderProblem(const std::filesystem::path& folder) {
  const std::string named = "--dir \"" + folder.string() + "\": ";
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(folder, ec);
  if (status.type() == std::filesystem::file_type::not_found) return named + "no such folder";
  if (ec) return named + ec.message();
  if (!std::filesystem::is_directory(status)) return named + "not a folder";
  std::filesystem::directory_iterator listing(folder, ec);
  if (ec) return named + "cannot be read (" + ec.message() + ")";
  return std::nullopt;
}

std::string UsageText(const std::string& programName) {
  return "usage: " + programName +
         " [--dir DIR] [--set KEY=VALUE]... [--plot FILE.svg [--size WxH]]\n"
         "       " + std::string(programName.size(), ' ') + " [--] [LINE]...\n"
         "  Evaluates each LINE, or else each line of standard input, and prints\n"
         "  the lines written by Write statements and then the result (an empty\n"
         "  line where nothing is shown).\n"
         "\n"
         "  --dir DIR         program folder with options.xml, *.usc and units.dat\n"
         "  --set KEY=VALUE   override one setting of the options file, for example\n"
         "                    Radian=0, Precision=10, NumberBase=1, English=0\n"
         "  --plot FILE.svg   write the picture of the last graph command\n"
         "                    (graph2d, graph3d, graphpolar) to FILE as SVG\n"
         "  --size WxH        size of that picture in pixels (default " +
         std::to_string(kDefaultPlotWidth) + "x" + std::to_string(kDefaultPlotHeight) + ")\n"
         "  -h, --help        show this text and exit\n"
         "  -V, --version     show the version and exit\n"
         "  --                end of options: what follows are lines, even \"-1\"\n"
         "\n"
         "  VADADERIVO_NOW=YYYY-MM-DDTHH:MM:SS fixes the current date and time.\n"
         "\n"
         "Exit status: 0 when every line was read (whatever the lines gave);\n"
         "2 on bad usage, an unusable --dir, or a --plot that has no picture to\n"
         "write (no graph command, a failing one) or cannot write its file.\n";
}

std::string VersionText(const std::string& programName) {
  return programName + " " VR_VERSION "\n";
}

}  // namespace vr::cli
