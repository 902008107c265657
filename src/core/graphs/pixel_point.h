#pragma once

namespace vr {

// A pixel of a graph picture: column from the left, row from the top.
struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// A place on a graph picture before it is rounded to a pixel, in the same
// units: (c, r) is the top left corner of pixel (c, r), so the pixel a
// point falls into is that of its coordinates truncated. Pictures with
// several device pixels to a pixel draw through these.
struct FinePoint {
  double x = 0.0;
  double y = 0.0;
};

}  // namespace vr
