// The graphs' work per picture: the samples of a 2D graph one drawing area
// wide (with muparser sampling the same curve as the peer), the samples of
// a polar plot, and the 3D mesh with its hidden lines removed at the grid
// sizes the drawing-area widths choose.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include "engine/expression_engine.h"
#include "graphs/graph2d_plot.h"
#include "graphs/polar_model.h"
#include "graphs/polar_plot.h"
#include "graphs/surface_picture.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"

namespace {

vr::ExpressionEngine& Engine() {
  static vr::ExpressionEngine engine({&vr::StandardOperations(), nullptr});
  return engine;
}

void Graph2DSamples(benchmark::State& state) {
  vr::Options().radian = 1;
  const int width = static_cast<int>(state.range(0));
  for (auto _ : state) {
    vr::Graph2DSamples s = vr::ComputeGraph2DSamples(Engine(), "sin(x)*x+cos(x/3)", -10, 10, width);
    benchmark::DoNotOptimize(s.yMax);
  }
  state.SetItemsProcessed(state.iterations() * (width + 1));
}
BENCHMARK(Graph2DSamples)->Name("graph/2d-samples/ours")->Arg(800);

void Graph2DSamplesMuparser(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  double x = 0;
  mu::Parser parser;
  parser.DefineVar("x", &x);
  parser.SetExpr("sin(x)*x+cos(x/3)");
  std::vector<double> y(static_cast<std::size_t>(width) + 1);
  for (auto _ : state) {
    x = -10;
    const double dx = 20.0 / width;
    for (double& v : y) {
      v = parser.Eval();
      x += dx;
    }
    benchmark::DoNotOptimize(y.data());
  }
  state.SetItemsProcessed(state.iterations() * (width + 1));
}
BENCHMARK(Graph2DSamplesMuparser)->Name("graph/2d-samples/muparser")->Arg(800);

void PolarSamples(benchmark::State& state) {
  for (auto _ : state) {
    vr::PolarSamples s = vr::ComputePolarSamples(Engine(), "sin(2*phi)", vr::kFullTurn);
    benchmark::DoNotOptimize(s.bothMax);
  }
}
BENCHMARK(PolarSamples)->Name("graph/polar-samples");

void SurfaceMesh(benchmark::State& state) {
  vr::Options().radian = 1;
  vr::SurfaceInputs in;
  in.functionText = "sin(x)*cos(y)";
  in.xStart = in.yStart = -3;
  in.xEnd = in.yEnd = 3;
  in.zScale = 60;
  const int width = static_cast<int>(state.range(0));
  const int height = width * 2 / 3;
  for (auto _ : state) {
    std::int32_t shift = 0;
    vr::SurfaceRaster r = vr::RenderSurface(Engine(), in, width, height, shift);
    benchmark::DoNotOptimize(r.Pixels().data());
  }
  state.counters["grid"] = vr::SurfaceGridSteps(width);
}
BENCHMARK(SurfaceMesh)->Name("graph/3d-mesh")->Arg(400)->Arg(900)->Unit(benchmark::kMillisecond);

}  // namespace
