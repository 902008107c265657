// Any bytes as a script file: loading must keep every statement it reads,
// and running each function it declares must end (with a result or an error
// code) within the runner's limits, never crash, hang or recurse astray.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"
#include "engine/output_sink.h"
#include "files/text_file.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"
#include "scripts/script_file.h"
#include "scripts/script_function_runner.h"
#include "scripts/script_statement_list.h"
#include "values/utf8_text.h"

namespace {

// Scripts longer than this only make each run slower, not more revealing.
constexpr std::size_t kMaxInput = 8192;
// Functions called per input, and the calls made of each.
constexpr int kMaxFunctions = 4;

class CountingSink : public vr::OutputSink {
 public:
  void WriteLine(std::string_view text) override { written += text.size() + 1; }
  void ClearWindow() override {}
  std::size_t written = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return 0;
  const std::string text =
      vr::DecodeFileText(std::string_view(reinterpret_cast<const char*>(data), size));

  vr::ScopedOptions options;
  vr::ScopedScriptStatements statements;
  vr::AppendScriptText(text, *statements);

  // Every Func statement is listed, and each name it declares is found,
  // maybe as an earlier function of the same name.
  const auto declarations = vr::ListUserFunctions();
  for (const std::string& declaration : declarations) {
    const int index = vr::FindUserFunction(vr::DeclaredFunctionName(declaration));
    if (index < 0 || (*statements)[index].type != vr::StatementType::Func) std::abort();
  }

  // Small limits keep one input fast under the sanitizers; the code paths
  // that stop a runaway function are the same as with the real limits.
  vr::ScriptFunctionRunner runner({/*maxCallDepth=*/30, /*maxStatements=*/1000});
  vr::ExpressionEngine engine({&vr::StandardOperations(), &runner});
  CountingSink sink;
  engine.outputWindow = &sink;
  int called = 0;
  for (const std::string& declaration : declarations) {
    if (called++ == kMaxFunctions) break;
    const std::string name(vr::DeclaredFunctionName(declaration));
    for (const char* arguments : {"(1;2)", "(0)", "(x;'s';2+i1)"}) {
      vr::Value result;
      (void)engine.EvaluateLine(name + arguments, result);
    }
  }
  return 0;
}
