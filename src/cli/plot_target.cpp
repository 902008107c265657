#include "plot_target.h"

#include "graphs/graph2d_plot.h"
#include "graphs/graph_command.h"
#include "graphs/polar_plot.h"
#include "graphs/svg_picture.h"

namespace vr::cli {

int PlotTarget::SetFromCommand(GraphKind kind, std::string_view argument) {
  switch (kind) {
    case GraphKind::Graph2D:
      lastCode_ = graph2D_.SetFromCommand(engine_, argument);
      break;
    case GraphKind::Graph3D:
      lastCode_ = graph3D_.SetFromCommand(engine_, argument);
      break;
    case GraphKind::Polar:
      lastCode_ = polar_.SetFromCommand(engine_, argument);
      break;
  }
  lastKind_ = kind;
  return lastCode_;
}

std::optional<std::string> PlotTarget::Svg(int width, int height, std::string& error) {
  if (!lastKind_) {
    error = "no graph command (graph2d, graph3d or graphpolar) to plot";
    return std::nullopt;
  }
  if (lastCode_ != 0) {
    error = "the last graph command failed: " + GraphCommandText(*lastKind_, lastCode_);
    return std::nullopt;
  }
  switch (*lastKind_) {
    case GraphKind::Graph2D: {
      const Graph2DSamples samples = ComputeGraph2DSamples(
          engine_, graph2D_.FunctionText(), graph2D_.StartX(), graph2D_.EndX(), width);
      return Graph2DSvg(samples, graph2D_.StartX(), graph2D_.EndX(), width, height);
    }
    case GraphKind::Graph3D: {
      std::int32_t shift = 0;
      return RenderSurfaceSvg(engine_, graph3D_.Inputs(), width, height, shift);
    }
    case GraphKind::Polar: {
      const PolarSamples samples =
          ComputePolarSamples(engine_, polar_.FunctionText(), polar_.MaxAngle());
      return PolarSvg(samples, width, height);
    }
  }
  return std::nullopt;
}

}  // namespace vr::cli
