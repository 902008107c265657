#include "graphs/surface_picture.h"

#include <algorithm>
#include <cmath>

#include "graphs/graph_function.h"
#include "values/value_conversion.h"

namespace vr {

namespace {

constexpr double kZLimit = 3000.0;

// Projected coordinates stay where their differences fit an int.
int ToCoordinate(double u) {
  const double r = RoundHalfAway(u);
  if (std::isnan(r)) return 0;
  return static_cast<int>(std::clamp(r, -268435456.0, 268435456.0));
}

}  // namespace

int SurfaceGridSteps(int width) {
  if (width > 800) return 137;
  if (width > 600) return 109;
  if (width > 400) return 71;
  if (width > 200) return 31;
  return 19;
}

PixelPoint SurfaceProjection::Project(double x, double y, double z) const {
  const double px = x * scale;
  const double py = y * scale;
  const double column = std::sqrt(3.0) * (py - px) / 2 + cx;
  const double row = zShift + z - (px + py) / 2;
  return {ToCoordinate(ratio * column - 0.5), ToCoordinate(ratio * row - 0.5)};
}

SurfaceProjection MakeSurfaceProjection(const SurfaceInputs& in, int width, std::int32_t zShift) {
  SurfaceProjection p;
  p.scale = 2 * (width / std::sqrt(3.0)) / ((in.xEnd - in.xStart) + (in.yEnd - in.yStart));
  p.cx = width / 2;
  p.zShift = zShift;
  return p;
}

SurfaceRaster RenderSurface(ExpressionEngine& engine, const SurfaceInputs& in, int width,
                            int height, std::int32_t& zShiftUsed) {
  SurfaceRaster raster(0, 0);
  RenderSurface(engine, in, width, height, zShiftUsed, raster);
  return raster;
}

void RenderSurface(ExpressionEngine& engine, const SurfaceInputs& in, int width, int height,
                   std::int32_t& zShiftUsed, SurfaceRaster& raster, double ratio) {
  if (!(ratio > 0.0) || !std::isfinite(ratio)) ratio = 1.0;
  auto device = [ratio](int pixels) {
    return ratio == 1.0 ? pixels : static_cast<int>(std::lround(pixels * ratio));
  };
  raster.Reset(device(width), device(height));
  zShiftUsed = in.zShift == kZShiftUnset ? height / 2 : in.zShift;
  if (width <= 0 || height <= 0) return;
  const int steps = SurfaceGridSteps(width);
  const double dx = -(in.xEnd - in.xStart) / steps;
  const double dy = -(in.yEnd - in.yStart) / steps;
  SurfaceProjection view = MakeSurfaceProjection(in, width, zShiftUsed);
  view.ratio = ratio;
  // Equal ranges make the scale infinite; nothing sensible can be drawn.
  if (!std::isfinite(view.scale)) return;

  GraphFunction f(engine, {"x", "y"});
  f.Set(0, in.xStart);
  f.Set(1, in.yStart);
  f.Prepare(in.functionText);
  auto point = [&](double x, double y) {
    f.Set(0, x);
    f.Set(1, y);
    const GraphSample s = f.Evaluate();
    double z = s.ok ? s.value * in.zScale : 0.0;
    if (std::isnan(z)) z = 0.0;
    z = std::clamp(z, -kZLimit, kZLimit);
    return view.Project(x, y, z);
  };

  // The sums may stall on huge values whose steps vanish in rounding; a
  // line never has more than steps + 1 points otherwise.
  const int maxPoints = steps + 2;
  for (int pass = 0; pass < 2; ++pass) {
    raster.ResetHorizons();
    const bool linesOfConstantY = pass == 0;
    const double outerEnd = linesOfConstantY ? in.yEnd : in.xEnd;
    const double outerStart = linesOfConstantY ? in.yStart : in.xStart;
    const double outerStep = linesOfConstantY ? dy : dx;
    const double innerEnd = linesOfConstantY ? in.xEnd : in.yEnd;
    const double innerStart = linesOfConstantY ? in.xStart : in.yStart;
    const double innerStep = linesOfConstantY ? dx : dy;
    int lines = 0;
    for (double outer = outerEnd; outer > outerStart && lines < maxPoints;
         outer += outerStep, ++lines) {
      PixelPoint previous;
      int points = 0;
      for (double inner = innerEnd; inner > innerStart && points < maxPoints;
           inner += innerStep, ++points) {
        const PixelPoint p = linesOfConstantY ? point(inner, outer) : point(outer, inner);
        previous = points == 0 ? p : raster.DrawSegment(previous, p, !linesOfConstantY);
      }
    }
  }
}

}  // namespace vr
