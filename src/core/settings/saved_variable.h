#pragma once

#include <string>
#include <string_view>

#include "engine/variable_table.h"
#include "values/value.h"

namespace vr {

// One variable as the options file keeps it: the attributes "Name",
// "VarType" and "Value" of an "Item".
struct SavedVariable {
  std::string name;
  std::string varType;
  std::string value;
};

// The stored form of a variable; false for an entry that is not stored (no
// name, or a reference rather than a value).
//
// VarType: "0" Real, "1" Integer, "2" Fraction, "3" Time, "4" Complex, "8"
// String, "9" Date. Real, Fraction, Time and Complex are written as the
// calculator shows them. Integer is written as its exact decimal text, String
// as the bare text and Date as its day serial, so that all three come back
// unchanged.
bool SaveVariable(const VariableEntry& entry, SavedVariable& saved);

// The value of a stored variable. "1" also reads hexadecimal text with its
// "0x" prefix, "9" also a date literal between '#' signs; a VarType that is
// not known reads the text as a number.
Value RestoreVariableValue(std::string_view varType, std::string_view valueText);

}  // namespace vr
