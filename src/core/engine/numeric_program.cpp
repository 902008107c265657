#include "engine/numeric_program.h"

#include <cmath>

#include "engine/named_constants.h"
#include "engine/real_rules.h"
#include "engine/value_stack.h"
#include "values/utf8_text.h"

namespace vr {

namespace {

// The steps of the program: the operator steps, each with its name, the
// operator it stands for and the Real rule it applies (to `a`, or to `a`
// and `b`, into `r`), and one step for each rule of the built-in functions
// (VR_FUNCTION_RULES in engine/real_rules.h), which the functions' rows
// name.
#define VR_UNARY_STEPS(X)                                                \
  X(Negate, kOpUnaryMinus, RealNegate(a, r))                             \
  X(Factorial, kOpFactorial, RealFactorial(a, r))                        \
  X(BitNot, kOpBitNot, RealWholeUnary(a, ComplementBits, r))             \
  X(LogicalNot, kOpLogicalNot, RealWholeUnary(a, NegateTruth, r))

#define VR_BINARY_STEPS(X)                                                             \
  X(Add, kOpAdd, RealAdd(a, b, r))                                                     \
  X(Subtract, kOpSubtract, RealSubtract(a, b, r))                                      \
  X(Multiply, kOpMultiply, RealMultiply(a, b, r))                                      \
  X(Divide, kOpDivide, RealDivide(a, b, r))                                            \
  X(Remainder, kOpRemainder, RealRemainder(a, b, r))                                   \
  X(Power, kOpPower, RealPower(a, b, r))                                               \
  X(Equal, kOpEqual, RealEqual(a, b, false, r))                                        \
  X(NotEqual, kOpNotEqual, RealEqual(a, b, true, r))                                   \
  X(Less, kOpLess, RealOrder(a, b, kOpLess, r))                                        \
  X(Greater, kOpGreater, RealOrder(a, b, kOpGreater, r))                               \
  X(LessEqual, kOpLessEqual, RealOrder(a, b, kOpLessEqual, r))                         \
  X(GreaterEqual, kOpGreaterEqual, RealOrder(a, b, kOpGreaterEqual, r))                \
  X(ShiftLeft, kOpShiftLeft, RealWholeBinary(a, b, ShiftBits, 0, r))                   \
  X(ShiftRight, kOpShiftRight, RealWholeBinary(a, b, ShiftBits, 1, r))                 \
  X(BitAnd, kOpBitAnd, RealWholeBinary(a, b, CombineBits, kOpBitAnd, r))               \
  X(BitOr, kOpBitOr, RealWholeBinary(a, b, CombineBits, kOpBitOr, r))                  \
  X(BitXor, kOpBitXor, RealWholeBinary(a, b, CombineBits, kOpBitXor, r))               \
  X(LogicalAnd, kOpLogicalAnd, RealWholeBinary(a, b, CombineTruths, kOpLogicalAnd, r)) \
  X(LogicalOr, kOpLogicalOr, RealWholeBinary(a, b, CombineTruths, kOpLogicalOr, r))    \
  X(PercentOf, kOpPercentOf, RealPercentOf(a, b, r))                                   \
  X(PercentRatio, kOpPercentRatio, RealPercentRatio(a, b, r))                          \
  X(PercentAdd, kOpPercentAdd, RealPercentChange(a, b, true, r))                       \
  X(PercentSub, kOpPercentSub, RealPercentChange(a, b, false, r))

// Each unary step, operator or function rule, comes twice: applied to the top of the stack, and
// reading its operand where it lies ("Load": a constant or a variable) and
// pushing the result. Each binary step comes three times: both operands on
// the stack, the right one read where it lies ("Right"), and both read
// where they lie ("Both"), the result pushed.
// clang-format off
enum Op : std::uint8_t {
  kReturn,
  kPush,
  kMin,
  kMax,
  kIif,
#define VR_UNARY_ENUM(name, code, call) k##name, k##name##Load,
#define VR_RULE_ENUM(name, call) VR_UNARY_ENUM(name, , call)
  VR_UNARY_STEPS(VR_UNARY_ENUM)
  VR_FUNCTION_RULES(VR_RULE_ENUM)
#undef VR_RULE_ENUM
#undef VR_UNARY_ENUM
#define VR_BINARY_ENUM(name, code, call) k##name, k##name##Right, k##name##Both,
  VR_BINARY_STEPS(VR_BINARY_ENUM)
#undef VR_BINARY_ENUM
};
// clang-format on

constexpr std::uint8_t kLoadVariant = 1;
constexpr std::uint8_t kRightVariant = 1;
constexpr std::uint8_t kBothVariant = 2;

// A unary or binary step applied to numbers, for the work done while
// compiling.
ErrorCode ApplyUnary(std::uint8_t op, double a, double& r) {
  [[maybe_unused]] const bool radian = true;  // only for the steps never worked out early
  switch (op) {
#define VR_UNARY_APPLY(name, code, call) \
  case k##name:                          \
    return call;
#define VR_RULE_APPLY(name, call) VR_UNARY_APPLY(name, , call)
    VR_UNARY_STEPS(VR_UNARY_APPLY)
    VR_FUNCTION_RULES(VR_RULE_APPLY)
#undef VR_RULE_APPLY
#undef VR_UNARY_APPLY
    default:
      return kErrorInExpression;
  }
}

ErrorCode ApplyBinary(std::uint8_t op, double a, double b, double& r) {
  switch (op) {
#define VR_BINARY_APPLY(name, code, call) \
  case k##name:                           \
    return call;
    VR_BINARY_STEPS(VR_BINARY_APPLY)
#undef VR_BINARY_APPLY
    default:
      return kErrorInExpression;
  }
}

bool IsBinary(std::uint8_t op) { return op >= kAdd; }

// The step of an operator code; kPush where the program has none.
std::uint8_t StepOf(int code) {
#define VR_UNARY_STEP_OF(name, from_code, call) \
  if (code == from_code) return k##name;
  VR_UNARY_STEPS(VR_UNARY_STEP_OF)
#undef VR_UNARY_STEP_OF
#define VR_BINARY_STEP_OF(name, from_code, call) \
  if (code == from_code) return k##name;
  VR_BINARY_STEPS(VR_BINARY_STEP_OF)
#undef VR_BINARY_STEP_OF
  return kPush;
}

// The step of a built-in function's rule; kPush for none.
std::uint8_t StepOf(FunctionRule rule) {
  switch (rule) {
#define VR_RULE_STEP_OF(name, call) \
  case FunctionRule::k##name:       \
    return k##name;
    VR_FUNCTION_RULES(VR_RULE_STEP_OF)
#undef VR_RULE_STEP_OF
    default:
      return kPush;
  }
}

// Each step of the program as a function on the operands where they lie,
// for programs of one step. `radian` is read by the trigonometric ones.
#define VR_UNARY_SINGLE(name, code, call)                                                      \
  NumericProgram::StepResult Single##name(const double* at, const double*,                     \
                                          [[maybe_unused]] bool radian) {                      \
    const double a = *at;                                                                      \
    double r = a;                                                                              \
    const ErrorCode e = call;                                                                  \
    return {r, e};                                                                             \
  }
#define VR_RULE_SINGLE(name, call) VR_UNARY_SINGLE(name, , call)
VR_UNARY_STEPS(VR_UNARY_SINGLE)
VR_FUNCTION_RULES(VR_RULE_SINGLE)
#undef VR_RULE_SINGLE
#undef VR_UNARY_SINGLE
#define VR_BINARY_SINGLE(name, code, call)                                                 \
  NumericProgram::StepResult Single##name(const double* at, const double* bt, bool) {     \
    const double a = *at;                                                                  \
    const double b = *bt;                                                                  \
    double r = a;                                                                          \
    const ErrorCode e = call;                                                              \
    return {r, e};                                                                         \
  }
