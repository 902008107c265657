#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

#include "scripts/script_statement.h"
#include "scripts/script_statement_list.h"

namespace vr {

// Reads one line of a script file into a statement. False for a line that
// adds nothing: empty, only a "##" comment, or not starting with a letter.
bool ParseScriptLine(std::string_view line, ScriptStatement& statement);

// Appends the statements of a whole script text (UTF-8) to list.
void AppendScriptText(std::string_view text, ScriptStatementList& list);

// Appends the statements of the script file at path to the live statement
// list, emptying the list first when clear is set. Returns 1 on success and
// 0 when the file cannot be read or is not a text file; it then adds
// nothing and, when report is given, says so there in one line.
int LoadScriptFile(const std::filesystem::path& path, bool clear, std::ostream* report = nullptr);

}  // namespace vr
