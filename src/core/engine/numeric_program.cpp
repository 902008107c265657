#include "engine/numeric_program.h"

#include <cmath>

#include "engine/builtin_names.h"
#include "engine/named_constants.h"
#include "engine/real_rules.h"
#include "values/utf8_text.h"

namespace vr {

namespace {

// The general evaluator's stack holds at most this many Values; a line that
// needs more fails there, so the program must not answer it.
constexpr int kStackLimit = 49;

inline ErrorCode Assign(double& out, double value) {
  out = value;
  return kOk;
}

// The steps of the program: each name, the Real rule it applies (to `a`, or
// to `a` and `b`, into `r`) and whether a step on constants may be worked out
// once when compiling. The trigonometric functions read the angle unit when
// they run, so they are never worked out early.
#define VR_UNARY_STEPS(X)                                           \
  X(Negate, RealNegate(a, r), true)                                 \
  X(Factorial, RealFactorial(a, r), true)                           \
  X(BitNot, RealWholeUnary(a, ComplementBits, r), true)             \
  X(LogicalNot, RealWholeUnary(a, NegateTruth, r), true)            \
  X(Sin, RealSineCosine(a, true, r), false)                         \
  X(Cos, RealSineCosine(a, false, r), false)                        \
  X(Tan, RealTangent(a, r), false)                                  \
  X(Asin, RealArcSineCosine(a, true, r), false)                     \
  X(Acos, RealArcSineCosine(a, false, r), false)                    \
  X(Atan, RealArcTangent(a, r), false)                              \
  X(Sinh, RealHyperbolic(a, kFnSinh, r), true)                      \
  X(Cosh, RealHyperbolic(a, kFnCosh, r), true)                      \
  X(Tanh, RealHyperbolic(a, kFnTanh, r), true)                      \
  X(Asinh, RealInverseHyperbolic(a, true, r), true)                 \
  X(Acosh, RealInverseHyperbolic(a, false, r), true)                \
  X(Atanh, RealInverseHyperbolicTangent(a, r), true)                \
  X(Round, Assign(r, RoundByMode(0, a)), true)                      \
  X(Ceil, Assign(r, RoundByMode(1, a)), true)                       \
  X(Floor, Assign(r, RoundByMode(2, a)), true)                      \
  X(Frac, Assign(r, FractionalPart(a)), true)                       \
  X(Sqrt, RealSquareRoot(a, r), true)                               \
  X(Abs, Assign(r, std::fabs(a)), true)                             \
  X(Ln, RealLogarithm(a, false, r), true)                           \
  X(Log, RealLogarithm(a, true, r), true)                           \
  X(Exp, RealExponential(a, r), true)                               \
  X(Odd, Assign(r, OddTruth(a)), true)                              \
  X(Sqr, RealMultiply(a, a, r), true)

#define VR_BINARY_STEPS(X)                                          \
  X(Add, RealAdd(a, b, r))                                          \
  X(Subtract, RealSubtract(a, b, r))                                \
  X(Multiply, RealMultiply(a, b, r))                                \
  X(Divide, RealDivide(a, b, r))                                    \
  X(Remainder, RealRemainder(a, b, r))                              \
  X(Power, RealPower(a, b, r))                                      \
  X(Equal, RealEqual(a, b, false, r))                               \
  X(NotEqual, RealEqual(a, b, true, r))                             \
  X(Less, RealOrder(a, b, kOpLess, r))                              \
  X(Greater, RealOrder(a, b, kOpGreater, r))                        \
  X(LessEqual, RealOrder(a, b, kOpLessEqual, r))                    \
  X(GreaterEqual, RealOrder(a, b, kOpGreaterEqual, r))              \
  X(ShiftLeft, RealWholeBinary(a, b, ShiftBits, 0, r))              \
  X(ShiftRight, RealWholeBinary(a, b, ShiftBits, 1, r))             \
  X(BitAnd, RealWholeBinary(a, b, CombineBits, kOpBitAnd, r))       \
  X(BitOr, RealWholeBinary(a, b, CombineBits, kOpBitOr, r))         \
  X(BitXor, RealWholeBinary(a, b, CombineBits, kOpBitXor, r))       \
  X(LogicalAnd, RealWholeBinary(a, b, CombineTruths, kOpLogicalAnd, r)) \
  X(LogicalOr, RealWholeBinary(a, b, CombineTruths, kOpLogicalOr, r))   \
  X(PercentOf, RealPercentOf(a, b, r))                              \
  X(PercentRatio, RealPercentRatio(a, b, r))                        \
  X(PercentAdd, RealPercentChange(a, b, true, r))                   \
  X(PercentSub, RealPercentChange(a, b, false, r))

// Each unary step comes twice: applied to the top of the stack, and
// reading its operand where it lies ("Load": a constant or a variable) and
// pushing the result. Each binary step comes three times: both operands on
// the stack, the right one read where it lies ("Right"), and both read
// where they lie ("Both"), the result pushed.
enum Op : std::uint8_t {
  kPush,
  kMin,
  kMax,
  kIif,
#define VR_UNARY_ENUM(name, call, foldable) k##name, k##name##Load,
  VR_UNARY_STEPS(VR_UNARY_ENUM)
#undef VR_UNARY_ENUM
#define VR_BINARY_ENUM(name, call) k##name, k##name##Right, k##name##Both,
  VR_BINARY_STEPS(VR_BINARY_ENUM)
#undef VR_BINARY_ENUM
};

constexpr std::uint8_t kLoadVariant = 1;
constexpr std::uint8_t kRightVariant = 1;
constexpr std::uint8_t kBothVariant = 2;

bool IsFoldable(std::uint8_t op) {
  switch (op) {
#define VR_UNARY_FOLDABLE(name, call, foldable) \
  case k##name: return foldable;
    VR_UNARY_STEPS(VR_UNARY_FOLDABLE)
#undef VR_UNARY_FOLDABLE
    default: return true;
  }
}

// A unary or binary step applied to numbers, for the work done while
// compiling.
ErrorCode ApplyUnary(std::uint8_t op, double a, double& r) {
  switch (op) {
#define VR_UNARY_APPLY(name, call, foldable) \
  case k##name: return call;
    VR_UNARY_STEPS(VR_UNARY_APPLY)
#undef VR_UNARY_APPLY
    default: return kErrorInExpression;
  }
}

ErrorCode ApplyBinary(std::uint8_t op, double a, double b, double& r) {
  switch (op) {
#define VR_BINARY_APPLY(name, call) \
  case k##name: return call;
    VR_BINARY_STEPS(VR_BINARY_APPLY)
#undef VR_BINARY_APPLY
    default: return kErrorInExpression;
  }
}

bool IsBinary(std::uint8_t op) { return op >= kAdd; }

// The step of an operator code; kPush where the program has none.
std::uint8_t StepOfOperator(int code) {
  switch (code) {
    case kOpUnaryMinus: return kNegate;
    case kOpAdd: return kAdd;
    case kOpSubtract: return kSubtract;
    case kOpMultiply: return kMultiply;
    case kOpDivide: return kDivide;
    case kOpRemainder: return kRemainder;
    case kOpFactorial: return kFactorial;
    case kOpPower: return kPower;
    case kOpEqual: return kEqual;
    case kOpNotEqual: return kNotEqual;
    case kOpLess: return kLess;
    case kOpGreater: return kGreater;
    case kOpLessEqual: return kLessEqual;
    case kOpGreaterEqual: return kGreaterEqual;
    case kOpShiftLeft: return kShiftLeft;
    case kOpShiftRight: return kShiftRight;
    case kOpBitNot: return kBitNot;
    case kOpBitAnd: return kBitAnd;
    case kOpBitOr: return kBitOr;
    case kOpBitXor: return kBitXor;
    case kOpLogicalNot: return kLogicalNot;
    case kOpLogicalAnd: return kLogicalAnd;
    case kOpLogicalOr: return kLogicalOr;
    case kOpPercentOf: return kPercentOf;
    case kOpPercentRatio: return kPercentRatio;
    case kOpPercentAdd: return kPercentAdd;
    case kOpPercentSub: return kPercentSub;
    default: return kPush;
  }
}

// The step of a one-parameter built-in; kPush where the program has none.
std::uint8_t StepOfFunction(int index) {
  switch (index) {
    case kFnSin: return kSin;
    case kFnCos: return kCos;
    case kFnTan: return kTan;
    case kFnAsin: return kAsin;
    case kFnAcos: return kAcos;
    case kFnAtan: return kAtan;
    case kFnSinh: return kSinh;
    case kFnCosh: return kCosh;
    case kFnTanh: return kTanh;
    case kFnAsinh: return kAsinh;
    case kFnAcosh: return kAcosh;
    case kFnAtanh: return kAtanh;
    case kFnRound: return kRound;
    case kFnCeil: return kCeil;
    case kFnFloor: return kFloor;
    case kFnFrac: return kFrac;
    case kFnSqrt: return kSqrt;
    case kFnAbs: return kAbs;
    case kFnLn: return kLn;
    case kFnLog: return kLog;
    case kFnExp: return kExp;
    case kFnOdd: return kOdd;
    case kFnSqr: return kSqr;
    default: return kPush;
  }
}

bool IsLiteral(TokenClass cls) {
  switch (cls) {
    case TokenClass::Number:
    case TokenClass::FractionLiteral:
    case TokenClass::ComplexLiteral:
    case TokenClass::HexLiteral:
    case TokenClass::TimeLiteral:
    case TokenClass::StringLiteral:
    case TokenClass::DateLiteral:
      return true;
    default:
      return false;
  }
}

// A Value the program can stand for: a Real with no name. (Operations keep
// the name of their left operand, and the result must come out the same.)
bool IsPlainReal(const Value& v) { return v.kind == ValueKind::Real && v.name.empty(); }

// Errors that the general evaluator returns with no name attached; the
// program may return them itself, since it meets them at the same step.
ErrorCode Unnamed(ErrorCode e) {
  switch (e) {
    case kDivisionByZero:
    case kFloatingPointOverflow:
    case kNegativePowerBase:
    case kFactorialDomain:
    case kLogarithmOfZero:
      return e;
    default:
      return kNotReal;
  }
}

}  // namespace

ErrorCode NumericProgram::Run(const std::vector<Token>& postfix, const OperationTable* table,
                              VariableTable& variables, double& result) {
  if (state_ != State::Compiled) {
    if (state_ == State::Refused) return kNotReal;
    state_ = Compile(postfix, table) ? State::Compiled : State::Refused;
    if (state_ == State::Refused) return kNotReal;
    boundTable_ = nullptr;
  }
  if (boundTable_ != &variables || boundGeneration_ != variables.Generation()) {
    bound_ = Bind(variables);
    boundTable_ = &variables;
    boundGeneration_ = variables.Generation();
  }
  if (!bound_) return kNotReal;
  for (const Binding& b : bindings_) {
    if (!IsPlainReal(b.entry->value)) return kNotReal;
  }

  // stack[0] is never used, so that `top` starts on an element.
  double stack[kStackLimit + 1];
  double* top = stack;
  const Instruction* const end = code_.data() + code_.size();
  for (const Instruction* step = code_.data(); step != end; ++step) {
    switch (step->op) {
      case kPush:
        *++top = *step->a.at;
        break;
      case kMin:
      case kMax: {
        // The last parameter is the first best; the others are tried from
        // the last to the first.
        double* first = top - (step->count - 1);
        double best = *top;
        for (double* p = top - 1; p >= first; --p) {
          if (ReplacesBest(step->op == kMin, best, *p)) best = *p;
        }
        top = first;
        *top = best;
        break;
      }
      case kIif:
        top -= 2;
        *top = IsTrueCondition(top[0]) ? top[1] : top[2];
        break;
#define VR_UNARY_CASE(name, call, foldable)       \
  case k##name: {                                 \
    const double a = *top;                        \
    double& r = *top;                             \
    if (const ErrorCode e = call) return Unnamed(e); \
    break;                                        \
  }                                               \
  case k##name##Load: {                           \
    const double a = *step->a.at;                 \
    double& r = *++top;                           \
    if (const ErrorCode e = call) return Unnamed(e); \
    break;                                        \
  }
        VR_UNARY_STEPS(VR_UNARY_CASE)
#undef VR_UNARY_CASE
#define VR_BINARY_CASE(name, call)                \
  case k##name: {                                 \
    const double b = *top--;                      \
    const double a = *top;                        \
    double& r = *top;                             \
    if (const ErrorCode e = call) return Unnamed(e); \
    break;                                        \
  }                                               \
  case k##name##Right: {                          \
    const double b = *step->b.at;                 \
    const double a = *top;                        \
    double& r = *top;                             \
    if (const ErrorCode e = call) return Unnamed(e); \
    break;                                        \
  }                                               \
  case k##name##Both: {                           \
    const double a = *step->a.at;                 \
    const double b = *step->b.at;                 \
    double& r = *++top;                           \
    if (const ErrorCode e = call) return Unnamed(e); \
    break;                                        \
  }
        VR_BINARY_STEPS(VR_BINARY_CASE)
