#include "usage.h"

#include "settings/program_folder.h"

namespace vr::app {

InfoRequest FindInfoRequest(int argc, char** argv) {
  if (argc < 2) return InfoRequest::None;
  const std::string_view first = argv[1];
  if (first == "--help" || first == "-h") return InfoRequest::Help;
  if (first == "--version") return InfoRequest::Version;
  return InfoRequest::None;
}

std::string HelpText(std::string_view programName, const std::filesystem::path& executable) {
  const std::string name(programName);
  std::string text =
      "Usage: " + name + " [EXPRESSION] [-min]\n"
      "       " + name + " --help | --version\n"
      "\n"
      "A scientific calculator whose window is an editor of expression lines:\n"
      "type a line, press Enter, and its result appears below it.\n"
      "\n"
      "  EXPRESSION  evaluated in the window at start-up, in place of the text\n"
      "              kept from the last session (the arguments are joined with\n"
      "              blanks; a text that begins with \"-\" is not an expression)\n"
      "  -min        start hidden in the notification area\n"
      "  -h, --help  print this text and exit\n"
      "  --version   print the version and exit\n"
      "Qt's own options, such as -platform NAME or -style NAME, are accepted too.\n"
      "\n"
      "Files:\n";
  // The same rules the program follows when it starts, without creating
  // anything: asking for help must not leave a folder behind.
  const std::filesystem::path folder = ProgramFolderPath(executable);
  text += "  " + folder.string() + "\n"
          "      options.xml (settings, the window's text and variables), startup.usc\n"
          "      (lines evaluated at every start) and the *.usc function libraries\n";
  if (IsInstalled(executable)) {
    text += "  " + SharedDataFolder(executable).string() + "\n"
            "      units.dat, the sample libraries and the help pages as shipped;\n"
            "      a units.dat or help page in the folder above is used instead\n";
  } else {
    text += "      units.dat and the help pages sit there too\n";
  }
  text +=
      "The folder of the program is used when the program is not installed and\n"
      "that folder can be written; otherwise $XDG_CONFIG_HOME/vadaderivo\n"
      "(~/.config/vadaderivo when XDG_CONFIG_HOME is not set).\n"
      "\n"
      "vadaderivo-cli evaluates lines without a window: vadaderivo-cli --help.\n";
  return text;
}

std::string VersionText() { return std::string("VadadeRivo ") + VR_VERSION + "\n"; }

}  // namespace vr::app
