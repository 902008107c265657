#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/expression_engine.h"
#include "graphs/pixel_point.h"

namespace vr {

// W + 1 samples of y(x) for a picture W pixels wide, with the extremes of
// the samples that did not fail (-1e300 and 1e300 when all failed).
struct Graph2DSamples {
  std::vector<double> y;
  double yMax = -1e300;
  double yMin = 1e300;
};

// x runs from startX in steps of (endX - startX) / W, summed as it goes.
Graph2DSamples ComputeGraph2DSamples(ExpressionEngine& engine, std::string_view functionText,
                                     double startX, double endX, int width);

// The picture of a 2D graph: the curve (one point per column but the
// last), the axes where zero lies inside the ranges, and the labels of the
// extremes in the top and bottom left corners.
struct Graph2DPlot {
  std::vector<PixelPoint> curve;
  std::optional<int> yAxisColumn;  // vertical axis at x = 0
  std::optional<int> xAxisRow;     // horizontal axis at y = 0
  std::string topLabel;
  std::string bottomLabel;
};

Graph2DPlot LayOutGraph2D(const Graph2DSamples& samples, double startX, double endX, int width,
                          int height);

// The curve and the axes of the same plot before they are rounded to
// pixels, for pictures finer than a pixel.
struct Graph2DOutline {
  std::vector<FinePoint> curve;
  std::optional<double> yAxisColumn;
  std::optional<double> xAxisRow;
};

Graph2DOutline OutlineGraph2D(const Graph2DSamples& samples, double startX, double endX,
                              int width, int height);

// A number as the "%g" pattern prints it, with a point as decimal mark.
std::string ShortNumberText(double v);

}  // namespace vr
