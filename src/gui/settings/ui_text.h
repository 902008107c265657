#pragma once

#include <QString>

#include "settings/options_record.h"

namespace vr {

// The settings and list dialogs carry both their texts side by side: they
// are built anew each time they open, so the language in force then decides.
inline QString UiText(const char* english, const char* russian) {
  return QString::fromUtf8(Options().english != 0 ? english : russian);
}

}  // namespace vr
