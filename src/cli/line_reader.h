#pragma once

#include <optional>
#include <string>

namespace vr::cli {

// Lines of standard input. On a terminal it prompts and, where line editing
// is available, offers editing and history.
class LineReader {
 public:
  LineReader();
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line without its line break; nothing at the end of input.
  std::optional<std::string> Next();
  bool Interactive() const { return interactive_; }

 private:
  bool interactive_;
};

}  // namespace vr::cli
