// Reads arbitrary bytes as a line: preparation and the lexer must end at the
// End token, within one token per byte, whatever the bytes and the mode.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"
#include "options/options_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the number mode, so every reading of digits is
  // reached; the rest is the line.
  vr::ScopedOptions options;
  options->numberBase = data[0] % 5;
  const std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);

  vr::ExpressionEngine engine;
  engine.PrepareText(line);
  // Preparation at most doubles the line (a 0 before each point).
  const std::size_t bound = 2 * line.size() + 2;
  std::int32_t op = 0;
  std::string text;
  std::size_t count = 0;
  while (engine.NextToken(op, text) != vr::TokenClass::End) {
    if (++count > bound) std::abort();  // the cursor stopped moving
  }
  return 0;
}
