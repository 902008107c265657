#pragma once

#include "options/options_record.h"

namespace vr {

class CalculatorDialog;

// Copies `working` into the live options and makes the window follow what
// changed since `before`: saves the options file, re-colours the editor and
// the keypad, rebuilds the number pattern, and updates always-on-top and the
// autostart entry when those changed.
void CommitPreferences(CalculatorDialog& dialog, const OptionsRecord& working,
                       const OptionsRecord& before);

// F9 and "Preferences...": runs the preferences sheet over a copy of the
// live options and commits it on OK. The global hot key is released while
// the sheet is open, so that pressing it there records it instead of firing.
void OpenPreferences(CalculatorDialog& dialog);

}  // namespace vr
