#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/variable_table.h"
#include "options/options_record.h"

namespace vr {

inline constexpr std::string_view kOptionsFileName = "options.xml";

// folder / "options.xml".
std::filesystem::path OptionsFilePath(const std::filesystem::path& programFolder);

enum class OptionsFileStatus {
  Loaded,         // the file was read, whatever elements it held
  Missing,        // no file: the defaults stand
  Unreadable,     // it could not be read: the defaults stand
  NotWellFormed,  // not a well-formed document: the defaults stand
};

// A file that is there but cannot be read as options: it holds something
// other than what the program wrote, which a save must not overwrite.
inline bool IsDamaged(OptionsFileStatus status) {
  return status == OptionsFileStatus::Unreadable || status == OptionsFileStatus::NotWellFormed;
}

struct OptionsLoadResult {
  OptionsFileStatus status = OptionsFileStatus::Missing;
  // Why the file was not used (Unreadable, NotWellFormed); never shown to the
  // user by the window, but the command line may report it.
  std::string message;
  // The stored text of the expression window (lines joined by "|", see
  // SplitExpressionLines), when the file had it and "SaveExpr" was on. The
  // window then replaces its whole text with it; otherwise it keeps its text.
  bool expressionsRead = false;
  std::string expressions;
};

// Sets every field of `options` to its default, then reads the file: the
// settings, the window rectangles, the expression text and the variables,
// which are created or replaced in `variables`. A file that is missing,
// unreadable or not well-formed leaves the defaults. Elements are read in the
// order they are written, each searched after the one found last, so one that
// stands out of that order keeps its default. numberFormat is rebuilt.
//
// The hot key is only read here; registering it ("HotKey" with a key code
// other than 0) is the window's business.
OptionsLoadResult LoadOptions(const std::filesystem::path& file, OptionsRecord& options,
                              VariableTable& variables);

// The same from the bytes of a file (UTF-16 with its byte-order mark,
// UTF-8, or Windows-1251).
OptionsLoadResult ReadOptionsText(std::string_view bytes, OptionsRecord& options,
                                  VariableTable& variables);

// The document SaveOptions writes. `expressions` is the stored form of the
// expression window's text (JoinExpressionLines); the variables' values are
// written through the live number pattern.
std::string BuildOptionsText(const OptionsRecord& options, const VariableTable& variables,
                             std::string_view expressions);

// Writes the options file atomically: a fresh temporary file beside it first,
// then a rename over the old file, so a failed or interrupted save leaves the
// old file whole. On failure returns false and, when `error` is given, a one-line
// message.
bool SaveOptions(const std::filesystem::path& file, const OptionsRecord& options,
                 const VariableTable& variables, std::string_view expressions,
                 std::string* error = nullptr);

}  // namespace vr
