#pragma once

#include <string>
#include <string_view>

#include "engine/expression_engine.h"

namespace vr {

constexpr double kFullTurn = 2 * 3.141592653589793;

struct PolarEdits {
  std::string function;
  std::string maxAngle;
};

// The polar plot: r as a function of the angle (named x, phi or fi) from 0
// to a maximum angle in radians.
class PolarModel {
 public:
  // Takes "function[;max angle]". 0 when accepted, else the engine's code
  // of the function at angle 0. No angle, or one below 1e-7, is a full turn.
  int SetFromCommand(ExpressionEngine& engine, std::string_view argument);
  // Enter in the window. True when the function or the angle changed.
  bool ApplyInputs(ExpressionEngine& engine, const PolarEdits& typed);

  const PolarEdits& Edits() const { return edits_; }
  const std::string& FunctionText() const { return functionText_; }
  double MaxAngle() const { return maxAngle_; }

 private:
  std::string functionText_;
  double maxAngle_ = kFullTurn;
  PolarEdits edits_;
};

}  // namespace vr
