#include "units/unit_converter.h"

namespace vr {

std::string DisplayName(std::string_view names, bool english) {
  const std::size_t bar = names.find('|');
  if (bar == std::string_view::npos) return std::string(names);
  return std::string(english ? names.substr(0, bar) : names.substr(bar + 1));
}

std::vector<std::string> UnitTypeNames(const UnitTables& tables, bool english) {
  std::vector<std::string> names;
  names.reserve(tables.types.size());
  for (const UnitTypeRecord& type : tables.types) names.push_back(DisplayName(type.names, english));
  return names;
}

std::vector<std::string> UnitNames(const UnitTables& tables, bool english,
                                   std::string_view typeKey) {
  std::vector<std::string> names;
  for (const UnitRecord& unit : tables.units) {
    if (unit.typeKey != typeKey) continue;
    std::string name = DisplayName(unit.names, english);
    if (name != "?") names.push_back(std::move(name));
  }
  return names;
}

std::string GetUnitTypeKey(const UnitTables& tables, std::string_view displayName, bool english) {
  for (const UnitTypeRecord& type : tables.types)
    if (DisplayName(type.names, english) == displayName) return type.key;
  return {};
}

std::string GetConversionText(const UnitTables& tables, bool english, std::string_view typeKey,
                              std::string_view unitName, bool towardSI) {
  for (const UnitRecord& unit : tables.units) {
    if (unit.typeKey != typeKey || DisplayName(unit.names, english) != unitName) continue;
    const std::string& c = unit.conversion;
    const std::size_t bar = c.find('|');
    if (bar == std::string::npos) return (towardSI ? "*" : "/") + c;
    return "*" + (towardSI ? c.substr(0, bar) : c.substr(bar + 1));
  }
  return {};
}

std::string ConvertLine(const UnitTables& tables, bool english, const UnitSelection& selection,
                        std::string_view line) {
  if (selection.fromIndex == selection.toIndex) return std::string(line);
  const std::string key = GetUnitTypeKey(tables, selection.typeName, english);
  const std::string toward = GetConversionText(tables, english, key, selection.fromName, true);
  const std::string from = GetConversionText(tables, english, key, selection.toName, false);
  std::string text = "((";
  text.append(line);
  text += ")" + toward + ")" + from;
  return text;
}

}  // namespace vr
