#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "units/unit_tables.h"

namespace vr {

// The converter behind the three unit lists of the main window. The lists
// hold display names in the UI language; everything here finds records by
// those names, so the window needs to keep nothing but the lists.

// The name a record shows in a language: the part of `names` before the
// first "|" in English, the part after it in Russian; a text without "|"
// serves both languages.
std::string DisplayName(std::string_view names, bool english);

// The names of the unit types in table order, as the unit type list shows
// them.
std::vector<std::string> UnitTypeNames(const UnitTables& tables, bool english);

// The names of the units of one type in table order. A unit named "?" in
// the language is not offered in it.
std::vector<std::string> UnitNames(const UnitTables& tables, bool english,
                                   std::string_view typeKey);

// The key of the first type shown as `displayName`; empty when none is.
std::string GetUnitTypeKey(const UnitTables& tables, std::string_view displayName, bool english);

// The text appended to a number to convert it from the unit toward the
// type's international unit, or (towardSI false) from that unit to this
// one; empty when the unit is not found. A single fragment f is the unit's
// size, giving "*f" and "/f"; "t|b" gives "*t" and "*b" for affine scales.
std::string GetConversionText(const UnitTables& tables, bool english, std::string_view typeKey,
                              std::string_view unitName, bool towardSI);

// What the unit lists show when a line is evaluated in unit mode.
struct UnitSelection {
  std::string typeName;
  std::string fromName;
  std::string toName;
  int fromIndex = -1;
  int toIndex = -1;
};

// The line wrapped in the conversion between the selected units:
// "((" line ")" toward-SI ")" from-SI. The same position in both lists
// leaves the line as it is.
std::string ConvertLine(const UnitTables& tables, bool english, const UnitSelection& selection,
                        std::string_view line);

}  // namespace vr
