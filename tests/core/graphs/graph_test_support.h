#pragma once

#include <algorithm>
#include <filesystem>
#include <istream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"

namespace vr::test {

// An engine with the standard operations and default settings restored
// after each test.
struct GraphEngine {
  ScopedOptions options;
  ExpressionEngine engine{EngineServices{&StandardOperations(), nullptr}};
};

// The golden pictures, in name order; each starts with a header line
// "COMMAND WIDTH x HEIGHT [shift N]".
inline std::vector<std::filesystem::path> GoldenFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(
           std::filesystem::path(VR_SOURCE_ROOT) / "tests/core/graphs/golden"))
    files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

struct GoldenHeader {
  std::string line;
  std::string command;
  int width = 0;
  int height = 0;
  std::string shift;  // empty when the picture keeps the computed shift
};

inline GoldenHeader ReadGoldenHeader(std::istream& file) {
  GoldenHeader h;
  std::getline(file, h.line);
  std::istringstream fields(h.line);
  std::string word;
  char by = 0;
  fields >> h.command >> h.width >> by >> h.height >> word >> h.shift;
  return h;
}

// Test names from the golden files' names.
inline std::string GoldenTestName(const std::filesystem::path& file) {
  std::string name = file.stem().string();
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

}  // namespace vr::test
