// The SVG pictures against the golden pictures of the same commands: every
// point of a curve lies in a pixel the raster picture draws, and every
// pixel it draws has a point; the axes run along the same column and row;
// the labels say the same. A surface's runs cover exactly the drawn pixels.
#include "graphs/svg_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "graph_test_support.h"
#include "graphs/graph2d_model.h"
#include "graphs/graph_command.h"
#include "graphs/polar_model.h"
#include "graphs/surface_model.h"
#include "graphs/surface_picture.h"

namespace vr {
namespace {

namespace fs = std::filesystem;
using Pixels = std::set<std::pair<int, int>>;

struct GoldenPicture {
  std::string command;
  int width = 0;
  int height = 0;
  std::string shift;
  std::string info;               // the line before the pixels
  std::vector<std::string> rows;  // '.', '#', '|', '-', '+'
  Pixels Where(const std::string& marks) const {
    Pixels at;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
      for (int c = 0; c < static_cast<int>(rows[r].size()); ++c)
        if (marks.find(rows[r][c]) != std::string::npos) at.insert({c, r});
    return at;
  }
};

GoldenPicture ReadGolden(const fs::path& path) {
  GoldenPicture g;
  std::ifstream file(path, std::ios::binary);
  const test::GoldenHeader h = test::ReadGoldenHeader(file);
  g.command = h.command;
  g.width = h.width;
  g.height = h.height;
  g.shift = h.shift;
  std::getline(file, g.info);
  for (std::string row; std::getline(file, row);) g.rows.push_back(row);
  return g;
}

// The text between `name="` and the next quote of every element `tag`.
std::vector<std::string> Attributes(const std::string& svg, const std::string& tag,
                                    const std::string& name) {
  std::vector<std::string> found;
  for (std::size_t at = svg.find("<" + tag + " "); at != std::string::npos;
       at = svg.find("<" + tag + " ", at + 1)) {
    const std::size_t end = svg.find('>', at);
    const std::size_t value = svg.find(" " + name + "=\"", at);
    if (value == std::string::npos || value > end) continue;
    const std::size_t from = value + name.size() + 3;
    found.push_back(svg.substr(from, svg.find('"', from) - from));
  }
  return found;
}

std::vector<std::string> Texts(const std::string& svg) {
  std::vector<std::string> texts;
  for (std::size_t at = svg.find("<text "); at != std::string::npos;
       at = svg.find("<text ", at + 1)) {
    const std::size_t from = svg.find('>', at) + 1;
    texts.push_back(svg.substr(from, svg.find("</text>", from) - from));
  }
  return texts;
}

// The pixels holding the numbers of a "points" or "d" attribute, read in
// pairs ("h0", a run of one pixel, adds no point).
std::vector<std::pair<int, int>> Points(std::string text) {
  for (std::size_t at; (at = text.find("h0")) != std::string::npos;) text.erase(at, 2);
  for (char& c : text)
    if (std::isalpha(static_cast<unsigned char>(c))) c = ' ';
  std::istringstream in(text);
  std::vector<std::pair<int, int>> points;
  for (double x = 0, y = 0; in >> x >> y;)
    points.emplace_back(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
  return points;
}

class SvgGolden : public ::testing::TestWithParam<fs::path> {};

TEST_P(SvgGolden, DrawsWhatTheRasterDraws) {
  const GoldenPicture golden = ReadGolden(GetParam());
  std::string upper = golden.command;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const GraphCommand found = FindGraphCommand(upper).value();
  test::GraphEngine g;
  const int w = golden.width, h = golden.height;
  std::string svg;
  if (found.kind == GraphKind::Graph3D) {
    SurfaceModel m;
    m.SetFromCommand(g.engine, found.argument);
    if (!golden.shift.empty()) m.SetZShift(std::stoi(golden.shift));
    std::vector<std::vector<PixelPoint>> runs;
    SurfaceRaster raster(0, 0);
    raster.TraceInto(&runs);
    std::int32_t used = 0;
    RenderSurface(g.engine, m.Inputs(), w, h, used, raster);
    Pixels traced;
    for (const auto& run : runs)
      for (std::size_t i = 0; i < run.size(); ++i) {
        traced.insert({run[i].x, run[i].y});
        if (i > 0) {
          EXPECT_LE(std::abs(run[i].x - run[i - 1].x), 1);
          EXPECT_LE(std::abs(run[i].y - run[i - 1].y), 1);
        }
      }
    EXPECT_EQ(traced, golden.Where("#"));
    svg = SurfaceSvg(runs, w, h);
    const std::vector<std::string> paths = Attributes(svg, "path", "d");
    ASSERT_EQ(paths.size(), runs.empty() ? 0u : 1u);
    if (!runs.empty()) {
      EXPECT_EQ(static_cast<std::size_t>(std::count(paths[0].begin(), paths[0].end(), 'M')),
                runs.size());
      const auto vertices = Points(paths[0]);
      EXPECT_EQ(vertices.front(), std::make_pair(runs.front().front().x, runs.front().front().y));
      EXPECT_EQ(vertices.back(), std::make_pair(runs.back().back().x, runs.back().back().y));
      for (const auto& p : vertices) EXPECT_TRUE(traced.count(p)) << p.first << ',' << p.second;
    }
    EXPECT_TRUE(Texts(svg).empty());
    EXPECT_TRUE(Attributes(svg, "line", "x1").empty());
  } else {
    std::string top, bottom;
    if (found.kind == GraphKind::Graph2D) {
      Graph2DModel m;
      m.SetFromCommand(g.engine, found.argument);
      const Graph2DSamples s =
          ComputeGraph2DSamples(g.engine, m.FunctionText(), m.StartX(), m.EndX(), w);
      svg = Graph2DSvg(s, m.StartX(), m.EndX(), w, h);
      std::istringstream info(golden.info);
      std::string word;
      info >> word >> top >> word >> bottom;
      EXPECT_EQ(Texts(svg), (std::vector<std::string>{top, bottom}));
    } else {
      PolarModel m;
      m.SetFromCommand(g.engine, found.argument);
      g.options->radian = 0;
      svg = PolarSvg(ComputePolarSamples(g.engine, m.FunctionText(), m.MaxAngle()), w, h);
      EXPECT_TRUE(Texts(svg).empty());
    }
    // The golden pictures show the points of the curve inside the picture
    // they are drawn on, one pixel wider and higher than the area.
    const std::vector<std::string> lines = Attributes(svg, "polyline", "points");
    Pixels curve;
    if (!lines.empty()) {
      ASSERT_EQ(lines.size(), 1u);
      for (const auto& p : Points(lines[0]))
        if (p.first >= 0 && p.first <= w && p.second >= 0 && p.second <= h) curve.insert(p);
    }
    EXPECT_EQ(curve, golden.Where("#"));
    // Each axis: one line along its column or row, as far as the golden
    // picture shows it (the curve may hide it there).
    const auto x1 = Attributes(svg, "line", "x1"), x2 = Attributes(svg, "line", "x2");
    const auto y1 = Attributes(svg, "line", "y1"), y2 = Attributes(svg, "line", "y2");
    const Pixels axes = golden.Where("|-+");
    for (std::size_t i = 0; i < x1.size(); ++i) {
      const auto from = Points(x1[i] + ' ' + y1[i]).at(0), to = Points(x2[i] + ' ' + y2[i]).at(0);
      const bool vertical = from.first == to.first;
      EXPECT_TRUE(vertical || from.second == to.second);
      for (const auto& p : axes) {
        const bool onIt = vertical ? p.first == from.first : p.second == from.second;
        const bool onOther = golden.rows[p.second][p.first] == '+' ||
                             golden.rows[p.second][p.first] == (vertical ? '-' : '|');
        EXPECT_TRUE(onIt || onOther) << GetParam() << " " << p.first << ',' << p.second;
      }
    }
    EXPECT_EQ(x1.size(), found.kind == GraphKind::Polar
                             ? 2u
                             : static_cast<std::size_t>(!golden.Where("|+").empty()) +
                                   !golden.Where("-+").empty());
  }
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("width=\"" + std::to_string(w) + "\" height=\"" + std::to_string(h) + "\""),
            std::string::npos);
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

INSTANTIATE_TEST_SUITE_P(Pictures, SvgGolden, ::testing::ValuesIn(test::GoldenFiles()),
                         [](const ::testing::TestParamInfo<fs::path>& info) {
                           return test::GoldenTestName(info.param);
                         });

}  // namespace
}  // namespace vr
