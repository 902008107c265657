// The command-line front end: every line goes through the same session as
// the window's, and what the window would write below it is printed.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "engine/output_sink.h"
#include "line_interrupt.h"
#include "line_reader.h"
#include "options/options_record.h"
#include "session/calculator_session.h"
#include "settings/option_by_name.h"
#include "settings/program_folder.h"

namespace {

// Write statements print at once, so they come before the result of the line
// that ran them.
class StdoutSink final : public vr::OutputSink {
 public:
  void WriteLine(std::string_view text) override { std::cout << text << '\n'; }
  void ClearWindow() override {}  // a terminal's scrollback is left alone
};

constexpr int kBadUsage = 2;

}  // namespace

int main(int argc, char** argv) {
  const std::string programName =
      argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "vadaderivo-cli";
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);

  std::string error;
  const std::optional<vr::cli::CommandLine> cl = vr::cli::ParseCommandLine(args, error);
  if (!cl) {
    std::cerr << programName << ": " << error << '\n' << vr::cli::UsageText(programName);
    return kBadUsage;
  }
  if (cl->help) {
    std::cout << vr::cli::UsageText(programName);
    return 0;
  }

  if (cl->programFolder) {
    if (const std::optional<std::string> problem =
            vr::cli::ProgramFolderProblem(*cl->programFolder)) {
      std::cerr << programName << ": " << *problem << '\n';
      return kBadUsage;
    }
  }

  StdoutSink sink;
  vr::CalculatorSession session(&sink);
  const std::filesystem::path folder =
      cl->programFolder ? std::filesystem::path(*cl->programFolder)
                        : vr::ProgramFolder();
  {
    // A start-up script line can run long too.
    const vr::cli::LineInterrupt interruptible;
    session.StartUp(folder, std::cerr, [&] {
      for (const auto& [key, value] : cl->settings) {
        vr::SetOptionByElementName(vr::Options(), key, value);
      }
    });
  }

  // Ctrl+C stops only the line it falls into; at any other time it ends
  // the program.
  const auto calculate = [&session](const std::string& line) {
    const vr::cli::LineInterrupt interruptible;
    return session.CalculateLine(line);
  };

  if (!cl->lines.empty()) {
    for (const std::string& line : cl->lines) std::cout << calculate(line) << '\n';
    return 0;
  }

  vr::cli::LineReader reader;
  while (std::optional<std::string> line = reader.Next()) {
    std::cout << calculate(*line) << '\n';
    if (reader.Interactive()) std::cout.flush();
  }
  return 0;
}
