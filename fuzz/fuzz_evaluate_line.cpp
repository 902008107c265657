// Any bytes as a few lines of the expression window: whatever they hold, the
// line flow must come back with a text, never crash, hang or read astray.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"
#include "options/options_record.h"
#include "session/calculator_session.h"

namespace {

// Lines longer than this only make each run slower, not more revealing.
constexpr std::size_t kMaxInput = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  vr::ScopedOptions options;
  // The first byte picks the settings, so that the radix readers, the date
  // forms and the Russian messages are reached too.
  if (!input.empty()) {
    const unsigned char pick = static_cast<unsigned char>(input[0]);
    options->numberBase = pick & 3;
    options->dateFormat = (pick >> 2) % 3;
    options->english = (pick >> 4) & 1;
    options->radian = (pick >> 5) & 1;
    options->precision = (pick >> 6) * 5;
    options->RebuildNumberFormat();
  }

  // Each line in turn through one session, so that variables and the last
  // result made by one line meet the next.
  vr::CalculatorSession session;
  std::size_t start = 0;
  while (start <= input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    (void)session.CalculateLine(input.substr(start, end - start));
    start = end + 1;
  }
  (void)vr::IsSingleOperand(input);
  return 0;
}
