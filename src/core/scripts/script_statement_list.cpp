#include "scripts/script_statement_list.h"

#include <utility>

#include "values/utf8_text.h"

namespace vr {

std::string_view DeclaredFunctionName(std::string_view funcText) {
  std::string_view name = funcText.substr(0, funcText.find('('));
  const std::size_t last = name.find_last_not_of(" \t");
  return last == std::string_view::npos ? std::string_view{} : name.substr(0, last + 1);
}

void ScriptStatementList::Touch() {
  // One counter for every list: a list moved in (a test's private list, or
  // the saved one restored) never shows a generation another content had.
  static std::uint64_t counter = 0;
  generation_ = ++counter;
}

void ScriptStatementList::Append(ScriptStatement statement) {
  Touch();
  if (statement.type == StatementType::Func) {
    // emplace keeps the first function of a name.
    functions_.emplace(Utf8ToLower(DeclaredFunctionName(statement.text)), Count());
  }
  statements_.push_back(std::move(statement));
}

void ScriptStatementList::AppendAll(ScriptStatementList&& more) {
  statements_.reserve(statements_.size() + more.statements_.size());
  functions_.reserve(functions_.size() + more.functions_.size());
  for (ScriptStatement& statement : more.statements_) Append(std::move(statement));
  more.Clear();
}

void ScriptStatementList::Clear() {
  Touch();
  statements_.clear();
  functions_.clear();
}

int ScriptStatementList::FindUserFunction(std::string_view name) const {
  if (functions_.empty()) return -1;
  const auto found = functions_.find(Utf8ToLower(name));
  return found == functions_.end() ? -1 : found->second;
}

std::vector<std::string> ScriptStatementList::ListUserFunctions() const {
  std::vector<std::string> texts;
  for (const ScriptStatement& statement : statements_) {
    if (statement.type == StatementType::Func) texts.push_back(statement.text);
  }
  return texts;
}

ScriptStatementList& ScriptStatements() {
  static ScriptStatementList live;
  return live;
}

ScopedScriptStatements::ScopedScriptStatements() : saved_(std::move(ScriptStatements())) {
  ScriptStatements().Clear();
}

ScopedScriptStatements::~ScopedScriptStatements() { ScriptStatements() = std::move(saved_); }

int FindUserFunction(std::string_view name) { return ScriptStatements().FindUserFunction(name); }

std::vector<std::string> ListUserFunctions() { return ScriptStatements().ListUserFunctions(); }

}  // namespace vr