VR_BINARY_STEPS(VR_BINARY_SINGLE)
#undef VR_BINARY_SINGLE

NumericProgram::StepResult SinglePush(const double* at, const double*, bool) { return {*at, kOk}; }

using SingleStepFn = NumericProgram::StepResult (*)(const double*, const double*, bool);

// The function for a program whose only step is `op`, or null.
SingleStepFn SingleStepOf(std::uint8_t op) {
  switch (op) {
    case kPush:
      return SinglePush;
#define VR_UNARY_SINGLE_OF(name, code, call) \
  case k##name##Load:                        \
    return Single##name;
#define VR_RULE_SINGLE_OF(name, call) VR_UNARY_SINGLE_OF(name, , call)
    VR_UNARY_STEPS(VR_UNARY_SINGLE_OF)
    VR_FUNCTION_RULES(VR_RULE_SINGLE_OF)
#undef VR_RULE_SINGLE_OF
#undef VR_UNARY_SINGLE_OF
#define VR_BINARY_SINGLE_OF(name, code, call) \
  case k##name##Both:                         \
    return Single##name;
    VR_BINARY_STEPS(VR_BINARY_SINGLE_OF)
#undef VR_BINARY_SINGLE_OF
    default:
      return nullptr;
  }
}

// Whether dividing by `divisor` is exactly multiplying by its reciprocal:
// a power of two whose reciprocal is a normal number too. Every quotient,
// infinities, NaNs and the overflow check included, is then the product.
bool HasExactReciprocal(double divisor) {
  int exponent = 0;
  const double mantissa = std::frexp(divisor, &exponent);
  return std::fabs(mantissa) == 0.5 && exponent > -1000 && exponent < 1000;
}

}  // namespace

