// Whole pictures of the three graphs, each compared with a text rendering
// kept in golden/: one character per pixel, '.' blank, '#' the curve or the
// mesh, '|' and '-' the axes, '+' where they cross. The first line says what
// the picture shows besides its pixels (the labels, the vertical shift).
// The 2D and polar pictures are one pixel wider and higher than their size,
// as the window copies them; only the points of the curve are drawn, not the
// lines between them.
//
// After a deliberate change of the drawing, rewrite the files with
//   VR_UPDATE_GOLDEN=1 ./test_graphs --gtest_filter='Picture*'
// and look at every changed picture before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "graph_test_support.h"
#include "graphs/graph2d_plot.h"
#include "graphs/polar_model.h"
#include "graphs/polar_plot.h"
#include "graphs/surface_picture.h"

namespace vr {
namespace {

std::string Canvas(int width, int height, std::optional<int> axisColumn,
                   std::optional<int> axisRow, const std::vector<PixelPoint>& curve) {
  std::vector<std::string> rows(height, std::string(width, '.'));
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width; ++c) {
      const bool across = axisRow == r;
      rows[r][c] = axisColumn == c ? (across ? '+' : '|') : (across ? '-' : '.');
    }
  }
  for (const PixelPoint& p : curve) {
    if (p.x >= 0 && p.x < width && p.y >= 0 && p.y < height) rows[p.y][p.x] = '#';
  }
  std::string text;
  for (const std::string& row : rows) text += row + '\n';
  return text;
}

void ExpectGolden(const std::string& name, const std::string& picture) {
  const std::string path = std::string(VR_GOLDEN) + "/" + name + ".txt";
  if (std::getenv("VR_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << picture;
    return;
  }
  std::ifstream file(path, std::ios::binary);
  std::stringstream golden;
  golden << file.rdbuf();
  EXPECT_EQ(picture, golden.str()) << path;
}

TEST(Picture, Graph2D) {
  struct Row {
    const char* name;
    const char* function;
    double start, end;
    int width, height;
  };
  const Row rows[] = {
      {"2d_parabola", "x*x-1", -1.5, 2.5, 40, 20},
      // x steps by 0.25 and meets the pole: that sample fails and stands at 0.
      {"2d_pole", "1/x", -4, 4, 32, 16},
      // Complex results stand at 0 and count for the extremes.
      {"2d_complex", "sqrt(x)+1", -3, 5, 32, 12},
      {"2d_no_axes", "4-x/2", 2, 6, 24, 10},
      {"2d_constant", "7", 5, 5, 8, 6},
      // Zero at an end of a range draws no axis.
      {"2d_ends_at_zero", "x", -4, 0, 16, 8},
      {"2d_starts_at_zero", "x*x", 0, 2, 16, 8},
      {"2d_unparsable", "x+", -1, 1, 8, 6},
  };
  for (const Row& r : rows) {
    test::GraphEngine g;
    const Graph2DSamples s = ComputeGraph2DSamples(g.engine, r.function, r.start, r.end, r.width);
    const Graph2DPlot p = LayOutGraph2D(s, r.start, r.end, r.width, r.height);
    ExpectGolden(r.name, "top " + p.topLabel + " bottom " + p.bottomLabel + "\n" +
                             Canvas(r.width + 1, r.height + 1, p.yAxisColumn, p.xAxisRow, p.curve));
  }
}

TEST(Picture, Surface) {
  struct Row {
    const char* name;
    SurfaceInputs in;
    int width, height;
  };
  const Row rows[] = {
      // The steps are exact: the lines at the start values are not drawn.
      {"3d_plane", {"x+y", 1, 5.75, -3, 1.75, 2, kZShiftUnset}, 80, 30},
      // The ridge hides the lines behind it.
      {"3d_ridge", {"exp(-8*(x-0.2)*(x-0.2))", -1, 1.2, -1.2, 1, 20, kZShiftUnset}, 60, 48},
      // Higher than the picture: cut at the top.
      {"3d_tall_ridge", {"exp(-8*(x-0.2)*(x-0.2))", -1, 1.2, -1.2, 1, 80, kZShiftUnset}, 60, 48},
      {"3d_saddle", {"x*y", -1, 1, -1, 1, 10, 12}, 40, 30},
      // Scaled values beyond 3000 are flattened to a plateau.
      {"3d_plateau", {"1+x*y", 0, 1, 0, 1, 1e9, -2985}, 30, 20},
  };
  for (const Row& r : rows) {
    test::GraphEngine g;
    std::int32_t shift = 0;
    const SurfaceRaster raster = RenderSurface(g.engine, r.in, r.width, r.height, shift);
    std::string text = "shift " + std::to_string(shift) + "\n";
    for (int row = 0; row < r.height; ++row) {
      for (int c = 0; c < r.width; ++c) text += raster.IsSet(c, row) ? '#' : '.';
      text += '\n';
    }
    ExpectGolden(r.name, text);
  }
}

TEST(Picture, Polar) {
  struct Row {
    const char* name;
    const char* function;
    double maxAngle;
    int width, height;
  };
  const Row rows[] = {
      {"polar_circle", "1", kFullTurn, 40, 20},
      {"polar_half_circle", "1", kFullTurn / 2, 30, 12},
      {"polar_cardioid", "1+cos(phi)", kFullTurn, 24, 30},
      {"polar_spiral", "x", 2 * kFullTurn, 40, 24},
      {"polar_rose", "sin(2*fi)", kFullTurn, 30, 30},
      // A single sample: only the axes.
      {"polar_no_turn", "1", 0, 12, 8},
  };
  for (const Row& r : rows) {
    test::GraphEngine g;
    // Sampled in radians whatever the angle setting, which is kept.
    g.options->radian = 0;
    const PolarSamples s = ComputePolarSamples(g.engine, r.function, r.maxAngle);
    EXPECT_EQ(g.options->radian, 0);
    const PolarPlot p = LayOutPolar(s, r.width, r.height);
    ExpectGolden(r.name, std::to_string(s.xs.size()) + " samples\n" +
                             Canvas(r.width + 1, r.height + 1, p.axisColumn, p.axisRow, p.curve));
  }
}

}  // namespace
}  // namespace vr
