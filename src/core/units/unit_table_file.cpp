#include "units/unit_table_file.h"

#include <new>
#include <string>

#include "files/text_field.h"
#include "files/text_file.h"

namespace vr {
namespace {

// "+Type|English|Russian=toward|from": the Russian name ends at the first
// "=", the English one only at the next "|", so a line without a Russian
// name shifts its fields rather than being refused.
UnitRecord ParseUnitLine(std::string_view line) {
  UnitRecord unit;
  unit.sign = line.front() == '+';
  line.remove_prefix(1);
  unit.typeKey = TextField(line, 1, "|");
  unit.names = TextField(line, 2, "|") + "|" + TextField(line, 3, "|=");
  const std::string rest = TextField(line, 2, "=");
  unit.conversion = TextField(rest, 1, "|");
  const std::string fromSi = TextField(rest, 2, "|");
  if (!fromSi.empty()) unit.conversion += "|" + fromSi;
  return unit;
}

UnitTypeRecord ParseTypeLine(std::string_view line) {
  UnitTypeRecord type;
  type.key = TextField(line, 1, "|");
  type.names = TextField(line, 2, "|") + "|" + TextField(line, 3, "|");
  return type;
}

}  // namespace

void ParseUnitTable(std::string_view text, UnitTables& tables) {
  tables.Clear();
  for (std::string_view line : SplitLines(text)) {
    line = TrimWhiteSpace(line);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '+' || line.front() == '-') {
      tables.units.push_back(ParseUnitLine(line));
    } else {
      tables.types.push_back(ParseTypeLine(line));
    }
  }
}

bool LoadUnitTable(const std::filesystem::path& path, std::ostream* report) {
  Units().Clear();
  std::string text;
  std::string reason;
  try {
    switch (ReadTextFile(path, text, &reason)) {
      case TextFileStatus::Ok:
        ParseUnitTable(text, Units());
        return true;
      case TextFileStatus::Missing:
        return false;  // no table is no fault: the converter is simply empty
      case TextFileStatus::Unreadable:
      case TextFileStatus::NotText:
        break;
    }
  } catch (const std::bad_alloc&) {
    Units().Clear();
    reason = "not enough memory";
  }
  if (report)
    *report << "The unit table \"" << path.string() << "\" is skipped: " << reason << ".\n";
  return false;
}

}  // namespace vr
