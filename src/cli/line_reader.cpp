#include "line_reader.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#ifdef VR_HAVE_LIBEDIT
#include <editline/readline.h>
#endif

namespace vr::cli {

namespace {
constexpr const char* kPrompt = "> ";
}

LineReader::LineReader() : interactive_(::isatty(STDIN_FILENO) != 0) {}

LineReader::~LineReader() = default;

std::optional<std::string> LineReader::Next() {
#ifdef VR_HAVE_LIBEDIT
  if (interactive_) {
    std::cout.flush();
    char* raw = ::readline(kPrompt);
    if (raw == nullptr) return std::nullopt;
    std::string line(raw);
    std::free(raw);
    if (!line.empty()) ::add_history(line.c_str());
    return line;
  }
#endif
  if (interactive_) std::cout << kPrompt << std::flush;
  std::string line;
  if (!std::getline(std::cin, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace vr::cli
