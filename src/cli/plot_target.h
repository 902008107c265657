#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"
#include "graphs/graph2d_model.h"
#include "graphs/graph_command_target.h"
#include "graphs/polar_model.h"
#include "graphs/surface_model.h"

namespace vr::cli {

// Takes the place of the graph windows for --plot: it checks each graph
// command as the windows do and keeps the inputs of the last one, so that
// its picture can be written when the lines are done.
class PlotTarget final : public GraphCommandTarget {
 public:
  explicit PlotTarget(ExpressionEngine& engine) : engine_(engine) {}

  int SetFromCommand(GraphKind kind, std::string_view argument) override;
  void Present(GraphKind) override {}

  // The SVG picture of the last graph command at width x height; nothing,
  // with the reason in `error`, when there was none or it failed (a
  // picture of an earlier command would pass for the one asked for).
  std::optional<std::string> Svg(int width, int height, std::string& error);

 private:
  ExpressionEngine& engine_;
  Graph2DModel graph2D_;
  SurfaceModel graph3D_;
  PolarModel polar_;
  std::optional<GraphKind> lastKind_;
  int lastCode_ = 0;
};

}  // namespace vr::cli
