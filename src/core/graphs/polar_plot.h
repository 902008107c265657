#pragma once

#include <string_view>
#include <vector>

#include "engine/expression_engine.h"
#include "graphs/pixel_point.h"

namespace vr {

// The most samples one plot computes, whatever its angle.
constexpr int kPolarSampleCap = 150000;

// Cartesian points of r(angle) every 0.1 degree from 0 to the maximum
// angle, with the extremes of the points whose function did not fail.
struct PolarSamples {
  std::vector<double> xs;
  std::vector<double> ys;
  double bothMax = -1e300;
  double bothMin = 1e300;
  double xMax = -1e300;
  double xMin = 1e300;
  double yMax = -1e300;
  double yMin = 1e300;
  int sampleLimit = 0;
  int LastIndex() const { return static_cast<int>(xs.size()) - 1; }
};

// Samples in radians whatever the angle setting, which is restored after.
PolarSamples ComputePolarSamples(ExpressionEngine& engine, std::string_view functionText,
                                 double maxAngle);

// The curve (every point but the last) scaled alike on both axes and
// centred, and the axes through the pole.
struct PolarPlot {
  std::vector<PixelPoint> curve;
  int axisColumn = 0;
  int axisRow = 0;
};

PolarPlot LayOutPolar(const PolarSamples& samples, int width, int height);

// The same before it is rounded to pixels, for pictures finer than a pixel.
struct PolarOutline {
  std::vector<FinePoint> curve;
  double axisColumn = 0.0;
  double axisRow = 0.0;
};

PolarOutline OutlinePolar(const PolarSamples& samples, int width, int height);

}  // namespace vr
