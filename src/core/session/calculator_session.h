#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"
#include "engine/output_sink.h"

namespace vr {

class GraphCommandTarget;

// One engine with everything wired to it: the operations, the user functions
// of the loaded scripts, the unit tables and the settings. The window and the
// command-line front end both turn lines into result texts here, so the CLI
// prints exactly what the window shows.
class CalculatorSession {
 public:
  explicit CalculatorSession(OutputSink* output = nullptr);
  ~CalculatorSession();
  CalculatorSession(const CalculatorSession&) = delete;
  CalculatorSession& operator=(const CalculatorSession&) = delete;

  // Start-up in its fixed order: the options file, every "*.usc" but
  // "startup.usc", the lines of "startup.usc", "units.dat". Problems with a
  // file are reported on `report`, one line each, and that file is skipped.
  void StartUp(const std::filesystem::path& programFolder, std::ostream& report);
  // The same, with `afterOptions` run right after the options file is read
  // and before anything else loads, so that overrides (the CLI's --set) are
  // in force for the scripts and for every line.
  void StartUp(const std::filesystem::path& programFolder, std::ostream& report,
               const std::function<void()>& afterOptions);

  // An options file that is there but cannot be read as options. Only the
  // one writer of the folder (the window that holds it) moves it aside, so
  // that its saves never overwrite it; the command line leaves it in place.
  struct DamagedOptionsFile {
    std::filesystem::path file;
    std::filesystem::path movedTo;  // empty when it was not moved
    std::string reason;
  };
  // Call before StartUp: a damaged options file is moved aside.
  void SetMoveDamagedOptionsAside(bool move);
  // What start-up found; nullptr when the options file was read or missing.
  const DamagedOptionsFile* DamagedOptions() const;

  // Evaluates one line of the expression window and returns the text shown
  // below it; empty when nothing is shown.
  std::string CalculateLine(std::string_view line) { return CalculateLine(line, line); }
  // The same for a line the window rewrote before evaluating it (unit
  // conversion wraps it): the line buffer's capacity is that of the line as
  // typed, and `evaluated` is what runs.
  std::string CalculateLine(std::string_view typed, std::string_view evaluated);

  ExpressionEngine& Engine();

  // The stored text of the expression window ("|"-joined lines) when the
  // options file at start-up held one; nullptr otherwise.
  const std::string* SavedExpressions() const;
  void SetOutput(OutputSink* output);
  // The graph windows that carry out graph command lines; nullptr (the
  // default) checks the commands without drawing, as the CLI does.
  void SetGraphTarget(GraphCommandTarget* target);

 private:
  std::string Calculate(std::string_view line);

  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vr
