#include "graphs/graph_function.h"

#include <algorithm>
#include <cmath>

#include "engine/interruption.h"
#include "values/utf8_text.h"
#include "values/value_conversion.h"

namespace vr {

GraphFunction::GraphFunction(ExpressionEngine& engine,
                             std::initializer_list<std::string_view> variables)
    : engine_(engine) {
  for (const std::string_view name : variables) {
    names_.emplace_back(name);
    entries_.push_back(&engine_.Variables().Set(name, Value::MakeReal(0.0)));
  }
  generation_ = engine_.Variables().Generation();
}

VariableEntry& GraphFunction::Entry(std::size_t index) {
  VariableTable& table = engine_.Variables();
  if (table.Generation() != generation_) {
    for (std::size_t i = 0; i < names_.size(); ++i) {
      VariableEntry* found = table.Find(names_[i]);
      entries_[i] = found != nullptr ? found : &table.Set(names_[i], Value::MakeReal(0.0));
    }
    generation_ = table.Generation();
  }
  return *entries_[index];
}

void GraphFunction::Set(std::size_t index, double v) {
  Value& value = Entry(index).value;
  // The expression may have assigned another kind to the variable.
  value.kind = ValueKind::Real;
  value.num.real = v;
}

bool GraphFunction::Prepare(std::string_view text) {
  parsed_ = engine_.PrepareLine(text) == kOk;
  if (parsed_) {
    Value unused;
    engine_.EvaluatePostfix(unused);
  }
  return parsed_;
}

GraphSample GraphFunction::Evaluate() {
  if (!parsed_) return {};
  // A picture of many thousand points may be asked for inside a line that
  // is being stopped; the remaining points are then left out.
  if (CheckInterrupt() != kOk) return {};
  Value result;
  if (engine_.EvaluatePostfix(result) != kOk) return {};
  if (result.kind == ValueKind::Complex) return {0.0, true};
  if (ConvertValue(result, ValueKind::Real) != kOk) return {};
  return {result.num.real, true};
}

bool IsPointFailure(int code) {
  return code == kIntegerOverflow || code == kDivisionByZero || code == kFloatingPointOverflow ||
         code == kNegativePowerBase || code == kFactorialDomain || code == kLogarithmOfZero;
}

bool EvaluateRealField(ExpressionEngine& engine, std::string_view text, Value& into) {
  // An empty field is a missing one, whatever the engine makes of it.
  if (text.empty()) return false;
  Value v;
  if (engine.EvaluateLine(text, v) != kOk) return false;
  if (engine.ResolveOperand(v) != kOk) return false;
  if (ConvertValue(v, ValueKind::Real) != kOk) return false;
  into = v;
  return true;
}

std::string NormalizedFunctionText(std::string_view text) {
  std::string out;
  std::string_view::size_type begin = 0;
  bool quoted = false;
  auto flush = [&](std::string_view::size_type end) {
    const std::string_view part = text.substr(begin, end - begin);
    if (quoted) {
      out += part;
      return;
    }
    for (const char c : Utf8ToLower(part)) {
      if (c != ' ' && c != '\t') out += c;
    }
  };
  for (std::string_view::size_type i = 0; i < text.size(); ++i) {
    if (text[i] != '"') continue;
    // The quote itself belongs to neither side; it is kept as it stands.
    flush(i);
    out += '"';
    begin = i + 1;
    quoted = !quoted;
  }
  flush(text.size());
  return out;
}

int ToPixel(double v) {
  constexpr double kLimit = 1 << 24;
  if (std::isnan(v)) return 0;
  if (v > kLimit) return static_cast<int>(kLimit);
  if (v < -kLimit) return -static_cast<int>(kLimit);
  return static_cast<int>(v);
}

double ToFinePixel(double v) {
  constexpr double kLimit = 1 << 16;
  if (std::isnan(v)) return 0.0;
  return std::clamp(v, -kLimit, kLimit);
}

}  // namespace vr
