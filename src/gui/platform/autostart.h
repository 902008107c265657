#pragma once

#include <QString>

namespace vr {

// The desktop's autostart entry of the program: ~/.config/autostart (or
// $XDG_CONFIG_HOME/autostart)/vadaderivo.desktop.
QString AutostartEntryPath();

// Deletes the entry and, when autoStart is set, writes it again running
// `executable`, with " -min" when startMinimized is set. Failures are
// silent: the desktop simply does not start the program.
void UpdateAutostart(bool autoStart, bool startMinimized, const QString& executable);

// The Exec line's command: the executable quoted as desktop entries want it,
// then " -min" when asked.
QString AutostartCommand(const QString& executable, bool startMinimized);

}  // namespace vr