bool NumericProgram::Prepare(const std::vector<Token>& postfix, const OperationTable* table,
                             VariableTable& variables) {
  readyFor_ = nullptr;
  if (state_ == State::Unknown) state_ = Compile(postfix, table) ? State::Compiled : State::Refused;
  if (state_ != State::Compiled || !Bind(variables)) return false;
  readyFor_ = &variables;
  readyGeneration_ = variables.Generation();
  return true;
}

// Aligned so that the speed of the interpreter loop does not change with
// where the linker happens to place it (the difference is measurable).
__attribute__((aligned(64))) ErrorCode NumericProgram::Execute(Value& result,
                                                              Value& lastResult) const {
  for (const Binding& b : bindings_) {
    if (!IsPlainReal(b.entry->value)) return kNotReal;
  }
  const bool radian = readsAngleUnit_ && RadianMode();

  // The top of the stack is kept in `acc`, the Values below it in `stack`
  // (whose element 0 only receives the empty accumulator of the first push).
  // Each step works out its result in `r` before it becomes the top, so
  // that the top can stay in a register.
  double stack[kValueStackLimit + 1];
  double* below = stack;
  double acc = 0.0;
  for (const Instruction* next = code_.data();;) {
    const Instruction* const step = next++;
    switch (step->op) {
      case kReturn:
        // A NaN's sign may differ between the two ways (see RealSubtract),
        // and its sign shows in its text.
        if (std::isnan(acc)) return kNotReal;
        StoreReal(result, acc);
        StoreReal(lastResult, acc);
        return kOk;
      case kPush:
        *below++ = acc;
        acc = *step->a.at;
        break;
      case kMin:
      case kMax: {
        // The last parameter is the first best; the others are tried from
        // the last to the first.
        const double* first = below - (step->count - 1);
        for (const double* p = below - 1; p >= first; --p) {
          if (ReplacesBest(step->op == kMin, acc, *p)) acc = *p;
        }
        below -= step->count - 1;
        break;
      }
      case kIif:
        below -= 2;
        acc = IsTrueCondition(below[0]) ? below[1] : acc;
        break;
#define VR_UNARY_CASE(name, code, call)              \
  case k##name: {                                    \
    const double a = acc;                            \
    double r = a;                                    \
    if (const ErrorCode e = call) return Unnamed(e); \
    acc = r;                                         \
    break;                                           \
  }                                                  \
  case k##name##Load: {                              \
    *below++ = acc;                                  \
    const double a = *step->a.at;                    \
    double r = a;                                    \
    if (const ErrorCode e = call) return Unnamed(e); \
    acc = r;                                         \
    break;                                           \
  }
#define VR_RULE_CASE(name, call) VR_UNARY_CASE(name, , call)
        VR_UNARY_STEPS(VR_UNARY_CASE)
        VR_FUNCTION_RULES(VR_RULE_CASE)
#undef VR_RULE_CASE
#undef VR_UNARY_CASE
#define VR_BINARY_CASE(name, code, call)             \
  case k##name: {                                    \
    const double a = *--below;                       \
    const double b = acc;                            \
    double r = a;                                    \
    if (const ErrorCode e = call) return Unnamed(e); \
    acc = r;                                         \
    break;                                           \
  }                                                  \
  case k##name##Right: {                             \
    const double a = acc;                            \
    const double b = *step->b.at;                    \
    double r = a;                                    \
    if (const ErrorCode e = call) return Unnamed(e); \
    acc = r;                                         \
    break;                                           \
  }                                                  \
  case k##name##Both: {                              \
    *below++ = acc;                                  \
    const double a = *step->a.at;                    \
    const double b = *step->b.at;                    \
    double r = a;                                    \
    if (const ErrorCode e = call) return Unnamed(e); \
    acc = r;                                         \
    break;                                           \
  }
        VR_BINARY_STEPS(VR_BINARY_CASE)
