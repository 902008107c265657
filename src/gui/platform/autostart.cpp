#include "gui/platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace vr {

QString AutostartEntryPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/autostart/vadaderivo.desktop");
}

QString AutostartCommand(const QString& executable, bool startMinimized) {
  // Inside a quoted argument of Exec, '"', '`', '$' and '\' are escaped with
  // a backslash; the value itself then doubles every backslash, and a
  // literal '%' is written "%%".
  QString quoted;
  for (QChar ch : executable) {
    if (ch == QLatin1Char('"') || ch == QLatin1Char('`') || ch == QLatin1Char('$') ||
        ch == QLatin1Char('\\'))
      quoted += QLatin1Char('\\');
    quoted += ch;
  }
  quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
  QString command = QLatin1Char('"') + quoted + QLatin1Char('"');
  if (startMinimized) command += QStringLiteral(" -min");
  return command;
}

void UpdateAutostart(bool autoStart, bool startMinimized, const QString& executable) {
  const QString path = AutostartEntryPath();
  QFile::remove(path);
  if (!autoStart) return;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return;
  const QString entry = QStringLiteral(
                            "[Desktop Entry]\n"
                            "Type=Application\n"
                            "Name=VadadeRivo\n"
                            "Comment=Scientific calculator\n"
                            "Icon=vadaderivo\n"
                            "Exec=%1\n"
                            "Terminal=false\n"
                            "X-GNOME-Autostart-enabled=true\n")
                            .arg(AutostartCommand(executable, startMinimized));
  file.write(entry.toUtf8());
  file.commit();
}

}  // namespace vr
