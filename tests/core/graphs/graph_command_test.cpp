#include "graphs/graph_command.h"

#include <gtest/gtest.h>

#include "graphs/argument_field.h"
#include "options/options_record.h"

namespace vr {
namespace {

TEST(ArgumentField, SplitsAtSemicolonsOutsideParentheses) {
  struct Row {
    const char* argument;
    int index;
    const char* field;
  };
  const Row rows[] = {
      {"SIN(X);-PI;PI", 0, "SIN(X)"},
      {"SIN(X);-PI;PI", 2, "PI"},
      {"SIN(X);-PI;PI", 3, ""},
      {"ROOT(X;3);0;8", 0, "ROOT(X;3)"},
      {"ROOT(X;3);0;8", 1, "0"},
      {"MAX(A;(B;C));1", 1, "1"},
      {";;5", 0, ""},
      {";;5", 2, "5"},
      {"", 0, ""},
      // A stray ")" cannot make later semicolons part of a field.
      {"X);1;2", 1, "1"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(ArgumentField(r.argument, r.index), r.field) << r.argument << " #" << r.index;
  }
}

TEST(GraphCommand, IsFoundAnywhereInTheLineInItsOrder) {
  struct Row {
    const char* line;
    GraphKind kind;
    const char* argument;
  };
  const Row rows[] = {
      {"GRAPH2D(SIN(X);0;10)", GraphKind::Graph2D, "SIN(X);0;10"},
      {"1+GRAPH3D(X*Y;0;1;0;1)", GraphKind::Graph3D, "X*Y;0;1;0;1"},
      {"GRAPHPOLAR(1)", GraphKind::Polar, "1"},
      // The argument ends at the last ")" of the line.
      {"GRAPH2D(X;0;1))+2", GraphKind::Graph2D, "X;0;1)"},
      {"GRAPH2D(X;0;1", GraphKind::Graph2D, ""},
      // The 2D prefix is looked for first wherever it stands.
      {"GRAPHPOLAR(1)GRAPH2D(X;0;1)", GraphKind::Graph2D, "X;0;1"},
  };
  for (const Row& r : rows) {
    const auto found = FindGraphCommand(r.line);
    ASSERT_TRUE(found.has_value()) << r.line;
    EXPECT_EQ(found->kind, r.kind) << r.line;
    EXPECT_EQ(found->argument, r.argument) << r.line;
  }
  for (const char* line : {"GRAPH2D", "GRAPH(X)", "graph2d(x;0;1)", "2+3"}) {
    EXPECT_FALSE(FindGraphCommand(line).has_value()) << line;
  }
}

// Most codes are seen whole in the command-line cases; these are the ones
// no line there reaches.
TEST(GraphCommand, TextsOfTheCodes) {
  ScopedOptions options;
  options->english = 1;
  struct Row {
    GraphKind kind;
    int code;
    const char* text;
  };
  const Row rows[] = {
      {GraphKind::Graph2D, 0, ""},
      {GraphKind::Polar, -1, "Invalid function"},
      {GraphKind::Polar, -2, "OK"},
      {GraphKind::Graph2D, 7, "Division by zero"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(GraphCommandText(r.kind, r.code), r.text) << r.code;
  }
  // The graphs' own messages are English in both languages.
  options->english = 0;
  EXPECT_EQ(GraphCommandText(GraphKind::Graph2D, -1), "Can`t evaluate the start point");
}

}  // namespace
}  // namespace vr
