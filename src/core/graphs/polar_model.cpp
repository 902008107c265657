#include "graphs/polar_model.h"

#include <cmath>

#include "graphs/argument_field.h"
#include "graphs/graph_function.h"
#include "values/utf8_text.h"

namespace vr {

int PolarModel::SetFromCommand(ExpressionEngine& engine, std::string_view argument) {
  functionText_ = ArgumentField(argument, 0);
  const std::string angleField = ArgumentField(argument, 1);
  maxAngle_ = kFullTurn;
  Value angle = Value::MakeReal(0.0);
  if (!angleField.empty() && EvaluateRealField(engine, angleField, angle)) {
    const double a = std::fabs(angle.num.real);
    if (a >= 1e-7) maxAngle_ = a;
  }
  for (const char* name : {"x", "phi", "fi"}) engine.Variables().Set(name, Value::MakeReal(0.0));
  Value unused;
  const int code = engine.EvaluateLine(functionText_, unused);
  edits_ = {functionText_, angleField.empty() ? std::string("2*PI") : angleField};
  return code != kOk && !IsPointFailure(code) ? code : 0;
}

bool PolarModel::ApplyInputs(ExpressionEngine& engine, const PolarEdits& typed) {
  int changes = EqualsIgnoreCase(typed.function, functionText_) ? 0 : 1;
  // An angle that cannot be evaluated leaves the angle as it was.
  Value angle = Value::MakeReal(maxAngle_);
  EvaluateRealField(engine, typed.maxAngle, angle);
  const double a = std::fabs(angle.num.real);
  if (std::fabs(a - maxAngle_) > 1e-5) {
    ++changes;
    maxAngle_ = a;
  }
  if (changes == 0) return false;
  functionText_ = NormalizedFunctionText(typed.function);
  return true;
}

}  // namespace vr
