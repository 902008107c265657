#include "session/calculator_session.h"

#include <new>
#include <optional>

#include "engine/error_messages.h"
#include "engine/interruption.h"
#include "files/ascii.h"
#include "graphs/graph2d_model.h"
#include "graphs/graph_command.h"
#include "graphs/graph_command_target.h"
#include "graphs/polar_model.h"
#include "graphs/surface_model.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"
#include "scripts/script_folder.h"
#include "scripts/script_function_runner.h"
#include "session/line_capacity.h"
#include "settings/damaged_file.h"
#include "settings/options_file.h"
#include "settings/program_folder.h"
#include "units/unit_table_file.h"
#include "values/utf8_text.h"
#include "values/value_conversion.h"
#include "values/value_text.h"

namespace vr {

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsAsciiSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsAsciiSpace(text.back())) text.remove_suffix(1);
  return text;
}

// The display radix of a "NumberBase" setting; 0 for decimal.
int DisplayRadix(int numberBase) {
  switch (numberBase) {
    case 1:
      return 16;
    case 2:
      return 8;
    case 3:
      return 2;
    default:
      return 0;
  }
}

bool LongerThanCapacity(std::string_view line) {
  int count = 0;
  for (std::size_t pos = 0; pos < line.size(); pos += Utf8CharLength(line, pos)) {
    if (++count > kLineCapacity) return true;
  }
  return false;
}

}  // namespace

struct CalculatorSession::Impl {
  explicit Impl(OutputSink* out)
      : output(out), engine(EngineServices{&StandardOperations(), &userFunctions}) {}

  // Each step of start-up in its fixed order; every loader reports its own
  // problems on `report` and leaves the session usable.
  void LoadOptionsFile(const std::filesystem::path& folder, std::ostream& report);
  void LoadScriptLibraries(const std::filesystem::path& folder, std::ostream& report);
  void RunStartupScript(const std::filesystem::path& folder, std::ostream& report);
  void LoadUnitTables(const std::filesystem::path& folder, std::ostream& report);

  // A line naming a graph command is carried out by its graph and never
  // reaches the engine; the text is what is shown below the line.
  std::optional<std::string> TryGraphCommand(std::string_view upperLine);

  OutputSink* output;
  // The runner of the loaded script functions; it must exist before the
  // engine, which is handed it when it is made.
  ScriptFunctionRunner userFunctions;
  ExpressionEngine engine;
  OptionsLoadResult loadedOptions;
  bool moveDamagedAside = false;
  std::optional<DamagedOptionsFile> damaged;
  std::filesystem::path startupScript;
  GraphCommandTarget* graphTarget = nullptr;
  // Without windows, commands are still checked the way the windows check
  // them, so that a graph line shows the same text everywhere.
  Graph2DModel graph2D;
  SurfaceModel graph3D;
  PolarModel graphPolar;
};

void CalculatorSession::Impl::LoadOptionsFile(const std::filesystem::path& folder,
                                              std::ostream& report) {
  loadedOptions = LoadOptions(OptionsFilePath(folder), Options(), engine.Variables());
  // A missing file is an ordinary first start; only a file that is there but
  // cannot be used deserves a word.
  if (!IsDamaged(loadedOptions.status)) return;
  damaged = DamagedOptionsFile{OptionsFilePath(folder), {}, loadedOptions.message};
  report << damaged->file.string() << ": " << damaged->reason << " (the defaults are used";
  if (moveDamagedAside) {
    std::string error;
    damaged->movedTo = SetAsideDamagedFile(damaged->file, &error);
    if (!damaged->movedTo.empty()) {
      report << "; the file is kept as " << damaged->movedTo.filename().string();
    } else {
      report << "; " << error;
    }
  }
  report << ")\n";
}

void CalculatorSession::Impl::LoadScriptLibraries(const std::filesystem::path& folder,
                                                  std::ostream& report) {
  startupScript = vr::LoadScriptLibraries(folder, report);
}

void CalculatorSession::Impl::RunStartupScript(const std::filesystem::path&,
                                               std::ostream& report) {
  if (!startupScript.empty()) vr::RunStartupScript(engine, startupScript, report);
}

void CalculatorSession::Impl::LoadUnitTables(const std::filesystem::path& folder,
                                             std::ostream& report) {
  // The program folder's own table wins; an installed program falls back to
  // the one it ships.
  LoadUnitTable(FindDataFile(folder, ExecutablePath(), "units.dat"), &report);
}

