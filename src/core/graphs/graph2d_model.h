#pragma once

#include <string>
#include <string_view>

#include "engine/expression_engine.h"
#include "values/value.h"

namespace vr {

// The texts of the 2D graph's three edits.
struct Graph2DEdits {
  std::string function;
  std::string start;
  std::string end;
};

// What the 2D graph draws: a function of x over [start, end], start <= end.
class Graph2DModel {
 public:
  // Takes a command's argument "function;start;end". 0 when accepted; -1
  // when the start, -2 when the end cannot be evaluated; else the engine's
  // code of the function at x = start. The edits are set in every case.
  int SetFromCommand(ExpressionEngine& engine, std::string_view argument);
  // Enter in the window with the edits as typed. True when the function or
  // the range changed, so that the picture must be made again.
  bool ApplyInputs(ExpressionEngine& engine, const Graph2DEdits& typed);

  const Graph2DEdits& Edits() const { return edits_; }
  const std::string& FunctionText() const { return functionText_; }
  double StartX() const { return startValue_.num.real; }
  double EndX() const { return endValue_.num.real; }

 private:
  std::string functionText_;
  Value startValue_;
  Value endValue_;
  Graph2DEdits edits_;
};

}  // namespace vr
