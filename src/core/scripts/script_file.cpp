#include "scripts/script_file.h"

#include <array>
#include <new>
#include <string>

#include "files/ascii.h"
#include "files/text_file.h"
#include "values/utf8_text.h"

namespace vr {
namespace {

struct Keyword {
  std::string_view word;
  StatementType type;
};

constexpr std::array<Keyword, 10> kKeywords{{
    {"func", StatementType::Func},
    {"function", StatementType::Func},
    {"endfunc", StatementType::EndFunc},
    {"if", StatementType::If},
    {"elif", StatementType::ElIf},
    {"else", StatementType::Else},
    {"endif", StatementType::EndIf},
    {"goto", StatementType::Goto},
    {"return", StatementType::Return},
    {"write", StatementType::Write},
}};

bool IsWordCharacter(std::string_view text, std::size_t pos) {
  const char c = text[pos];
  return IsAsciiDigit(c) || c == '_' || Utf8IsLetter(text, pos);
}

}  // namespace

bool ParseScriptLine(std::string_view line, ScriptStatement& statement) {
  std::string_view comment;
  if (const std::size_t hashes = line.find("##"); hashes != std::string_view::npos) {
    comment = line.substr(hashes);
    line = line.substr(0, hashes);
  }
  line = TrimWhiteSpace(line);
  if (line.empty() || !Utf8IsLetter(line, 0)) return false;

  std::size_t wordEnd = 0;
  while (wordEnd < line.size() && IsWordCharacter(line, wordEnd)) {
    wordEnd += Utf8CharLength(line, wordEnd);
  }
  const bool labelled = wordEnd < line.size() && line[wordEnd] == ':';
  if (labelled) ++wordEnd;
  const std::string_view word = line.substr(0, wordEnd);

  statement = ScriptStatement{};
  if (!labelled) {
    const std::string lowered = Utf8ToLower(word);
    for (const Keyword& keyword : kKeywords) {
      if (lowered != keyword.word) continue;
      statement.type = keyword.type;
      statement.text = TrimWhiteSpace(line.substr(wordEnd));
      // The declaration keeps its description for the list of functions.
      if (keyword.type == StatementType::Func) statement.text += comment;
      return true;
    }
    statement.type = StatementType::Expression;
    statement.text = line;
    return true;
  }
  statement.type = StatementType::Label;
  statement.label = word.substr(0, word.size() - 1);
  statement.text = line.substr(wordEnd);
  return true;
}

void AppendScriptText(std::string_view text, ScriptStatementList& list) {
  ScriptStatement statement;
  for (std::string_view line : SplitLines(text)) {
    if (ParseScriptLine(line, statement)) list.Append(std::move(statement));
  }
}

int LoadScriptFile(const std::filesystem::path& path, bool clear, std::ostream* report) {
  if (clear) ScriptStatements().Clear();
  std::string text;
  std::string reason;
  try {
    if (ReadTextFile(path, text, &reason) == TextFileStatus::Ok) {
      // All or nothing: a file that cannot be taken whole adds no statement.
      ScriptStatementList statements;
      AppendScriptText(text, statements);
      ScriptStatements().AppendAll(std::move(statements));
      return 1;
    }
  } catch (const std::bad_alloc&) {
    reason = "not enough memory";
  }
  if (report)
    *report << "The script file \"" << path.string() << "\" is skipped: " << reason << ".\n";
  return 0;
}

}  // namespace vr
