#pragma once

#include <cstddef>

#include "values/error_code.h"

namespace vr {

// The longest text a value may hold. Far beyond anything typed or shown,
// it keeps a line that keeps doubling a string from taking all the memory.
inline constexpr std::size_t kMaxTextBytes = std::size_t{16} << 20;

// kOk when a text of `bytes` bytes may exist, kStringTooLong when not. Every
// place that makes a text longer than what it was given asks here before it
// builds the text.
constexpr ErrorCode CheckTextLength(std::size_t bytes) {
  return bytes <= kMaxTextBytes ? kOk : kStringTooLong;
}

}  // namespace vr
