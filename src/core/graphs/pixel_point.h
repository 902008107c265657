#pragma once

namespace vr {

// A pixel of a graph picture: column from the left, row from the top.
struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

}  // namespace vr
