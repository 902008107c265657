#pragma once

#include <QString>
#include <QStringList>

namespace vr {

struct CommandLine {
  // Evaluated in the window at start-up; empty when there is none.
  QString expression;
  // Go to the notification area instead of showing the window.
  bool startMinimized = false;
};

// Reads the arguments after the program name. They are joined with blanks
// into one text: when it does not begin with "-" it is an expression, and,
// independently, a text whose last "-" starts exactly "-min" asks for a
// start in the notification area.
CommandLine ParseCommandLine(const QStringList& argumentsAfterProgram);

}  // namespace vr
