// root, integral, maximum, minimum and eval: functions whose argument is an
// expression given as text, evaluated in an engine of their own so that the
// caller's variables (its x above all) are left as they were.

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "engine/expression_engine.h"
#include "engine/interruption.h"
#include "engine/value_stack.h"
#include "operations/builtins/builtin_support.h"
#include "operations/operands.h"

namespace vr {

namespace {

// Texts can evaluate texts (eval('eval(s)'), a root inside an integral), and
// a variable can hold a text that evaluates itself. Nesting is capped so
// that such a line fails instead of exhausting the native stack.
constexpr int kMaxNesting = 32;

// Evaluations of f shared by one outermost procedure and everything nested
// in it. One procedure alone stays far below it; nested ones multiply their
// work, and once it is spent every procedure stops iterating, so a line
// like integral('integral(...)') ends in bounded time.
constexpr long kEvaluationBudget = 4'000'000;

// The integral doubles its sub-intervals until two sums agree. Past 2^16
// sub-intervals rounding noise outweighs the rule's error, so sums that
// have not agreed by then never will; the last sum is the answer.
constexpr int kMaxIntegralPasses = 16;

constexpr int kMaxSecantSteps = 100;
constexpr int kMaxGoldenSteps = 100;

thread_local int nestingDepth = 0;
thread_local long budgetLeft = 0;

class NestingScope {
 public:
  NestingScope() {
    if (nestingDepth++ == 0) budgetLeft = kEvaluationBudget;
  }
  ~NestingScope() { --nestingDepth; }
  NestingScope(const NestingScope&) = delete;
  NestingScope& operator=(const NestingScope&) = delete;
  bool TooDeep() const { return nestingDepth > kMaxNesting; }
};

bool BudgetSpent() { return budgetLeft <= 0; }

// f(x) for one text: prepared once, then evaluated at many points with x
// bound to a variable entry of the private engine.
class TextFunction {
 public:
  explicit TextFunction(const ExpressionEngine& caller)
      : engine_(std::make_unique<ExpressionEngine>(caller.Services())) {
    engine_->useNumericProgram = caller.useNumericProgram;
    engine_->Variables() = caller.Variables();
    x_ = &engine_->Variables().Set("x", Value::MakeReal(0.0));
  }

  ErrorCode Prepare(std::string_view text) { return engine_->PrepareLine(text); }

  // The number of f(p). On an error y is the number of the last good
  // result (0 before any), which maximum and minimum use as it is.
  ErrorCode At(double p, double& y) {
    // Every procedure evaluates f in its loop, so asking here stops them
    // all; y keeps the last good number for those that do not look at
    // the code.
    if (const ErrorCode stop = CheckInterrupt(); stop != kOk) {
      y = RealNumber(result_);
      return stop;
    }
    --budgetLeft;
    x_->value.kind = ValueKind::Real;
    x_->value.num.real = p;
    const ErrorCode e = engine_->EvaluatePostfix(result_);
    y = RealNumber(result_);
    return e;
  }

