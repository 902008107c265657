#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/temp_folder.h"
#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "scripts/script_file.h"
#include "scripts/script_function_runner.h"
#include "settings/options_record.h"
#include "values/value_text.h"

namespace vr::testing {

class RecordingSink : public OutputSink {
 public:
  void WriteLine(std::string_view text) override { lines.emplace_back(text); }
  void ClearWindow() override {}
  std::vector<std::string> lines;
};

// An engine wired to the operations and to a runner over a private statement
// list, in the English UI with the default number pattern.
class ScriptSession {
 public:
  explicit ScriptSession(ScriptRunLimits limits = {})
      : runner(limits), engine(EngineServices{&StandardOperations(), &runner}) {
    *options_ = OptionsRecord{};
    engine.outputWindow = &output;
  }
  void Load(std::string_view script) { AppendScriptText(script, *statements_); }
  // What the window would show: the value, or the error's message.
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

inline std::filesystem::path Write(const TempFolder& folder, const std::string& name,
                                   std::string_view bytes) {
  WriteBytes(folder / name, bytes);
  return folder / name;
}

inline std::filesystem::path ResourceFolder() {
  return SourceFolder(__FILE__) / "../../../resources";
}

}  // namespace vr::testing
