#pragma once

#include <QIcon>

namespace vr {

// The program's icon, drawn from its SVG at the usual sizes so that it is
// sharp on any screen density and needs no icon-engine plug-in.
QIcon AppIcon();

}  // namespace vr
