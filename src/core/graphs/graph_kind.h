#pragma once

namespace vr {

// The three graph windows, in the order their commands are looked for.
enum class GraphKind { Graph2D, Graph3D, Polar };

}  // namespace vr
