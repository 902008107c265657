#pragma once

namespace vr {

// Command numbers of the main window's menus; the window finds its menu
// actions by them.
enum MenuCommand : int {
  kCmdPreferences = 32772,
  kCmdDegrees = 32776,
  kCmdRadians = 32777,
  kCmdAbout = 32778,
  kCmdHelp = 32779,
  kCmdVariables = 32780,
  kCmdFunctions = 32781,
  kCmdEnglish = 32782,
  kCmdRussian = 32783,
  kCmdOpenScript = 32784,
  kCmdSaveScript = 32785,
  kCmdExit = 32787,
  kCmdUserFunctions = 32788,
  kCmdUndo = 32789,
  kCmdCut = 32791,
  kCmdCopy = 32792,
  kCmdPaste = 32793,
  kCmdDelete = 32794,
  kCmdSelectAll = 32795,
  kCmdUnitMode = 32797,
  kCmdDecimal = 32798,
  kCmdHexadecimal = 32799,
  kCmdOctal = 32800,
  kCmdBinary = 32801,
  // Keys without a menu item of their own.
  kCmdSwapUnits = 40001,
  kCmdInternationalUnit = 40002,
  // Stops the running line (Esc does the same).
  kCmdStop = 40003,
};

}  // namespace vr
