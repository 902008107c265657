// "=" and ":=": store a value into a variable and give the value back.

#include <array>
#include <string_view>

#include "engine/expression_engine.h"
#include "files/ascii.h"
#include "operations/operands.h"
#include "operations/operators/operator_families.h"

namespace vr {
namespace {

// The named constants a line could plausibly mean to overwrite; the others
// keep their names free for variables, which the constant then shadows.
constexpr std::array<std::string_view, 4> kProtectedNames{"pi", "gold", "time", "date"};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != b[i]) return false;
  }
  return true;
}

bool IsProtected(std::string_view name) {
  for (std::string_view p : kProtectedNames) {
    if (EqualsIgnoringCase(name, p)) return true;
  }
  return false;
}

}  // namespace

// The target's name comes with the operator (the text of the token before
// it); the target operand itself is only popped.
ErrorCode AssignOperation(const OperationCall& call) {
  if (ErrorCode e = RequireOperands(call, 2)) return e;
  Value value;
  Value target;
  PopRaw(call, value);
  PopRaw(call, target);
  if (ErrorCode e = ResolveOperand(call, value)) return e;
  if (IsProtected(call.tokenText)) return kCannotChangeConstant;
  call.engine.Variables().Set(call.tokenText, value);
  return PushResult(call, value);
}

}  // namespace vr
