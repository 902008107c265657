#include "graphs/surface_model.h"

#include <cmath>
#include <utility>

#include "graphs/argument_field.h"
#include "graphs/graph_function.h"
#include "values/value_conversion.h"
#include "values/value_text.h"

namespace vr {

int SurfaceModel::SetFromCommand(ExpressionEngine& engine, std::string_view argument) {
  inputs_.functionText = ArgumentField(argument, 0);
  int result = 0;
  Value* ranges[] = {&xStartValue_, &xEndValue_, &yStartValue_, &yEndValue_};
  for (int i = 0; i < 4; ++i) {
    if (!EvaluateRealField(engine, ArgumentField(argument, i + 1), *ranges[i])) result = -(i + 1);
  }
  Value scale = Value::MakeReal(10.0);
  inputs_.zScale =
      EvaluateRealField(engine, ArgumentField(argument, 5), scale) ? scale.num.real : 10.0;
  if (result == 0) {
    engine.Variables().Set("x", xStartValue_);
    engine.Variables().Set("y", yStartValue_);
    Value unused;
    const int code = engine.EvaluateLine(inputs_.functionText, unused);
    if (code != kOk && !IsPointFailure(code)) result = code;
    if (xEndValue_.num.real < xStartValue_.num.real) std::swap(xStartValue_, xEndValue_);
    if (yEndValue_.num.real < yStartValue_.num.real) std::swap(yStartValue_, yEndValue_);
  }
  StoreRanges();
  edits_ = {inputs_.functionText,
            FormatValue(xStartValue_),
            FormatValue(xEndValue_),
            FormatValue(yStartValue_),
            FormatValue(yEndValue_),
            FormatValue(Value::MakeReal(inputs_.zScale)),
            FormatValue(Value::MakeReal(inputs_.zShift))};
  return result;
}

void SurfaceModel::ApplyInputs(ExpressionEngine& engine, const SurfaceEdits& typed) {
  inputs_.functionText = typed.function;
  // A field that cannot be evaluated keeps its value.
  EvaluateRealField(engine, typed.xStart, xStartValue_);
  EvaluateRealField(engine, typed.xEnd, xEndValue_);
  if (xEndValue_.num.real < xStartValue_.num.real) std::swap(xStartValue_, xEndValue_);
  EvaluateRealField(engine, typed.yStart, yStartValue_);
  EvaluateRealField(engine, typed.yEnd, yEndValue_);
  if (yEndValue_.num.real < yStartValue_.num.real) std::swap(yStartValue_, yEndValue_);
  StoreRanges();

  Value scale = Value::MakeReal(inputs_.zScale);
  EvaluateRealField(engine, typed.zScale, scale);
  const double whole = std::trunc(std::fabs(scale.num.real));
  // NaN fails the comparison as well and becomes 1.
  inputs_.zScale = whole >= 1.0 ? std::min(whole, double{kIntegerMax}) : 1.0;

  Value shift = Value::MakeReal(inputs_.zShift);
  if (EvaluateRealField(engine, typed.zShift, shift)) inputs_.zShift = Trunc32(shift.num.real);
}

void SurfaceModel::StoreRanges() {
  inputs_.xStart = xStartValue_.num.real;
  inputs_.xEnd = xEndValue_.num.real;
  inputs_.yStart = yStartValue_.num.real;
  inputs_.yEnd = yEndValue_.num.real;
}

}  // namespace vr
