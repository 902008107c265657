#include "gui/window/command_line.h"

namespace vr {

CommandLine ParseCommandLine(const QStringList& argumentsAfterProgram) {
  CommandLine result;
  const QString text = argumentsAfterProgram.join(QLatin1Char(' '));
  if (!text.isEmpty() && !text.startsWith(QLatin1Char('-'))) result.expression = text;
  const qsizetype lastDash = text.lastIndexOf(QLatin1Char('-'));
  result.startMinimized = lastDash >= 0 && text.mid(lastDash) == QLatin1String("-min");
  return result;
}

}  // namespace vr
