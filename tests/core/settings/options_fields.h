#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "settings/options_record.h"

namespace vr::testing {

// Every field of the record that the options file keeps, by a short name,
// so that tables can state expectations as "precision=15 radian=1".
inline std::map<std::string, std::int64_t> SavedFields(const OptionsRecord& o) {
  return {
      {"radian", o.radian},
      {"format", o.format},
      {"saveVars", o.saveVars},
      {"saveExpr", o.saveExpr},
      {"saveWindowsPositions", o.saveWindowsPositions},
      {"saveResults", o.saveResults},
      {"english", o.english},
      {"precision", o.precision},
      {"main.top", o.mainWindow.top},
      {"main.left", o.mainWindow.left},
      {"main.width", o.mainWindow.width},
      {"main.height", o.mainWindow.height},
      {"funcs.top", o.functionsDialog.top},
      {"funcs.left", o.functionsDialog.left},
      {"funcs.width", o.functionsDialog.width},
      {"funcs.height", o.functionsDialog.height},
      {"g2.top", o.graph2D.top},
      {"g2.left", o.graph2D.left},
      {"g2.width", o.graph2D.width},
      {"g2.height", o.graph2D.height},
      {"g3.top", o.graph3D.top},
      {"g3.left", o.graph3D.left},
      {"g3.width", o.graph3D.width},
      {"g3.height", o.graph3D.height},
      {"vars.top", o.varsDialogTop},
      {"vars.left", o.varsDialogLeft},
      {"dateFormat", o.dateFormat},
      {"showCalcResult", o.showCalcResult},
      {"showScriptResult", o.showScriptResult},
      {"backColor", o.backColor},
      {"textColor", o.textColor},
      {"textHighlight", o.textHighlight},
      {"buttonHighlight", o.buttonHighlight},
      {"digitColor", o.digitColor},
      {"functionColor", o.functionColor},
      {"operationColor", o.operationColor},
      {"fontSize", o.fontSize},
      {"stayOnTop", o.stayOnTop},
      {"numberBase", o.numberBase},
      {"hotKeyKey", o.hotKeyKey},
      {"hotKeyModifiers", o.hotKeyModifiers},
      {"minToTray", o.minToTray},
      {"autoStart", o.autoStart},
      {"startMinimized", o.startMinimized},
      {"closeMinimize", o.closeMinimize},
      {"autoClip", o.autoClip},
  };
}

// The fields named in "name=value name=value" that differ from `o`, as
// "name: got X, want Y" lines; empty when all agree. A name that is not a
// field is reported too.
inline std::string FieldMismatches(const OptionsRecord& o, std::string_view expectations) {
  const auto fields = SavedFields(o);
  std::string out;
  std::size_t pos = 0;
  while (pos < expectations.size()) {
    const std::size_t end = std::min(expectations.find(' ', pos), expectations.size());
    const std::string_view item = expectations.substr(pos, end - pos);
    pos = end + 1;
    if (item.empty()) continue;
    const std::size_t eq = item.find('=');
    const std::string name(item.substr(0, eq));
    const std::int64_t want = std::stoll(std::string(item.substr(eq + 1)));
    const auto it = fields.find(name);
    if (it == fields.end()) {
      out += name + ": no such field\n";
    } else if (it->second != want) {
      out += name + ": got " + std::to_string(it->second) + ", want " + std::to_string(want) + "\n";
    }
  }
  return out;
}

}  // namespace vr::testing
