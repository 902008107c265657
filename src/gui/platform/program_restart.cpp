#include "gui/platform/program_restart.h"

#include <QCoreApplication>
#include <QProcess>

namespace vr {

bool StartNewInstance(const std::filesystem::path& workingFolder) {
  if (QCoreApplication::instance() == nullptr) return false;
  return QProcess::startDetached(QCoreApplication::applicationFilePath(), {},
                                 QString::fromStdString(workingFolder.string()));
}

}  // namespace vr
