#include <gtest/gtest.h>

#include <chrono>

#include "graph_test_support.h"
#include "graphs/surface_model.h"
#include "graphs/surface_picture.h"
#include "graphs/surface_raster.h"

namespace vr {
namespace {

int CountPixels(const SurfaceRaster& r) {
  int n = 0;
  for (const auto p : r.Pixels()) n += p;
  return n;
}

TEST(SurfaceModel, CommandCodesScaleAndEdits) {
  struct Row {
    const char* argument;
    int code;
    double zScale;
    SurfaceEdits edits;
  };
  const Row rows[] = {
      {"X*Y;-1;1;-1;1", 0, 10, {"X*Y", "-1", "1", "-1", "1", "10", "-111111"}},
      {"X*Y;1;-1;2;0;2.7", 0, 2.7, {"X*Y", "-1", "1", "0", "2", "2.7", "-111111"}},
      {"X*Y;0;1;0;1;-3", 0, -3, {"X*Y", "0", "1", "0", "1", "-3", "-111111"}},
      {"X*Y;0;1;0;1;Q", 0, 10, {"X*Y", "0", "1", "0", "1", "10", "-111111"}},
      {"X*Y;A;1;0;1", -1, 10, {"X*Y", "0", "1", "0", "1", "10", "-111111"}},
      {"X*Y;0;A;0;1", -2, 10, {"X*Y", "0", "0", "0", "1", "10", "-111111"}},
      {"X*Y;0;1;A;1", -3, 10, {"X*Y", "0", "1", "0", "1", "10", "-111111"}},
      {"X*Y;0;1;0;A", -4, 10, {"X*Y", "0", "1", "0", "0", "10", "-111111"}},
      // The last failing field gives the code.
      {"X*Y;A;B;0;1", -2, 10, {"X*Y", "0", "0", "0", "1", "10", "-111111"}},
      {"1/(X*Y);0;1;0;1", 0, 10, {"1/(X*Y)", "0", "1", "0", "1", "10", "-111111"}},
      {"X*Z;0;1;0;1", 17, 10, {"X*Z", "0", "1", "0", "1", "10", "-111111"}},
  };
  for (const Row& r : rows) {
    test::GraphEngine g;
    SurfaceModel model;
    EXPECT_EQ(model.SetFromCommand(g.engine, r.argument), r.code) << r.argument;
    EXPECT_EQ(model.Inputs().zScale, r.zScale) << r.argument;
    const SurfaceEdits& e = model.Edits();
    EXPECT_EQ(e.function, r.edits.function) << r.argument;
    EXPECT_EQ(
        e.xStart + ";" + e.xEnd + ";" + e.yStart + ";" + e.yEnd + ";" + e.zScale + ";" + e.zShift,
        r.edits.xStart + ";" + r.edits.xEnd + ";" + r.edits.yStart + ";" + r.edits.yEnd + ";" +
            r.edits.zScale + ";" + r.edits.zShift)
        << r.argument;
  }
}

TEST(SurfaceModel, EnterMakesTheScaleAWholeNumber) {
  struct Row {
    const char* zScale;
    double taken;
  };
  const Row rows[] = {{"10", 10}, {"2.7", 2}, {"0.4", 1}, {"-3", 3}, {"0", 1}, {"bad", 5}};
  for (const Row& r : rows) {
    test::GraphEngine g;
    SurfaceModel model;
    ASSERT_EQ(model.SetFromCommand(g.engine, "X*Y;-1;1;-1;1;5"), 0);
    model.ApplyInputs(g.engine, {"x+y", "2", "-2", "0", "1", r.zScale, "-7.9"});
    EXPECT_EQ(model.Inputs().zScale, r.taken) << r.zScale;
    EXPECT_EQ(model.Inputs().zShift, -7);
    EXPECT_EQ(model.Inputs().xStart, -2);
    EXPECT_EQ(model.Inputs().xEnd, 2);
    EXPECT_EQ(model.Inputs().functionText, "x+y");
  }
}

TEST(SurfacePicture, GridStepsFollowTheWidth) {
  const std::pair<int, int> rows[] = {{200, 19}, {201, 31},  {400, 31},  {401, 71},
                                      {600, 71}, {601, 109}, {800, 109}, {801, 137}};
  for (const auto& [width, steps] : rows) EXPECT_EQ(SurfaceGridSteps(width), steps) << width;
}

TEST(SurfacePicture, IsometricProjection) {
  SurfaceInputs in;
  in.xStart = -1;
  in.xEnd = 1;
  in.yStart = -1;
  in.yEnd = 1;
  // s = 2 * (W / sqrt 3) / 4 with W = 100 * sqrt 3: 50 pixels per unit.
  SurfaceProjection view = MakeSurfaceProjection(in, 173, 40);
  view.scale = 50;
  struct Row {
    double x, y, z;
    PixelPoint p;
  };
  const Row rows[] = {
      {0, 0, 0, {86, 40}},   // the origin: column cx, height zShift (R(-0.5) = -1)
      {1, 0, 0, {42, 15}},   // x runs to the lower left
      {0, 1, 0, {129, 15}},  // y to the lower right
      {0, 0, 20, {86, 60}},  // z straight up
      {1, 1, 0, {86, -11}}   // R(-10.5) = -11,
  };
  for (const Row& r : rows) {
    EXPECT_EQ(view.Project(r.x, r.y, r.z), r.p) << r.x << "," << r.y << "," << r.z;
  }
}

TEST(SurfaceRaster, HorizonsHideWhatLiesBetweenThem) {
  SurfaceRaster r(8, 20);
  // Three lines across the same columns: the middle one is hidden.
  for (int row : {10, 5, 7}) r.DrawSegment({1, row}, {6, row}, false);
  for (int c = 1; c <= 6; ++c) {
    EXPECT_TRUE(r.IsSet(c, 20 - 10 - 1)) << c;
    EXPECT_TRUE(r.IsSet(c, 20 - 5 - 1)) << c;
    EXPECT_FALSE(r.IsSet(c, 20 - 7 - 1)) << c;
  }
  // Column 0 and columns from the width on are never drawn.
  r.HorizonPlot(0, 15);
  r.HorizonPlot(8, 15);
  EXPECT_EQ(CountPixels(r), 12);
  // Fresh horizons draw the hidden line.
  r.ResetHorizons();
  r.DrawSegment({1, 7}, {6, 7}, false);
  EXPECT_TRUE(r.IsSet(3, 12));
}

TEST(SurfaceRaster, SegmentsAndWhereTheNextOneStarts) {
  struct Row {
    PixelPoint q, p;
    bool columnsOnTie;
    PixelPoint next;
    std::vector<PixelPoint> plotted;  // rows counted upward
  };
  const Row rows[] = {
      {{1, 4}, {4, 4}, false, {4, 4}, {{1, 4}, {2, 4}, {3, 4}, {4, 4}}},
      // R(y - 0.5) leaves a rightward walk one row low at row 0 and below.
      {{1, 0}, {3, 0}, false, {3, -1}, {}},
      {{4, 1}, {1, 1}, false, {1, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
      {{2, 1}, {2, 4}, false, {2, 4}, {{2, 1}, {2, 2}, {2, 3}, {2, 4}}},
      // On a tie the first family walks rows, the second columns.
      {{1, 1}, {3, 3}, false, {3, 3}, {{1, 1}, {2, 2}, {3, 3}}},
      {{1, 1}, {3, 3}, true, {3, 3}, {{1, 1}, {2, 2}, {3, 3}}},
      {{3, 3}, {3, 3}, true, {3, 3}, {{3, 3}}},
  };
  for (const Row& row : rows) {
    SurfaceRaster r(10, 10);
    const PixelPoint next = r.DrawSegment(row.q, row.p, row.columnsOnTie);
    EXPECT_EQ(next, row.next) << row.q.x << "," << row.q.y << " -> " << row.p.x << "," << row.p.y;
    int expected = 0;
    for (const PixelPoint& p : row.plotted) {
      EXPECT_TRUE(r.IsSet(p.x, 10 - p.y - 1)) << p.x << "," << p.y;
      ++expected;
    }
    if (!row.plotted.empty()) {
      EXPECT_EQ(CountPixels(r), expected);
    }
  }
}

TEST(SurfacePicture, RendersAMeshAndSetsTheShiftOnce) {
  test::GraphEngine g;
  SurfaceInputs in;
  in.functionText = "x*y";
  in.xStart = in.yStart = -1;
  in.xEnd = in.yEnd = 1;
  std::int32_t shift = 0;
  const SurfaceRaster r = RenderSurface(g.engine, in, 300, 300, shift);
  EXPECT_EQ(shift, 150);
  EXPECT_GT(CountPixels(r), 300);
  // A surface seen from above shows less of the lower grid: hidden lines
  // are gone, so a flat plane has no more pixels than the saddle.
  in.zShift = 150;
  in.functionText = "0";
  const SurfaceRaster flat = RenderSurface(g.engine, in, 300, 300, shift);
  EXPECT_EQ(shift, 150);
  EXPECT_GT(CountPixels(flat), 0);

  // Scaled values beyond 3000 are flattened to a plateau; the picture
  // stays the same for any bigger scale.
  in.functionText = "1";
  in.zShift = -2950;
  in.zScale = 5000;
  const SurfaceRaster plateau = RenderSurface(g.engine, in, 300, 300, shift);
  in.zScale = 1e9;
  EXPECT_EQ(RenderSurface(g.engine, in, 300, 300, shift).Pixels(), plateau.Pixels());
  EXPECT_GT(CountPixels(plateau), 0);
}

TEST(SurfacePicture, DegenerateAndHugeRangesEndQuickly) {
  struct Row {
    double xStart, xEnd, yStart, yEnd;
    const char* function;
  };
  const Row rows[] = {
      {0, 0, 0, 0, "x*y"},
      {0, 0, 0, 1, "x*y"},
      {0, 1e-300, 0, 1e-300, "x*y"},
      {1e17, 1e17 + 64, 0, 1, "x*y"},
      {-1e300, 1e300, -1e300, 1e300, "x*y"},
      {0, 1, 0, 1, "1/0"},
      {0, 1, 0, 1, "x+"},
  };
  for (const Row& r : rows) {
    test::GraphEngine g;
    SurfaceInputs in{r.function, r.xStart, r.xEnd, r.yStart, r.yEnd, 1e9, 2000000000};
    std::int32_t shift = 0;
    const auto begin = std::chrono::steady_clock::now();
    RenderSurface(g.engine, in, 900, 700, shift);
    // Bounded work: no stalled sums, no walks along astronomic segments.
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(5)) << r.xStart;
  }
}

}  // namespace
}  // namespace vr
