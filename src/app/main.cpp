#include <QApplication>
#include <QStringList>

#include <filesystem>
#include <iostream>

#include "gui/window/calculator_dialog.h"
#include "gui/window/command_line.h"
#include "gui/window/window_options.h"
#include "settings/program_folder.h"
#include "usage.h"

int main(int argc, char** argv) {
  // Answered before Qt starts, so that they work without a display.
  switch (vr::app::FindInfoRequest(argc, argv)) {
    case vr::app::InfoRequest::Help:
      std::cout << vr::app::HelpText(std::filesystem::path(argv[0]).filename().string(),
                                     vr::ExecutablePath());
      return 0;
    case vr::app::InfoRequest::Version:
      std::cout << vr::app::VersionText();
      return 0;
    case vr::app::InfoRequest::None:
      break;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("VadadeRivo"));
  QApplication::setApplicationVersion(QStringLiteral(VR_VERSION));
  // Lets Wayland compositors and docks match the window to its desktop
  // entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("vadaderivo"));
  // The window may hide in the notification area; only closing it ends the
  // program.
  QApplication::setQuitOnLastWindowClosed(false);

  // QApplication has taken its own options (-platform, -style ...) out of
  // argv; the rest is the calculator's.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  vr::CalculatorDialog dialog(vr::DefaultProgramFolder(), vr::ParseCommandLine(arguments));
  QObject::connect(&dialog, &QDialog::finished, &app, &QCoreApplication::quit);
  dialog.StartUp();
  return QApplication::exec();
}
