#include <gtest/gtest.h>

#include <algorithm>

#include "graph_test_support.h"
#include "graphs/surface_model.h"
#include "graphs/surface_picture.h"
#include "graphs/surface_raster.h"

namespace vr {
namespace {

TEST(SurfaceModel, CommandCodesScaleAndEdits) {
  struct Row {
    const char* argument;
    int code;
    const char* edits;  // function;x start;x end;y start;y end;z scale
  };
  const Row rows[] = {
      {"X*Y;-1;1;-1;1", 0, "X*Y;-1;1;-1;1;10"},
      {"X*Y;1;-1;2;0;2.7", 0, "X*Y;-1;1;0;2;2.7"},
      {"X*Y;0;1;0;1;-3", 0, "X*Y;0;1;0;1;-3"},
      {"X*Y;0;1;0;1;Q", 0, "X*Y;0;1;0;1;10"},
      {"X*Y;A;1;0;1", -1, "X*Y;0;1;0;1;10"},
      {"X*Y;0;A;0;1", -2, "X*Y;0;0;0;1;10"},
      {"X*Y;0;1;A;1", -3, "X*Y;0;1;0;1;10"},
      {"X*Y;0;1;0;A", -4, "X*Y;0;1;0;0;10"},
      // The last failing field gives the code.
      {"X*Y;A;B;0;1", -2, "X*Y;0;0;0;1;10"},
      {"1/(X*Y);0;1;0;1", 0, "1/(X*Y);0;1;0;1;10"},
      {"X*Z;0;1;0;1", 17, "X*Z;0;1;0;1;10"},
  };
  for (const Row& r : rows) {
    test::GraphEngine g;
    SurfaceModel model;
    EXPECT_EQ(model.SetFromCommand(g.engine, r.argument), r.code) << r.argument;
    const SurfaceEdits& e = model.Edits();
    EXPECT_EQ(e.function + ";" + e.xStart + ";" + e.xEnd + ";" + e.yStart + ";" + e.yEnd + ";" +
                  e.zScale,
              r.edits)
        << r.argument;
    EXPECT_EQ(e.zShift, "-111111");
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
    for (const PixelPoint& p : row.plotted) {
      EXPECT_TRUE(r.IsSet(p.x, 10 - p.y - 1)) << p.x << "," << p.y;
    }
    EXPECT_EQ(std::count(r.Pixels().begin(), r.Pixels().end(), 1), std::ssize(row.plotted));
  }
}

}  // namespace
}  // namespace vr
