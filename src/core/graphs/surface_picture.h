#pragma once

#include <cstdint>

#include "engine/expression_engine.h"
#include "graphs/pixel_point.h"
#include "graphs/surface_model.h"
#include "graphs/surface_raster.h"

namespace vr {

// Grid steps per axis for a drawing area `width` pixels wide: finer grids
// for wider pictures.
int SurfaceGridSteps(int width);

// The fixed isometric view: x runs to the lower left, y to the lower right,
// z straight up; the origin of the x-y plane sits at column cx and height
// zShift. Rows are counted upward from the bottom.
struct SurfaceProjection {
  double scale = 0.0;
  int cx = 0;
  std::int32_t zShift = 0;
  // Device pixels to a pixel: the point lands in the device pixel that
  // holds it, on a picture this many times finer.
  double ratio = 1.0;
  PixelPoint Project(double x, double y, double z) const;
};

SurfaceProjection MakeSurfaceProjection(const SurfaceInputs& inputs, int width,
                                        std::int32_t zShift);

// Draws the mesh of the surface: the lines of constant y, then, with fresh
// horizons, the lines of constant x, each walked from the end values toward
// the start values. An unset zShift becomes half the height; `zShiftUsed`
// receives the shift drawn with.
SurfaceRaster RenderSurface(ExpressionEngine& engine, const SurfaceInputs& inputs, int width,
                            int height, std::int32_t& zShiftUsed);
// The same, drawn into `raster`, whose storage is reused. With a `ratio`
// other than 1 the raster has that many device pixels to a pixel (its size
// rounded), while the grid, the projection and the z shift stay those of
// width x height: the same mesh, drawn finer.
void RenderSurface(ExpressionEngine& engine, const SurfaceInputs& inputs, int width, int height,
                   std::int32_t& zShiftUsed, SurfaceRaster& raster, double ratio = 1.0);

}  // namespace vr
