// The command-line front end: every line goes through the same session as
// the window's, and what the window would write below it is printed.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "line_interrupt.h"
#include "line_reader.h"
#include "plot_target.h"
#include "engine/output_sink.h"
#include "options/options_record.h"
#include "session/calculator_session.h"
#include "settings/file_bytes.h"
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

std::string LowerExtension(const std::string& file) {
  std::string ext = std::filesystem::path(file).extension().string();
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return ext;
}

// Why --plot cannot write its file type, or nothing. The front end stays
// free of the window's libraries, so pictures of pixels come from the
// window; SVG scales without loss and any converter makes pixels of it.
std::optional<std::string> PlotFileProblem(const std::string& file) {
  const std::string ext = LowerExtension(file);
  if (ext == ".svg") return std::nullopt;
  if (ext == ".png") {
    return "--plot writes SVG only: give FILE.svg and convert it (for example with\n"
           "rsvg-convert), or use \"Save picture as...\" in the graph window";
  }
  return "--plot writes SVG: give a file name ending in .svg";
}

// Writes the picture of the run's last graph command; false, with the
// reason said on stderr, when there is none to write or the file cannot
// be written. The file is replaced whole or not at all.
bool WritePlot(vr::cli::PlotTarget& target, const vr::cli::CommandLine& cl,
               const std::string& programName) {
  std::string error;
  std::optional<std::string> svg = target.Svg(cl.plotWidth, cl.plotHeight, error);
  if (svg && vr::WriteFileAtomically(*cl.plotFile, *svg, &error)) return true;
  std::cerr << programName << ": --plot \"" << *cl.plotFile << "\": " << error << '\n';
  return false;
}

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
  if (cl->version) {
    std::cout << vr::cli::VersionText(programName);
    return 0;
  }
  if (cl->plotFile) {
    if (const std::optional<std::string> problem = PlotFileProblem(*cl->plotFile)) {
      std::cerr << programName << ": " << *problem << '\n';
      return kBadUsage;
    }
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
  vr::cli::PlotTarget plot(session.Engine());
  if (cl->plotFile) session.SetGraphTarget(&plot);
  const auto finish = [&]() {
    std::cout.flush();
    if (cl->plotFile && !WritePlot(plot, *cl, programName)) return kBadUsage;
    return 0;
  };
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
    return finish();
  }

  vr::cli::LineReader reader;
  while (std::optional<std::string> line = reader.Next()) {
    std::cout << calculate(*line) << '\n';
    if (reader.Interactive()) std::cout.flush();
  }
  return finish();
}