 private:
  std::unique_ptr<ExpressionEngine> engine_;
  VariableEntry* x_;
  Value result_;
};

struct ProcedureInput {
  std::string text;
  double a = 0.0;
  double b = 0.0;
  double eps = 0.0;
};

// f (text); a; b [; eps]. Parameters after the fourth are discarded.
ErrorCode PopProcedureInput(const OperationCall& call, ProcedureInput& in) {
  Value params[4];
  if (ErrorCode e = PopParameters(call, params)) return e;
  const int given = std::min(call.argCount, 4);
  for (int i = 0; i < given; ++i) {
    if (ErrorCode e = ResolveOperand(call, params[i])) return e;
  }
  if (ErrorCode e = TextParameter(std::move(params[0]), in.text)) return e;
  in.a = RealNumber(params[1]);
  in.b = RealNumber(params[2]);
  in.eps = given == 4 ? RealNumber(params[3]) : 0.0;
  return kOk;
}

// Secant method from the ends of [a, b]; the iterates may leave the
// interval. A flat secant (f(x1) = f(x0)) cannot go on and is reported like
// a failure to converge.
ErrorCode SecantRoot(TextFunction& f, const ProcedureInput& in, double& root) {
  const double eps = in.eps * 0.1;
  double x1 = std::max(in.a, in.b);
  double x0 = std::min(in.a, in.b);
  if (std::fabs(x1) == std::fabs(x0)) x1 += 0.1;
  double f0 = 0.0;
  if (ErrorCode e = f.At(x0, f0)) return e;
  for (int k = 0;; ++k) {
    if (std::fabs(x0 - x1) <= eps) break;
    if (k >= kMaxSecantSteps || BudgetSpent()) return kRootNotFound;
    double f1 = 0.0;
    if (ErrorCode e = f.At(x1, f1)) return e;
    if (f1 == f0) return kRootNotFound;
    const double x2 = x1 - (x1 - x0) * f1 / (f1 - f0);
    x0 = x1;
    x1 = x2;
    f0 = f1;
  }
  root = (x0 + x1) / 2;
  return kOk;
}

// Composite three-point Gauss-Legendre rule, doubling the sub-intervals
// until two successive sums agree within the tolerance.
ErrorCode GaussIntegral(TextFunction& f, const ProcedureInput& in, double& integral) {
  const double tol = in.eps * 0.1 * 60;
  double a = in.a;
  double b = in.b;
  if (b < a) std::swap(a, b);
  const double spread = std::sqrt(0.6);
  double previous = 0.0;
  double sum = 0.0;
  long n = 1;
  for (int pass = 1; pass <= kMaxIntegralPasses; ++pass) {
    n *= 2;
    const double h = (b - a) / static_cast<double>(n);
    sum = 0.0;
    double x = a;
    for (long i = 1; i <= n; ++i) {
      const double next = x + h;
      const double m = (x + next) / 2;
      const double r = (next - x) / 2;
      const double d = r * spread;
      const double outer = r * 5 / 9;
      const double inner = r * 8 / 9;
      double left = 0.0;
      double middle = 0.0;
      double right = 0.0;
      if (ErrorCode e = f.At(m - d, left)) return e;
      if (ErrorCode e = f.At(m, middle)) return e;
      if (ErrorCode e = f.At(m + d, right)) return e;
      sum = sum + outer * left + inner * middle + outer * right;
      x = next;
    }
    if (!(std::fabs(sum - previous) > tol) || BudgetSpent()) break;
    previous = sum;
  }
  integral = sum;
  return kOk;
}

// Golden-section search for the abscissa of the extremum. Errors of f are
// not examined: its last number is compared as it stands.
double GoldenSection(TextFunction& f, const ProcedureInput& in, bool maximum) {
  const double eps = in.eps * 0.1;
  const double r = (std::sqrt(5.0) - 1) / 2;
  double a = in.a;
  double b = in.b;
  if (b < a) std::swap(a, b);
  double x1 = a + (1 - r) * (b - a);
  double f1 = 0.0;
  f.At(x1, f1);
  double x2 = a + r * (b - a);
  double f2 = 0.0;
  f.At(x2, f2);
  for (int k = 0; std::fabs(x2 - x1) > eps && k < kMaxGoldenSteps && !BudgetSpent(); ++k) {
    const bool keepLeft = maximum ? f1 > f2 : f1 < f2;
    if (keepLeft) {
      b = x2;
      x2 = x1;
      f2 = f1;
      x1 = a + (1 - r) * (b - a);
      f.At(x1, f1);
    } else {
      a = x1;
      x1 = x2;
      f1 = f2;
      x2 = a + r * (b - a);
      f.At(x2, f2);
    }
  }
  return (x1 + x2) / 2;
}

enum Procedure : int { kRoot, kIntegral, kMaximum, kMinimum };

// extra: the procedure.
ErrorCode ExpressionProcedure(const OperationCall& call) {
  ProcedureInput in;
  if (ErrorCode e = PopProcedureInput(call, in)) return e;
  NestingScope scope;
  if (scope.TooDeep()) return kStackOverflow;
  TextFunction f(call.engine);
  if (ErrorCode e = f.Prepare(in.text)) return e;
  double result = 0.0;
  switch (call.extra) {
    case kRoot:
      if (ErrorCode e = SecantRoot(f, in, result)) return e;
      break;
    case kIntegral:
      if (ErrorCode e = GaussIntegral(f, in, result)) return e;
      break;
    default:
      result = GoldenSection(f, in, call.extra == kMaximum);
      // The search does not look at f's errors, but a stopped line must
      // not show the point it had reached as its answer.
      if (ErrorCode e = CheckInterrupt()) return e;
      break;
  }
  return PushReal(call, result);
}

// eval(s): the text as a line of its own. Assignments made inside it stay
// in the private engine.
ErrorCode Eval(const OperationCall& call) {
  Value text;
  if (ErrorCode e = PopParameters(call, std::span<Value>(&text, 1))) return e;
  if (ErrorCode e = ResolveOperand(call, text)) return e;
  std::string line;
  if (ErrorCode e = TextParameter(std::move(text), line)) return e;
  NestingScope scope;
  if (scope.TooDeep()) return kStackOverflow;
  auto engine = std::make_unique<ExpressionEngine>(call.engine.Services());
  engine->useNumericProgram = call.engine.useNumericProgram;
  engine->Variables() = call.engine.Variables();
  Value result;
  const ErrorCode e = engine->EvaluateLine(line, result);
  const ErrorCode pushed = PushResult(call, result);
  return e != kOk ? e : pushed;
}

// A short stack is found before a short count: root('x';1) alone on its
// line is kStackEmpty, 1+root('x';1) kNotEnoughParameters.
constexpr BuiltinFunction kRows[] = {
    {.name = "root", .index = 17, .run = ExpressionProcedure, .variant = kRoot,
     .minParameters = 3, .stackBeforeCount = true},
    {.name = "integral", .index = 18, .run = ExpressionProcedure, .variant = kIntegral,
     .minParameters = 3, .stackBeforeCount = true},
    {.name = "eval", .index = 40, .run = Eval, .stackBeforeCount = true, .listPosition = 35,
     .english = "evaluate expresion", .russian = "вычисляет выражение заданное строкой"},
    {.name = "maximum", .index = 51, .run = ExpressionProcedure, .variant = kMaximum,
     .minParameters = 3, .stackBeforeCount = true},
    {.name = "minimum", .index = 52, .run = ExpressionProcedure, .variant = kMinimum,
     .minParameters = 3, .stackBeforeCount = true},
};

}  // namespace

std::span<const BuiltinFunction> ExpressionProcedures() { return kRows; }

}  // namespace vr
