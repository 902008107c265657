#include "graphs/graph2d_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "graphs/graph_function.h"
#include "values/c_locale_scope.h"

namespace vr {

Graph2DSamples ComputeGraph2DSamples(ExpressionEngine& engine, std::string_view functionText,
                                     double startX, double endX, int width) {
  Graph2DSamples out;
  if (width <= 0) return out;
  const double dx = (endX - startX) / width;
  out.y.assign(static_cast<std::size_t>(width) + 1, 0.0);
  GraphFunction f(engine, {"x"});
  double x = startX;
  f.Set(0, x);
  f.Prepare(functionText);
  for (double& y : out.y) {
    const GraphSample s = f.Evaluate();
    y = s.ok ? s.value : 0.0;
    if (s.ok) {
      if (y > out.yMax) out.yMax = y;
      if (y < out.yMin) out.yMin = y;
    }
    // The running sum, not startX + i * dx: the picture follows the points
    // the sum reaches.
    x += dx;
    f.Set(0, x);
  }
  return out;
}

std::string ShortNumberText(double v) {
  CLocaleScope cLocale;
  char text[64];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

Graph2DPlot LayOutGraph2D(const Graph2DSamples& samples, double startX, double endX, int width,
                          int height) {
  Graph2DPlot plot;
  const double yMax = samples.yMax;
  const double yMin = samples.yMin;
  const double scale = yMax == yMin ? 1.0 : height / std::fabs(yMax - yMin);
  const int offset = ToPixel(scale * yMin);
  const int columns = std::min<int>(width, static_cast<int>(samples.y.size()) - 1);
  for (int c = 0; c < columns; ++c) {
    const int v = ToPixel(scale * samples.y[static_cast<std::size_t>(c)]);
    plot.curve.push_back({c, ToPixel(static_cast<double>(height) - v + offset)});
  }
  if (startX < 0 && endX > 0) {
    plot.yAxisColumn = ToPixel(std::fabs(startX) * (width / (endX - startX)));
  }
  if (yMin < 0 && yMax > 0) {
    plot.xAxisRow = ToPixel(height - std::fabs(yMin) * (height / (yMax - yMin)));
  }
  plot.topLabel = ShortNumberText(yMax);
  plot.bottomLabel = ShortNumberText(yMin);
  return plot;
}

Graph2DOutline OutlineGraph2D(const Graph2DSamples& samples, double startX, double endX,
                              int width, int height) {
  Graph2DOutline outline;
  const double yMax = samples.yMax;
  const double yMin = samples.yMin;
  const double scale = yMax == yMin ? 1.0 : height / std::fabs(yMax - yMin);
  const int columns = std::min<int>(width, static_cast<int>(samples.y.size()) - 1);
  outline.curve.reserve(static_cast<std::size_t>(std::max(columns, 0)));
  for (int c = 0; c < columns; ++c) {
    const double y = samples.y[static_cast<std::size_t>(c)];
    outline.curve.push_back({static_cast<double>(c), ToFinePixel(height - scale * (y - yMin))});
  }
  if (startX < 0 && endX > 0) {
    outline.yAxisColumn = ToFinePixel(std::fabs(startX) * (width / (endX - startX)));
  }
  if (yMin < 0 && yMax > 0) {
    outline.xAxisRow = ToFinePixel(height - std::fabs(yMin) * (height / (yMax - yMin)));
  }
  return outline;
}

}  // namespace vr