#undef VR_BINARY_CASE
      default:
        return kNotReal;
    }
  }
  // A NaN's sign may differ between the two ways (see RealSubtract), and
  // its sign shows in its text.
  if (std::isnan(*top)) return kNotReal;
  result = *top;
  return kOk;
}

bool NumericProgram::Compile(const std::vector<Token>& postfix, const OperationTable* table) {
  code_.clear();
  bindings_.clear();
  slots_.clear();
  table_ = table;
  if (table_ == nullptr) return false;
  for (const Token& t : postfix) {
    if (!CompileToken(t)) return false;
  }
  // Anything but one Value left is an error or a list of solutions.
  if (slots_.size() != 1) return false;
  for (Instruction& step : code_) {
    for (Source* source : {&step.a, &step.b}) {
      if (source->binding < 0) source->at = &source->constant;
    }
  }
  return true;
}

bool NumericProgram::CompileToken(const Token& t) {
  if (IsLiteral(t.cls)) {
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
      const std::uint8_t op = StepOfOperator(t.op);
      if (op == kPush) return false;
      return IsBinary(op) ? EmitBinary(op) : EmitUnary(op);
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

bool NumericProgram::HasRoom(int extra) const {
  return static_cast<int>(slots_.size()) + extra <= kStackLimit;
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

bool NumericProgram::EmitUnary(std::uint8_t op) {
  if (slots_.empty()) return false;
  Slot& top = slots_.back();
  // "!" takes its operand as it stands, and a variable there is no number.
  if (op == kLogicalNot && top.rawVariable) return false;
  // sqr pushes its parameter twice before multiplying.
  if (op == kSqr && !HasRoom(1)) return false;
  if (top.pushed) {
    Instruction& push = code_.back();
    if (push.op != kPush) return false;
    double folded;
    if (top.constant && IsFoldable(op) && ApplyUnary(op, push.a.constant, folded) == kOk) {
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
    if (left.constant && right.constant && IsFoldable(op) &&
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
  const int index = t.value.kind == ValueKind::Integer ? static_cast<int>(t.value.num.real)
                                                       : FindBuiltinFunction(t.text);
  if (index < 0 || index >= kBuiltinCount) return false;  // a user function
  if (!table_->builtins[static_cast<std::size_t>(index)].realRule) return false;
  const int n = t.argCount;
  if (n < 1 || static_cast<int>(slots_.size()) < n) return false;

  if (index == kFnMin || index == kFnMax) {
    // One parameter is its own answer, left on the stack as it lies.
    if (n == 1) return true;
    slots_.resize(slots_.size() - static_cast<std::size_t>(n) + 1);
    Instruction step;
    step.op = index == kFnMin ? kMin : kMax;
    step.count = n;
    code_.push_back(step);
    slots_.back() = Slot{};
    return true;
  }
  if (index == kFnIif) {
    if (n != 3) return false;
    slots_.resize(slots_.size() - 2);
    Instruction step;
    step.op = kIif;
    code_.push_back(step);
    slots_.back() = Slot{};
    return true;
  }
  if (index == kFnConj) return n == 1;  // a Real is its own conjugate

  const std::uint8_t op = StepOfFunction(index);
  if (op == kPush || n != 1) return false;
  return EmitUnary(op);
}

bool NumericProgram::Bind(VariableTable& variables) {
  for (Binding& b : bindings_) {
    b.entry = variables.Find(b.name);
    if (b.entry == nullptr) return false;
  }
  for (Instruction& step : code_) {
    for (Source* source : {&step.a, &step.b}) {
      if (source->binding >= 0) {
        source->at = &bindings_[static_cast<std::size_t>(source->binding)].entry->value.num.real;
      }
    }
  }
  return true;
}

}  // namespace vr
