#pragma once

#include <QString>

namespace vr {

// Text arriving from files, the clipboard or the engine may break lines with
// CR LF, a lone CR or a Unicode line separator. QTextDocument starts a new
// line at each CR and each LF alike, so a CR LF pair would become two lines;
// every kind of break is turned into one LF first.
inline QString NormalizeLineBreaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text;
}

}  // namespace vr
