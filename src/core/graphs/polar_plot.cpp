#include "graphs/polar_plot.h"

#include <algorithm>
#include <cmath>

#include "graphs/graph_function.h"
#include "graphs/polar_model.h"
#include "options/options_record.h"

namespace vr {

namespace {

// Puts the angle setting back however the sampling ends.
class RadianScope {
 public:
  RadianScope() : saved_(Options().radian) { Options().radian = 1; }
  ~RadianScope() { Options().radian = saved_; }
  RadianScope(const RadianScope&) = delete;
  RadianScope& operator=(const RadianScope&) = delete;

 private:
  std::int32_t saved_;
};

void Widen(double v, double& max, double& min) {
  if (v > max) max = v;
  if (v < min) min = v;
}

}  // namespace

PolarSamples ComputePolarSamples(ExpressionEngine& engine, std::string_view functionText,
                                 double maxAngle) {
  PolarSamples out;
  const double step = 3.141592653589793 / 180.0 * 0.1;
  const double limit = maxAngle / kFullTurn * 360 * 10 + 50;
  // NaN fails the comparison too and takes the cap.
  out.sampleLimit = limit < kPolarSampleCap ? static_cast<int>(limit) : kPolarSampleCap;
  out.xs.reserve(static_cast<std::size_t>(std::max(out.sampleLimit, 0)));
  out.ys.reserve(static_cast<std::size_t>(std::max(out.sampleLimit, 0)));

  RadianScope radians;
  GraphFunction f(engine, {"x", "phi", "fi"});
  auto setAngle = [&](double phi) {
    for (std::size_t i = 0; i < 3; ++i) f.Set(i, phi);
  };
  double phi = 0.0;
  setAngle(phi);
  f.Prepare(functionText);
  for (int i = 0; phi <= maxAngle && i < out.sampleLimit; ++i) {
    const GraphSample s = f.Evaluate();
    const double r = s.ok ? s.value : 0.0;
    const double x = std::cos(phi) * r;
    const double y = std::sin(phi) * r;
    out.xs.push_back(x);
    out.ys.push_back(y);
    if (s.ok) {
      Widen(x, out.bothMax, out.bothMin);
      Widen(y, out.bothMax, out.bothMin);
      Widen(x, out.xMax, out.xMin);
      Widen(y, out.yMax, out.yMin);
    }
    phi += step;
    setAngle(phi);
  }
  return out;
}

namespace {

// The scale and the offsets that centre the curve in the picture, shared by
// the pixel and the fine drawing so that both lie on the same frame.
struct PolarFrame {
  double scale;
  double xOff;
  double yOff;
};

PolarFrame FrameOf(const PolarSamples& s, int width, int height) {
  const int side = height < width ? height : width;
  const double scale = s.bothMax == s.bothMin ? 1.0 : side / std::fabs(s.bothMax - s.bothMin);
  const double xOff = width / 2 - ((s.xMax - s.xMin) / 2 + s.xMin) * scale;
  const double yOff = height / 2 - ((s.yMax - s.yMin) / 2 + s.yMin) * scale;
  return {scale, xOff, yOff};
}

}  // namespace

PolarPlot LayOutPolar(const PolarSamples& s, int width, int height) {
  PolarPlot plot;
  const auto [scale, xOff, yOff] = FrameOf(s, width, height);
  for (int i = 0; i < s.LastIndex(); ++i) {
    const auto k = static_cast<std::size_t>(i);
    const double column = ToPixel(scale * s.xs[k]) + xOff;
    const double row = height - (ToPixel(scale * s.ys[k]) + yOff);
    plot.curve.push_back({ToPixel(column), ToPixel(row)});
  }
  plot.axisColumn = ToPixel(xOff);
  plot.axisRow = ToPixel(height - yOff);
  return plot;
}

PolarOutline OutlinePolar(const PolarSamples& s, int width, int height) {
  PolarOutline outline;
  const auto [scale, xOff, yOff] = FrameOf(s, width, height);
  outline.curve.reserve(static_cast<std::size_t>(std::max(s.LastIndex(), 0)));
  for (int i = 0; i < s.LastIndex(); ++i) {
    const auto k = static_cast<std::size_t>(i);
    outline.curve.push_back(
        {ToFinePixel(scale * s.xs[k] + xOff), ToFinePixel(height - (scale * s.ys[k] + yOff))});
  }
  outline.axisColumn = ToFinePixel(xOff);
  outline.axisRow = ToFinePixel(height - yOff);
  return outline;
}

}  // namespace vr
