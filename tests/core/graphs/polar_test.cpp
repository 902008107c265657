#include <gtest/gtest.h>

#include <cmath>

#include "graph_test_support.h"
#include "graphs/polar_model.h"
#include "graphs/polar_plot.h"

namespace vr {
namespace {

TEST(PolarModel, CommandCodesAngleAndEdits) {
  struct Row {
    const char* argument;
    int code;
    double maxAngle;
    const char* angleEdit;
  };
  const Row rows[] = {
      {"1", 0, kFullTurn, "2*PI"},
      {"PHI;4*PI", 0, 4 * 3.141592653589793, "4*PI"},
      {"FI;-3", 0, 3, "-3"},
      {"X;0", 0, kFullTurn, "0"},
      {"X;1E-8", 0, kFullTurn, "1E-8"},
      {"X;Q", 0, kFullTurn, "Q"},
      {"1/X", 0, kFullTurn, "2*PI"},
      {"FOO(PHI)", 20, kFullTurn, "2*PI"},
      {"R*2", 17, kFullTurn, "2*PI"},
  };
  for (const Row& r : rows) {
    test::GraphEngine g;
    PolarModel model;
    EXPECT_EQ(model.SetFromCommand(g.engine, r.argument), r.code) << r.argument;
    EXPECT_DOUBLE_EQ(model.MaxAngle(), r.maxAngle) << r.argument;
    EXPECT_EQ(model.Edits().maxAngle, r.angleEdit) << r.argument;
  }
}

TEST(PolarModel, EnterRedrawsOnlyOnAChange) {
  struct Row {
    PolarEdits typed;
    bool changed;
    double maxAngle;
  };
  const Row rows[] = {
      {{"1", "2*PI"}, false, kFullTurn},
      {{"1", "2*PI+0.000001"}, false, kFullTurn},
      {{"1", "2*PI+0.0001"}, true, kFullTurn + 0.0001},
      {{"phi", "2*PI"}, true, kFullTurn},
      {{"phi", "0"}, true, 0},
      {{"1", "-PI"}, true, 3.141592653589793},
      {{"1", "nothing"}, false, kFullTurn},
  };
  for (const Row& r : rows) {
    test::GraphEngine g;
    PolarModel model;
    ASSERT_EQ(model.SetFromCommand(g.engine, "1"), 0);
    EXPECT_EQ(model.ApplyInputs(g.engine, r.typed), r.changed) << r.typed.maxAngle;
    EXPECT_NEAR(model.MaxAngle(), r.maxAngle, 1e-12) << r.typed.maxAngle;
  }
}

TEST(PolarSamples, FailuresAndTheCap) {
  test::GraphEngine g;
  // Failing points sit at the pole and leave the extremes alone.
  const PolarSamples failing = ComputePolarSamples(g.engine, "1/0", 1);
  EXPECT_EQ(failing.xs[0], 0);
  EXPECT_EQ(failing.bothMax, -1e300);
  const PolarSamples huge = ComputePolarSamples(g.engine, "1", 1e300);
  EXPECT_EQ(huge.xs.size(), static_cast<std::size_t>(kPolarSampleCap));
  EXPECT_TRUE(ComputePolarSamples(g.engine, "1", NAN).xs.empty());
  // A maximum angle of 0 (only Enter can give it) leaves one sample.
  EXPECT_EQ(ComputePolarSamples(g.engine, "1", 0).xs.size(), 1u);
}

}  // namespace
}  // namespace vr
