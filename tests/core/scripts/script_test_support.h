#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "engine/output_sink.h"
#include "operations/standard_operations.h"
#include "scripts/script_file.h"
#include "scripts/script_function_runner.h"
#include "scripts/script_statement_list.h"
#include "settings/options_record.h"
#include "values/value_text.h"

namespace vr::testing {

// Keeps what Write statements print, one entry per line.
class RecordingSink : public OutputSink {
 public:
  void WriteLine(std::string_view text) override { lines.emplace_back(text); }
  void ClearWindow() override { ++clears; }
  std::vector<std::string> lines;
  int clears = 0;
};

// An engine wired to the operations and to a runner over a private statement
// list, in the English UI with the default number pattern.
class ScriptSession {
 public:
  explicit ScriptSession(ScriptRunLimits limits = {})
      : runner(limits), engine(EngineServices{&StandardOperations(), &runner}) {
    options_->english = 1;
    options_->format = 1;
    options_->precision = 15;
    options_->radian = 1;
    options_->numberBase = 0;
    options_->RebuildNumberFormat();
    engine.outputWindow = &output;
  }

  void Load(std::string_view script) { AppendScriptText(script, *statements_); }

  // The text the window would show: the value, or the message of the error.
  std::string Eval(std::string_view line) {
    Value result;
    const ErrorCode code = engine.EvaluateLine(line, result);
    return code != kOk ? GetErrorText(code) : FormatValue(result);
  }

 private:
  ScopedOptions options_;
  ScopedScriptStatements statements_;

 public:
  RecordingSink output;
  ScriptFunctionRunner runner;
  ExpressionEngine engine;
};

// A scratch folder under the system's temporary folder, removed at the end.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / ("vr-scripts-" + name)) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The folder of files shipped with the program, in the source tree.
inline std::filesystem::path ResourceFolder() {
  return std::filesystem::path(__FILE__).parent_path() / "../../../resources";
}

}  // namespace vr::testing
