#include "gui/platform/help_pages.h"

#include <QDesktopServices>
#include <QUrl>
#include <system_error>

#include "settings/program_folder.h"

namespace vr {

QString HelpPageName(bool english) {
  return english ? QStringLiteral("vadaderivo.html") : QStringLiteral("vadaderivo_r.html");
}

void OpenHelp(const std::filesystem::path& programFolder, bool english) {
  const std::filesystem::path page =
      FindDataFile(programFolder, ExecutablePath(), HelpPageName(english).toStdString());
  std::error_code error;
  if (!std::filesystem::exists(page, error)) return;
  QDesktopServices::openUrl(
      QUrl::fromLocalFile(QString::fromStdString(std::filesystem::absolute(page, error).string())));
}

}  // namespace vr
