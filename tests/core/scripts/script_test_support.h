#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/temp_folder.h"
#include "engine/error_messages.h"
#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"
#include "scripts/script_file.h"
#include "scripts/script_function_runner.h"
#include "transcript.h"
#include "values/value_text.h"

namespace vr::testing {

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

// Runs a file of calls in the form of transcript.h. A blank line starts a
// new session, "@limits D S" one with a call depth of D and S statements per
// call from a line; `prepare` loads each one's functions.
inline void ExpectCalls(const std::filesystem::path& file,
                        const std::function<void(ScriptSession&)>& prepare) {
  std::unique_ptr<ScriptSession> session;
  const auto start = [&](ScriptRunLimits limits) {
    session.reset();  // its guards go before the next one's begin
    session = std::make_unique<ScriptSession>(limits);
    prepare(*session);
  };
  start({});
  for (const TranscriptEntry& entry : ReadTranscript(file)) {
    if (entry.kind == TranscriptEntry::Kind::kLine) {
      session->output.lines.clear();
      session->output.lines.push_back(session->Eval(entry.text));
      ExpectShown(entry, session->output.lines);
    } else if (entry.kind == TranscriptEntry::Kind::kBlank) {
      start({});
    } else {
      ScriptRunLimits limits;
      ASSERT_TRUE(entry.text.starts_with("@limits ")) << entry.where << ": unknown directive";
      std::istringstream(entry.text.substr(8)) >> limits.maxCallDepth >> limits.maxStatements;
      start(limits);
    }
  }
}

inline std::filesystem::path ResourceFolder() {
  return SourceFolder("resources");
}

}  // namespace vr::testing
