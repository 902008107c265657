// Whole pictures of the three graphs. Each file in golden/ is one picture:
// its first line is the graph command and the size of the drawing area
// (with "shift N" for a surface whose vertical shift is entered), then what
// the picture shows besides its pixels (the labels, the shift drawn with, the
// count of samples), then one character per pixel: '.' blank, '#' the curve
// or the mesh, '|' and '-' the axes, '+' where they cross. The 2D and polar
// pictures are one pixel wider and higher than the area, as the window
// copies them, and show the points of the curve, not the lines between
// them. Polar plots are made in degree mode: they must sample in radians.
//
// After a deliberate change of the drawing, rewrite the files with
//   VR_UPDATE_GOLDEN=1 ./test_graphs --gtest_filter='*Golden*'
// and look at every changed picture before committing it. A new case is a
// new file holding only its first line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "graph_test_support.h"
#include "graphs/graph2d_model.h"
#include "graphs/graph2d_plot.h"
#include "graphs/graph_command.h"
#include "graphs/polar_model.h"
#include "graphs/polar_plot.h"
#include "graphs/surface_model.h"
#include "graphs/surface_picture.h"

namespace vr {
namespace {

namespace fs = std::filesystem;

std::string Canvas(int width, int height, std::optional<int> axisColumn,
                   std::optional<int> axisRow, const std::vector<PixelPoint>& curve) {
  std::string text;
  for (int r = 0; r < height; ++r) {
    for (int c = 0; c < width; ++c) {
      const bool across = axisRow == r;
      text += axisColumn == c ? (across ? '+' : '|') : (across ? '-' : '.');
    }
    text += '\n';
  }
  for (const PixelPoint& p : curve) {
    if (p.x >= 0 && p.x < width && p.y >= 0 && p.y < height) text[p.y * (width + 1) + p.x] = '#';
  }
  return text;
}

std::string Draw(const std::string& command, int width, int height, const std::string& shift) {
  std::string upper = command;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const GraphCommand found = FindGraphCommand(upper).value();
  test::GraphEngine g;
  if (found.kind == GraphKind::Graph2D) {
    Graph2DModel m;
    m.SetFromCommand(g.engine, found.argument);
    const Graph2DSamples s =
        ComputeGraph2DSamples(g.engine, m.FunctionText(), m.StartX(), m.EndX(), width);
    const Graph2DPlot p = LayOutGraph2D(s, m.StartX(), m.EndX(), width, height);
    return "top " + p.topLabel + " bottom " + p.bottomLabel + "\n" +
           Canvas(width + 1, height + 1, p.yAxisColumn, p.xAxisRow, p.curve);
  }
  if (found.kind == GraphKind::Graph3D) {
    SurfaceModel m;
    m.SetFromCommand(g.engine, found.argument);
    if (!shift.empty()) m.SetZShift(std::stoi(shift));
    std::int32_t used = 0;
    const SurfaceRaster r = RenderSurface(g.engine, m.Inputs(), width, height, used);
    std::string text = "shift " + std::to_string(used) + "\n";
    for (int row = 0; row < height; ++row) {
      for (int c = 0; c < width; ++c) text += r.IsSet(c, row) ? '#' : '.';
      text += '\n';
    }
    return text;
  }
  PolarModel m;
  m.SetFromCommand(g.engine, found.argument);
  g.options->radian = 0;
  const PolarSamples s = ComputePolarSamples(g.engine, m.FunctionText(), m.MaxAngle());
  const PolarPlot p = LayOutPolar(s, width, height);
  return std::to_string(s.xs.size()) + " samples" + (g.options->radian ? " in radian mode" : "") +
         "\n" + Canvas(width + 1, height + 1, p.axisColumn, p.axisRow, p.curve);
}

class Golden : public ::testing::TestWithParam<fs::path> {};

TEST_P(Golden, PictureIsAsBefore) {
  std::ifstream file(GetParam(), std::ios::binary);
  const test::GoldenHeader h = test::ReadGoldenHeader(file);
  std::stringstream golden;
  golden << file.rdbuf();
  const std::string picture = Draw(h.command, h.width, h.height, h.shift);
  if (std::getenv("VR_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(GetParam(), std::ios::binary) << h.line << '\n' << picture;
  } else {
    EXPECT_EQ(picture, golden.str()) << GetParam();
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, Golden, ::testing::ValuesIn(test::GoldenFiles()),
                         [](const ::testing::TestParamInfo<fs::path>& info) {
                           return test::GoldenTestName(info.param);
                         });

}  // namespace
}  // namespace vr
