#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

#include "units/unit_tables.h"

namespace vr {

// Fills tables from the text of a unit table file (already UTF-8), after
// emptying them. No line is ever rejected: a malformed line yields empty
// fields. Lines are split at LF; blanks, tabs and CR around a line go.
void ParseUnitTable(std::string_view text, UnitTables& tables);

// Empties the live tables and loads them from the file at path (UTF-8,
// UTF-16 with a byte-order mark or Windows-1251). A missing file leaves the
// tables empty without a word, as at a first start without the file; a file
// that exists but cannot be read, or is not text at all, is reported on
// report (when given) and leaves them empty too. True when a table was read.
bool LoadUnitTable(const std::filesystem::path& path, std::ostream* report = nullptr);

}  // namespace vr