#undef VR_BINARY_CASE
      default:
        // Every step the compiler makes has its case above.
        __builtin_unreachable();
    }
  }
}

bool NumericProgram::Compile(const std::vector<Token>& postfix, const OperationTable* table) {
  code_.clear();
  bindings_.clear();
  boundValues_.clear();
  single_ = nullptr;
  slots_.clear();
  readsAngleUnit_ = false;
  table_ = table;
  if (table_ == nullptr) return false;
  for (const Token& t : postfix) {
    if (!CompileToken(t)) return false;
  }
  // Anything but one Value left is an error or a list of solutions.
  if (slots_.size() != 1) return false;
  code_.push_back(Instruction{});  // kReturn
  single_ = code_.size() == 2 ? SingleStepOf(code_.front().op) : nullptr;
  for (Instruction& step : code_) {
    for (Source* source : {&step.a, &step.b}) {
      if (source->binding < 0) source->at = &source->constant;
    }
  }
  return true;
}

bool NumericProgram::CompileToken(const Token& t) {
  if (IsLiteralClass(t.cls)) {
    return IsPlainReal(t.value) && PushOperand(t.value.num.real, -1);
  }
  switch (t.cls) {
    case TokenClass::VariableName:
      if (t.value.kind != ValueKind::VariableRef) return false;
      return PushOperand(0.0, BindingFor(t.value.name));
    case TokenClass::ConstantName: {
      const int index = t.value.kind == ValueKind::ConstantRef ? static_cast<int>(t.value.num.real)
                                                               : FindNamedConstant(t.text);
      if (index < 0 || index >= kNamedConstantCount) return false;
      // time and date are read when they run, and are not Reals anyway.
      const Value v = NamedConstantValue(index);
      return IsPlainReal(v) && PushOperand(v.num.real, -1);
    }
    case TokenClass::Operator: {
      if (t.op <= kOpNone || t.op >= kOperatorCodeCount) return false;
      if (!table_->operators[static_cast<std::size_t>(t.op)].realRule) return false;
      const std::uint8_t op = StepOf(t.op);
      if (op == kPush) return false;
      return IsBinary(op) ? EmitBinary(op) : EmitUnary(op, false);
    }
    case TokenClass::FunctionName:
      return EmitFunction(t);
    case TokenClass::OpenParen:
      return true;  // left behind by a ";"; the evaluator skips it too
    default:
      return false;
  }
}

int NumericProgram::BindingFor(const std::string& name) {
  for (std::size_t i = 0; i < bindings_.size(); ++i) {
    if (EqualsIgnoreCase(bindings_[i].name, name)) return static_cast<int>(i);
  }
  bindings_.push_back(Binding{name, nullptr});
  return static_cast<int>(bindings_.size()) - 1;
}

// A line that needs more than the evaluator's stack holds fails there, so the
// program must not answer it either.
bool NumericProgram::HasRoom(int extra) const {
  return static_cast<int>(slots_.size()) + extra <= kValueStackLimit;
}

bool NumericProgram::PushOperand(double constant, int binding) {
  if (!HasRoom(1) || binding > INT16_MAX) return false;
  Instruction step;
  step.op = kPush;
  step.a.binding = static_cast<std::int16_t>(binding);
  step.a.constant = constant;
  code_.push_back(step);
  slots_.push_back(Slot{true, binding < 0, binding >= 0});
  return true;
}

bool NumericProgram::EmitUnary(std::uint8_t op, bool angle) {
  if (slots_.empty()) return false;
  Slot& top = slots_.back();
  // "!" takes its operand as it stands, and a variable there is no number.
  if (op == kLogicalNot && top.rawVariable) return false;
  if (angle) readsAngleUnit_ = true;
  if (top.pushed) {
    Instruction& push = code_.back();
    if (push.op != kPush) return false;
    double folded;
    if (top.constant && !angle && ApplyUnary(op, push.a.constant, folded) == kOk) {
      push.a.constant = folded;
      return true;
    }
    push.op = static_cast<std::uint8_t>(op + kLoadVariant);
  } else {
    Instruction step;
    step.op = op;
    code_.push_back(step);
  }
  top = Slot{};
  return true;
}

