#pragma once

#include <string>
#include <string_view>

namespace vr {

// Field `index` (from 0) of a graph command's argument: fields end at ";"
// outside parentheses, so sin(max(x;1));0;1 has three fields. A field past
// the last one is empty.
std::string ArgumentField(std::string_view argument, int index);

}  // namespace vr
