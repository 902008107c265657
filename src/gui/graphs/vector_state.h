#pragma once

namespace vr {

// Qt's drawing routines may use the wide (256- and 512-bit) vector
// registers and return with their upper halves still in use. Plain SSE
// code that runs next then pays for that on every floating-point
// instruction: the graph maths ran three to nine times slower after a
// fill of the picture than on its own. Call this after Qt has drawn and
// before our own maths; it marks the upper halves clean where the CPU has
// them, and does nothing elsewhere.
void LeaveWideVectorState();

}  // namespace vr
