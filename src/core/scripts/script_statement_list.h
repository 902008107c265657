#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "scripts/script_statement.h"

namespace vr {

// Every statement of every loaded script file, in load order. A function is
// the run from its Func statement to the next EndFunc; statements outside a
// function are kept but never run.
class ScriptStatementList {
 public:
  void Append(ScriptStatement statement);
  // Appends every statement of `more`; the room for them is taken first, so
  // that a shortage of memory shows before anything is added.
  void AppendAll(ScriptStatementList&& more);
  void Clear();

  int Count() const { return static_cast<int>(statements_.size()); }
  const ScriptStatement& operator[](int index) const {
    return statements_[static_cast<std::size_t>(index)];
  }
  const std::vector<ScriptStatement>& Statements() const { return statements_; }

  // Index of the Func statement of the function called name (any letter
  // case), or -1. Of two functions with one name the one loaded first wins.
  int FindUserFunction(std::string_view name) const;

  // The text of every Func statement in list order: the declaration and,
  // after "##", its description.
  std::vector<std::string> ListUserFunctions() const;

  // Changes whenever statements are added or the list is emptied, and is
  // never the same for two different contents, so that what was worked out
  // from the statements (prepared lines) can tell it is out of date.
  std::uint64_t Generation() const { return generation_; }

 private:
  void Touch();

  std::vector<ScriptStatement> statements_;
  // Lower-cased function name -> index of its first Func statement. The lexer
  // asks for every identifier it reads, so a scan of the list would do.
  std::unordered_map<std::string, int> functions_;
  std::uint64_t generation_ = 0;
};

// The name a Func statement declares: its text up to the first "(", trailing
// blanks removed; the whole text when there is no "(".
std::string_view DeclaredFunctionName(std::string_view funcText);

// The one statement list of the process, filled at start-up.
ScriptStatementList& ScriptStatements();

// Saves the live list, empties it, and restores it when it goes out of
// scope, so that a test can load its own scripts without leaking them.
class ScopedScriptStatements {
 public:
  ScopedScriptStatements();
  ~ScopedScriptStatements();
  ScopedScriptStatements(const ScopedScriptStatements&) = delete;
  ScopedScriptStatements& operator=(const ScopedScriptStatements&) = delete;
  ScriptStatementList& operator*() { return ScriptStatements(); }
  ScriptStatementList* operator->() { return &ScriptStatements(); }

 private:
  ScriptStatementList saved_;
};

// The live list's FindUserFunction and ListUserFunctions.
int FindUserFunction(std::string_view name);
std::vector<std::string> ListUserFunctions();

}  // namespace vr