bool NumericProgram::EmitBinary(std::uint8_t op) {
  if (slots_.size() < 2) return false;
  const Slot right = slots_.back();
  // x/2 as x*0.5: a product costs a fraction of a quotient.
  if (op == kDivide && right.pushed && right.constant && code_.back().op == kPush &&
      HasExactReciprocal(code_.back().a.constant)) {
    code_.back().a.constant = 1.0 / code_.back().a.constant;
    op = kMultiply;
  }
  slots_.pop_back();
  Slot& left = slots_.back();
  if (right.pushed && left.pushed) {
    // The last two steps push the operands.
    if (code_.size() < 2 || code_.back().op != kPush || code_[code_.size() - 2].op != kPush) {
      return false;
    }
    const Instruction pushB = code_.back();
    code_.pop_back();
    Instruction& pushA = code_.back();
    double folded;
    if (left.constant && right.constant &&
        ApplyBinary(op, pushA.a.constant, pushB.a.constant, folded) == kOk) {
      pushA.a.constant = folded;
      return true;
    }
    pushA.op = static_cast<std::uint8_t>(op + kBothVariant);
    pushA.b = pushB.a;
  } else if (right.pushed) {
    Instruction& pushB = code_.back();
    if (pushB.op != kPush) return false;
    pushB.op = static_cast<std::uint8_t>(op + kRightVariant);
    pushB.b = pushB.a;
    pushB.a = Source{};
  } else {
    Instruction step;
    step.op = op;
    code_.push_back(step);
  }
  left = Slot{};
  return true;
}

bool NumericProgram::EmitFunction(const Token& t) {
  const BuiltinFunction* row = t.value.kind == ValueKind::Integer
                                   ? BuiltinAt(table_, static_cast<int>(t.value.num.real))
                                   : FindBuiltin(table_, t.text);
  if (row == nullptr) return false;  // a user function
  const int n = t.argCount;
  if (n < 1 || static_cast<int>(slots_.size()) < n) return false;

  switch (row->realForm) {
    case RealForm::kMin:
    case RealForm::kMax: {
      // One parameter is its own answer, left on the stack as it lies.
      if (n == 1) return true;
      slots_.resize(slots_.size() - static_cast<std::size_t>(n) + 1);
      Instruction step;
      step.op = row->realForm == RealForm::kMin ? kMin : kMax;
      step.count = n;
      code_.push_back(step);
      slots_.back() = Slot{};
      return true;
    }
    case RealForm::kChoose: {
      if (n != 3) return false;
      slots_.resize(slots_.size() - 2);
      Instruction step;
      step.op = kIif;
      code_.push_back(step);
      slots_.back() = Slot{};
      return true;
    }
    case RealForm::kSame:
      return n == 1;
    case RealForm::kRule: {
      const std::uint8_t op = StepOf(row->rule);
      if (op == kPush || n != 1 || !HasRoom(row->scratchValues)) return false;
      return EmitUnary(op, row->angle);
    }
    case RealForm::kNone:
      break;
  }
  return false;
}

const Value NumericProgram::kAnyPlainReal = Value::MakeReal(0.0);

bool NumericProgram::Bind(VariableTable& variables) {
  boundValues_.clear();
  for (Binding& b : bindings_) {
    b.entry = variables.Find(b.name);
    if (b.entry == nullptr) return false;
    boundValues_.push_back(&b.entry->value);
  }
  if (single_ == nullptr || boundValues_.size() > 1) {
    singleReads_ = nullptr;
  } else {
    singleReads_ = boundValues_.empty() ? &kAnyPlainReal : boundValues_.front();
  }
  for (Instruction& step : code_) {
    for (Source* source : {&step.a, &step.b}) {
      if (source->binding >= 0) {
        source->at = &bindings_[static_cast<std::size_t>(source->binding)].entry->value.num.real;
      }
    }
  }
  singleAdds_ = code_.front().op == kAddBoth;
  singleA_ = code_.front().a.at;
  singleB_ = code_.front().b.at;
  return true;
}

}  // namespace vr
