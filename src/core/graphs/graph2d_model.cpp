#include "graphs/graph2d_model.h"

#include <utility>

#include "graphs/argument_field.h"
#include "graphs/graph_function.h"
#include "values/utf8_text.h"
#include "values/value_text.h"

namespace vr {

int Graph2DModel::SetFromCommand(ExpressionEngine& engine, std::string_view argument) {
  functionText_ = ArgumentField(argument, 0);
  int result = 0;
  if (!EvaluateRealField(engine, ArgumentField(argument, 1), startValue_)) result = -1;
  if (!EvaluateRealField(engine, ArgumentField(argument, 2), endValue_)) result = -2;
  if (result == 0) {
    engine.Variables().Set("x", startValue_);
    Value unused;
    const int code = engine.EvaluateLine(functionText_, unused);
    if (code != kOk && !IsPointFailure(code)) result = code;
    if (StartX() > EndX()) std::swap(startValue_, endValue_);
  }
  edits_ = {functionText_, FormatValue(startValue_), FormatValue(endValue_)};
  return result;
}

bool Graph2DModel::ApplyInputs(ExpressionEngine& engine, const Graph2DEdits& typed) {
  int changes = EqualsIgnoreCase(typed.function, functionText_) ? 0 : 1;
  // A range that cannot be evaluated keeps its value.
  Value start = startValue_;
  Value end = endValue_;
  EvaluateRealField(engine, typed.start, start);
  EvaluateRealField(engine, typed.end, end);
  if (start.num.real > end.num.real) std::swap(start, end);
  if (start.num.real != StartX()) ++changes;
  if (end.num.real != EndX()) ++changes;
  if (changes == 0) return false;
  functionText_ = NormalizedFunctionText(typed.function);
  startValue_ = start;
  endValue_ = end;
  return true;
}

}  // namespace vr
