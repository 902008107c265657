#pragma once

#include <cstdint>
#include <vector>

#include "graphs/pixel_point.h"

namespace vr {

// The mesh of a surface drawn with hidden lines removed by two floating
// horizons: a point is drawn only where it lies above everything drawn so
// far in its column (upper horizon) or below it (lower horizon). Points are
// given with the row counted upward from the bottom.
class SurfaceRaster {
 public:
  SurfaceRaster(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // True where the mesh is drawn; rows from the top.
  bool IsSet(int column, int rowFromTop) const;
  const std::vector<std::uint8_t>& Pixels() const { return pixels_; }

  // Both horizons back to empty, for the second family of lines.
  void ResetHorizons();
  // The horizon test and the pixel for one point.
  void HorizonPlot(int column, std::int64_t row);
  // The segment from q to p, one point per column or per row, whichever
  // the segment is longer in (the second family of lines walks columns on
  // a tie). Gives the point the next segment starts from.
  PixelPoint DrawSegment(PixelPoint q, PixelPoint p, bool columnsOnTie);

 private:
  void ColumnWalk(PixelPoint q, int ddx, int ddy);
  void RowWalk(PixelPoint q, int ddx, int ddy);

  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
  std::vector<std::int64_t> upper_;
  std::vector<std::int64_t> lower_;
};

}  // namespace vr
