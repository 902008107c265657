#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vr::app {

enum class InfoRequest { None, Help, Version };

// "--help" / "-h" or "--version" as the first argument asks for a text on
// standard output instead of the window. Anything else starting with "-" is
// left to Qt and to the window's own command line.
InfoRequest FindInfoRequest(int argc, char** argv);

// What `vadaderivo --help` prints: the usage, the options and where the
// files are, with the folders this copy of the program really uses.
std::string HelpText(std::string_view programName, const std::filesystem::path& executable);

std::string VersionText();

}  // namespace vr::app
