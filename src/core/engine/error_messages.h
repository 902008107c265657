#pragma once

#include <string>

#include "values/error_code.h"

namespace vr {

// The text put into a message's "%s": set by the code that raises such a
// message just before it returns. Not cleared between lines.
std::string& ErrorName();

// The message of a code in the UI language ("English" setting), with the
// error name filled in; "OK" for 0 and for codes outside 1..kLastErrorCode.
std::string GetErrorText(int code);

}  // namespace vr
