#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/expression_engine.h"

namespace vr {

// One sample of a graph's function. Failing points give 0 and are marked,
// so that they do not move the extremes; a complex result also gives 0 but
// counts as a value.
struct GraphSample {
  double value = 0.0;
  bool ok = false;
};

// A graph's expression parsed once and evaluated for many values of its
// variables. The variables are bound to their table entries once; only a
// change of the table (the expression creating or removing a variable) makes
// them looked up again.
class GraphFunction {
 public:
  GraphFunction(ExpressionEngine& engine, std::initializer_list<std::string_view> variables);

  // Sets variable `index` to a Real holding v.
  void Set(std::size_t index, double v);
  // Parses the text and evaluates it once, as a check whose result is not
  // used. False when the text cannot be parsed; every sample then fails.
  bool Prepare(std::string_view text);
  GraphSample Evaluate();

 private:
  VariableEntry& Entry(std::size_t index);

  ExpressionEngine& engine_;
  std::vector<std::string> names_;
  std::vector<VariableEntry*> entries_;
  std::uint64_t generation_ = 0;
  bool parsed_ = false;
};

// Codes of a function that may fail at a single point and still be drawn:
// integer overflow, division by zero, floating-point overflow, a negative
// base of a power, the factorial's domain and the logarithm of zero.
bool IsPointFailure(int code);

// Evaluates a range or scale field into `into`, converted to Real. False,
// with `into` unchanged, when it cannot be evaluated or is no number.
bool EvaluateRealField(ExpressionEngine& engine, std::string_view text, Value& into);

// The engine's normal form of a text: blanks removed, lower case outside
// quotes. It is what a graph keeps of a function typed into its window.
std::string NormalizedFunctionText(std::string_view text);

// A coordinate as a pixel index: truncated toward zero, NaN as 0, and kept
// within a range any painter takes, so that wild values only leave the
// picture.
int ToPixel(double v);
// The same without truncation, NaN as 0, kept within a range where an
// antialiasing painter stays quick; values beyond it lie far off any
// picture either way.
double ToFinePixel(double v);

}  // namespace vr
