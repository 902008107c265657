#include "gui/window/preferences_commit.h"

#include <QCoreApplication>

#include "gui/platform/autostart.h"
#include "gui/settings/preferences_sheet.h"
#include "gui/window/calculator_dialog.h"
#include "gui/window/desktop_presence.h"
#include "gui/window/expression_editor.h"
#include "gui/window/keypad.h"
#include "gui/window/session_keeper.h"

namespace vr {

void CommitPreferences(CalculatorDialog& dialog, const OptionsRecord& working,
                       const OptionsRecord& before) {
  OptionsRecord& live = Options();
  live = working;
  // A failed save is not worth a message here: the file is written again
  // at exit, where a failure is reported.
  dialog.Keeper().SaveNow();

  dialog.Keys().ApplyOptionColours(live);
  if (live.backColor != before.backColor || live.textColor != before.textColor ||
      live.textHighlight != before.textHighlight || live.fontSize != before.fontSize)
    dialog.Editor()->ApplyAppearance(live);
  live.RebuildNumberFormat();
  if (live.stayOnTop != before.stayOnTop) dialog.Desktop().ApplyStayOnTop();
  if (live.autoStart != before.autoStart || live.startMinimized != before.startMinimized)
    UpdateAutostart(live.autoStart != 0, live.startMinimized != 0,
                    QCoreApplication::applicationFilePath());
}

void OpenPreferences(CalculatorDialog& dialog) {
  dialog.Desktop().UnregisterHotKey();
  OptionsRecord working = Options();
  const OptionsRecord before = Options();
  PreferencesSheet sheet(working, &dialog);
  if (sheet.exec() == QDialog::Accepted) CommitPreferences(dialog, working, before);
  dialog.Desktop().RegisterHotKey();
}

}  // namespace vr
