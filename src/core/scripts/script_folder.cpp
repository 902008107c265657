#include "scripts/script_folder.h"

#include <algorithm>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "engine/expression_engine.h"
#include "engine/interruption.h"
#include "files/script_file_name.h"
#include "files/text_file.h"
#include "scripts/script_file.h"
#include "values/utf8_text.h"

namespace vr {

std::filesystem::path LoadScriptLibraries(const std::filesystem::path& folder,
                                          std::ostream& report) {
  std::vector<std::filesystem::path> libraries;
  std::filesystem::path startup;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string fileName = it->path().filename().string();
    std::error_code typeError;
    if (!IsScriptFileName(fileName) || it->is_directory(typeError)) continue;
    if (EqualsIgnoreCase(fileName, kStartupScriptName)) {
      startup = it->path();
    } else {
      libraries.push_back(it->path());
    }
  }
  std::sort(libraries.begin(), libraries.end(), [](const auto& a, const auto& b) {
    return a.filename().string() < b.filename().string();
  });
  for (const auto& library : libraries) LoadScriptFile(library, false, &report);
  return startup;
}

void EvaluateStartupText(ExpressionEngine& engine, std::string_view text) {
  OutputSink* const window = engine.outputWindow;
  engine.outputWindow = nullptr;
  for (std::string_view line : SplitLines(text)) {
    line = line.substr(0, line.find("##"));
    line = TrimWhiteSpace(line);
    if (line.empty()) continue;
    Value ignored;
    const InterruptibleLine work;  // each line may be stopped or run out of time alone
    engine.EvaluateLine(line, ignored);
  }
  engine.outputWindow = window;
}

bool RunStartupScript(ExpressionEngine& engine, const std::filesystem::path& path,
                      std::ostream& report) {
  if (path.empty()) return false;
  std::string text;
  std::string reason;
  try {
    if (ReadTextFile(path, text, &reason) == TextFileStatus::Ok) {
      EvaluateStartupText(engine, text);
      return true;
    }
  } catch (const std::bad_alloc&) {
    // Each line already turns a shortage into its own error; this is the
    // reading and splitting of the file itself.
    reason = "not enough memory";
  }
  report << "The start-up script \"" << path.string() << "\" is skipped: " << reason << ".\n";
  return false;
}

}  // namespace vr
