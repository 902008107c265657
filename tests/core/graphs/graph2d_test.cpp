#include <gtest/gtest.h>

#include "graph_test_support.h"
#include "graphs/graph2d_model.h"
#include "graphs/graph2d_plot.h"

namespace vr {
namespace {

TEST(Graph2DModel, CommandCodesAndEdits) {
  struct Row {
    const char* argument;
    int code;
    const char* edits;  // function;start;end
  };
  const Row rows[] = {
      {"SIN(X);0;10", 0, "SIN(X);0;10"},
      {"X^2;3;-3", 0, "X^2;-3;3"},
      // Failing at a single point is no reason to refuse a function.
      {"1/X;0;1", 0, "1/X;0;1"},
      {"LN(X);0;1", 0, "LN(X);0;1"},
      {"ROOT(X;3);0;8", 3, "ROOT(X;3);0;8"},
      {"SIN(X);0;", -2, "SIN(X);0;0"},
      {"SIN(X);Q;1", -1, "SIN(X);0;1"},
      {"SIN(X)", -2, "SIN(X);0;0"},
      {"FOO(X);0;1", 20, "FOO(X);0;1"},
      {"X+;0;1", 3, "X+;0;1"},
  };
  for (const Row& r : rows) {
    test::GraphEngine g;
    Graph2DModel model;
    EXPECT_EQ(model.SetFromCommand(g.engine, r.argument), r.code) << r.argument;
    const Graph2DEdits& e = model.Edits();
    EXPECT_EQ(e.function + ";" + e.start + ";" + e.end, r.edits) << r.argument;
  }
}

TEST(Graph2DModel, FailingRangeKeepsTheLastAcceptedOne) {
  test::GraphEngine g;
  Graph2DModel model;
  ASSERT_EQ(model.SetFromCommand(g.engine, "X;2;5"), 0);
  EXPECT_EQ(model.SetFromCommand(g.engine, "X*2;Q;7"), -1);
  EXPECT_EQ(model.Edits().start, "2");
  EXPECT_EQ(model.Edits().end, "7");
}

TEST(Graph2DModel, EnterRedrawsOnlyOnAChange) {
  struct Row {
    Graph2DEdits typed;
    bool changed;
    const char* function;
    double start;
    double end;
  };
  const Row rows[] = {
      {{"SIN(X)", "0", "10"}, false, "SIN(X)", 0, 10},
      {{"sin(x)", "0", "5*2"}, false, "SIN(X)", 0, 10},
      // Each change counts, the function's and each end's.
      {{"sin( x ) + 1", "1", "10"}, true, "sin(x)+1", 1, 10},
      {{"SIN(X)", "10", "-1"}, true, "sin(x)", -1, 10},
      // A range that cannot be evaluated keeps its value.
      {{"SIN(X)", "zz", "4"}, true, "sin(x)", 0, 4},
      {{"\"A b\"+X", "0", "9"}, true, "\"A b\"+x", 0, 9},
  };
  for (const Row& r : rows) {
    test::GraphEngine g;
    Graph2DModel model;
    ASSERT_EQ(model.SetFromCommand(g.engine, "SIN(X);0;10"), 0);
    EXPECT_EQ(model.ApplyInputs(g.engine, r.typed), r.changed) << r.typed.function;
    EXPECT_EQ(model.FunctionText(), r.function);
    EXPECT_EQ(model.StartX(), r.start);
    EXPECT_EQ(model.EndX(), r.end);
  }
}

TEST(Graph2DSamples, WidthDecidesTheCountAndXIsARunningSum) {
  test::GraphEngine g;
  g.engine.Variables().Set("n", Value::MakeReal(0));
  // Counts its own evaluations: one to parse, one per sample.
  const Graph2DSamples s = ComputeGraph2DSamples(g.engine, "n=n+1", 0, 1, 400);
  EXPECT_EQ(s.y.size(), 401u);
  EXPECT_EQ(s.y.back(), 402);
  const Graph2DSamples sum = ComputeGraph2DSamples(g.engine, "x", 0, 1, 10);
  double x = 0;
  for (int i = 0; i < 10; ++i) x += 0.1;
  EXPECT_EQ(sum.y.back(), x);
  EXPECT_TRUE(ComputeGraph2DSamples(g.engine, "x", 0, 1, 0).y.empty());
}

}  // namespace
}  // namespace vr
