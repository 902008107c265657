#pragma once

#include <string>
#include <string_view>

namespace vr {

// Field n (counted from 1) of text, where every character listed in
// separators ends a field. A field that does not exist, a field between two
// separators in a row and any n below 1 give the empty text. Fields are not
// trimmed: blanks around a separator stay part of the neighbouring fields.
std::string TextField(std::string_view text, int n, std::string_view separators);

}  // namespace vr
