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
  // Empty again at a new size, keeping the storage it already has: a
  // window redrawn over and over does not allocate (and fault in) a fresh
  // raster each time.
  void Reset(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // True where the mesh is drawn; rows from the top.
  bool IsSet(int column, int rowFromTop) const;
  const std::vector<std::uint8_t>& Pixels() const { return pixels_; }
  // One row from the top, Width() bytes, non-zero where drawn.
  const std::uint8_t* Row(int rowFromTop) const {
    return pixels_.data() + static_cast<std::size_t>(rowFromTop) * static_cast<std::size_t>(width_);
  }

  // Both horizons back to empty, for the second family of lines.
  void ResetHorizons();
  // The horizon test and the pixel for one point.
  void HorizonPlot(int column, std::int64_t row);
  // The segment from q to p, one point per column or per row, whichever
  // the segment is longer in (the second family of lines walks columns on
  // a tie). Gives the point the next segment starts from.
  PixelPoint DrawSegment(PixelPoint q, PixelPoint p, bool columnsOnTie);

  // From now on also records the drawn pixels (rows from the top) in the
  // order they are drawn, as runs of neighbouring pixels: a hidden point or
  // a jump ends a run. Vector pictures draw the runs as lines; nullptr stops
  // the recording.
  void TraceInto(std::vector<std::vector<PixelPoint>>* runs) {
    runs_ = runs;
    runOpen_ = false;
  }

 private:
  void ColumnWalk(PixelPoint q, int ddx, int ddy);
  void RowWalk(PixelPoint q, int ddx, int ddy);
  void Trace(PixelPoint p);

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
  std::vector<std::int64_t> upper_;
  std::vector<std::int64_t> lower_;
  std::vector<std::vector<PixelPoint>>* runs_ = nullptr;
  bool runOpen_ = false;
};

}  // namespace vr