std::optional<std::string> CalculatorSession::Impl::TryGraphCommand(std::string_view upperLine) {
  std::optional<GraphCommand> command = FindGraphCommand(upperLine);
  if (!command) return std::nullopt;
  int code = 0;
  if (graphTarget != nullptr) {
    code = graphTarget->SetFromCommand(command->kind, command->argument);
  } else {
    switch (command->kind) {
      case GraphKind::Graph2D:
        code = graph2D.SetFromCommand(engine, command->argument);
        break;
      case GraphKind::Graph3D:
        code = graph3D.SetFromCommand(engine, command->argument);
        break;
      case GraphKind::Polar:
        code = graphPolar.SetFromCommand(engine, command->argument);
        break;
    }
  }
  if (code == 0 && graphTarget != nullptr) graphTarget->Present(command->kind);
  return GraphCommandText(command->kind, code);
}

CalculatorSession::CalculatorSession(OutputSink* output) : impl_(std::make_unique<Impl>(output)) {
  impl_->engine.outputWindow = output;
}

CalculatorSession::~CalculatorSession() = default;

void CalculatorSession::StartUp(const std::filesystem::path& programFolder, std::ostream& report) {
  StartUp(programFolder, report, {});
}

void CalculatorSession::StartUp(const std::filesystem::path& programFolder, std::ostream& report,
                                const std::function<void()>& afterOptions) {
  impl_->LoadOptionsFile(programFolder, report);
  if (afterOptions) afterOptions();
  Options().RebuildNumberFormat();
  impl_->LoadScriptLibraries(programFolder, report);
  impl_->RunStartupScript(programFolder, report);
  impl_->LoadUnitTables(programFolder, report);
}

void CalculatorSession::SetMoveDamagedOptionsAside(bool move) { impl_->moveDamagedAside = move; }

const CalculatorSession::DamagedOptionsFile* CalculatorSession::DamagedOptions() const {
  return impl_->damaged ? &*impl_->damaged : nullptr;
}

std::string CalculatorSession::CalculateLine(std::string_view typed, std::string_view evaluated) {
  if (LongerThanCapacity(typed)) return GetErrorText(kLineTooLong);
  // The engine reports its failures as codes; running out of memory is the
  // one failure that comes as an exception, from anywhere in the line.
  try {
    return Calculate(evaluated);
  } catch (const std::bad_alloc&) {
    return GetErrorText(kOutOfMemory);
  }
}

std::string CalculatorSession::Calculate(std::string_view rawLine) {
  std::string_view line = Trim(rawLine);
  const InterruptibleLine work;

  if (std::optional<std::string> shown = impl_->TryGraphCommand(Utf8ToUpper(line))) {
    return *shown;
  }

  ExpressionEngine& engine = impl_->engine;
  engine.outputWindow = impl_->output;

  // Only the comment is cut; blanks before it stay, so "cls ##" is no
  // command but an expression.
  if (const std::size_t comment = line.find("##"); comment != std::string_view::npos) {
    line = line.substr(0, comment);
  }

  if (EqualsIgnoreCase(line, "cls") || EqualsIgnoreCase(line, "clrscr")) {
    if (impl_->output != nullptr) impl_->output->ClearWindow();
    return {};
  }
  if (line.empty()) return {};

  Value v;
  if (const ErrorCode code = engine.EvaluateLine(line, v); code != kOk) {
    return GetErrorText(code);
  }
  // Some steps swallow the errors of what they evaluate (a Write, a
  // function's return, a golden-section search); a line stopped inside one
  // of them must still not show a result.
  if (const ErrorCode stop = CheckInterrupt(); stop != kOk) return GetErrorText(stop);
  // NaN and infinity have no text that reads back; they are said in words.
  if (const ErrorCode shown = NonFiniteCode(v); shown != kOk) return GetErrorText(shown);
  // An equation with several roots leaves its last result apart from the
  // one returned; the list of roots is shown instead.
  if (!ValuesEqual(engine.lastResult, v)) return engine.solutionsText;

  const int radix = DisplayRadix(Options().numberBase);
  if (v.IsNumberKind() && radix != 0) return FormatInBase(v.num.real, radix);
  return FormatValue(v);
}

ExpressionEngine& CalculatorSession::Engine() { return impl_->engine; }

const std::string* CalculatorSession::SavedExpressions() const {
  return impl_->loadedOptions.expressionsRead ? &impl_->loadedOptions.expressions : nullptr;
}

void CalculatorSession::SetGraphTarget(GraphCommandTarget* target) { impl_->graphTarget = target; }

void CalculatorSession::SetOutput(OutputSink* output) {
  impl_->output = output;
  impl_->engine.outputWindow = output;
}

}  // namespace vr
