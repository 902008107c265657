#pragma once

namespace vr {

// The most characters one line of the expression window holds. A longer line
// is refused rather than cut, so that nothing the user did not see evaluated
// is taken for the whole line.
inline constexpr int kLineCapacity = 255;

}  // namespace vr
