#pragma once

#include <string_view>

#include "options/options_record.h"

namespace vr {

// One setting from outside (the command line's --set KEY=VALUE): KEY is an
// element name of the options file (case ignored), VALUE its text as the
// file would hold it, read by the same rule. "Geometry", "GeometryVars",
// "GeometryFuncs", "Geometry2D" and "Geometry3D" take their attributes'
// numbers separated by blanks, in the order the file writes them; "minized"
// sets the start-minimised flag. False for a name that is not a setting
// ("Expressions" and "Vars" are not).
bool SetOptionByElementName(OptionsRecord& options, std::string_view key, std::string_view value);

}  // namespace vr
