#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/operation.h"
#include "engine/real_rules.h"
#include "engine/token.h"
#include "engine/variable_table.h"
#include "values/error_code.h"

namespace vr {

// A Value a numeric program can stand for: a Real with no name.
// (Operations keep the name of their left operand, and the result must come
// out the same.)
inline bool IsPlainReal(const Value& v) { return v.kind == ValueKind::Real && v.name.empty(); }

// A postfix list compiled, where it can be, into a flat program over
// doubles, for lines that are evaluated many times (graphs, root, integral).
// It covers lines whose operands are Real literals, named constants with a
// Real value and variables, whose operators have a Real rule in
// engine/real_rules.h and whose built-in functions' rows give a way on
// Reals; the operations use the same rules, so a run of the program gives
// the number the general evaluator would give.
//
// A run answers when the general evaluator would give a Real, or one of the
// errors that name nothing (division by zero, overflow...), at the same
// step. As soon as a variable does not hold a Real, or a step meets a result
// of another kind or an error that names something, it gives up, having
// changed nothing, and the general evaluator answers instead.
class NumericProgram {
 public:
  NumericProgram() = default;
  NumericProgram(const NumericProgram&) = delete;
  NumericProgram& operator=(const NumericProgram&) = delete;

  // Drops the program; the next run compiles the postfix list it is given.
  void Forget() {
    state_ = State::Unknown;
    readyFor_ = nullptr;
  }

  // kOk with the line's result written into `result` and `lastResult` as
  // the general evaluator writes them, the error the general evaluator
  // would return (neither is then touched), or kNotReal when the general
  // evaluator must answer. Only operators that the table marks as
  // following their Real rule, and built-ins whose rows give a RealForm,
  // are compiled; the variables are those the line reads.
  ErrorCode Run(const std::vector<Token>& postfix, const OperationTable* table,
                VariableTable& variables, Value& result, Value& lastResult) {
    if (!IsReadyFor(variables)) [[unlikely]] {
      if (!Prepare(postfix, table, variables)) return kNotReal;
    }
    return RunReady(result, lastResult);
  }

  // Whether the program is bound to these variables as they stand, so
  // that RunReady may answer for them.
  bool IsReadyFor(const VariableTable& variables) const {
    return readyFor_ == &variables && readyGeneration_ == variables.Generation();
  }
  // Run's answer for a ready program. Small enough to be inlined where
  // lines are evaluated again and again: a one-step line over at most one
  // variable (x*x, sin(x), 6.2+x) then costs no more than the step and its
  // checks, and a longer one goes straight to the interpreter.
  ErrorCode RunReady(Value& result, Value& lastResult) const {
    if (singleReads_ != nullptr) {
      if (!IsPlainReal(*singleReads_)) [[unlikely]] return kNotReal;
      return FinishSingleStep(result, lastResult);
    }
    if (single_ != nullptr) return RunSingleStep(result, lastResult);
    return Execute(result, lastResult);
  }

  // What one step gives; the number and the code come back in registers.
  struct StepResult {
    double number;
    ErrorCode code;
  };

 private:
  enum class State : std::uint8_t { Unknown, Compiled, Refused };

  // Where a step reads an operand: its own constant or a bound variable's
  // number (`binding` says which variable, -1 for the constant).
  struct Source {
    const double* at = nullptr;
    double constant = 0.0;
    std::int16_t binding = -1;
  };

  // One step. Steps that read their operands where they lie use `a` (the
  // only or left operand) and `b` (the right one).
  struct Instruction {
    std::uint8_t op = 0;
    std::int32_t count = 0;  // parameters of min and max
    Source a;
    Source b;
  };

  struct Binding {
    std::string name;
    VariableEntry* entry = nullptr;
  };

  // What the compiler knows of one Value on the general evaluator's stack.
  // The program's stack holds the same Values, except those that a step
  // reads where they lie instead of having them pushed.
  struct Slot {
    bool pushed = false;       // made by the last or (below it) the one-but-last step, a Push
    bool constant = false;     // that Push reads a constant
    bool rawVariable = false;  // a variable reference no operation has resolved yet
  };

  bool Compile(const std::vector<Token>& postfix, const OperationTable* table);
  bool CompileToken(const Token& t);
  bool PushOperand(double constant, int binding);
  // `angle`: the step reads the angle unit.
  bool EmitUnary(std::uint8_t op, bool angle);
  bool EmitBinary(std::uint8_t op);
  bool EmitFunction(const Token& t);
  // Whether the general evaluator's stack has room for `extra` more Values.
  bool HasRoom(int extra) const;
  int BindingFor(const std::string& name);
  bool Bind(VariableTable& variables);
  // Compiles if need be and binds to the variables; false when the program
  // cannot answer with these variables.
  bool Prepare(const std::vector<Token>& postfix, const OperationTable* table,
               VariableTable& variables);
  // Runs the compiled, bound program.
  ErrorCode Execute(Value& result, Value& lastResult) const;
  // Most lines that graphs draw come down to one step (x*x, sin(x), 6.2+x
  // once the constants are worked out). They skip the interpreter's loop,
  // stack and dispatch, whose fixed cost would be most of their time; the
  // checks and the stores are Execute's.
  using SingleStep = StepResult (*)(const double* a, const double* b, bool radian);
  ErrorCode RunSingleStep(Value& result, Value& lastResult) const {
    for (const Value* v : boundValues_) {
      if (!IsPlainReal(*v)) [[unlikely]] return kNotReal;
    }
    return FinishSingleStep(result, lastResult);
  }
  // The step itself, once its variables are known to hold plain Reals.
  ErrorCode FinishSingleStep(Value& result, Value& lastResult) const {
    StepResult r{0.0, kOk};
    // A variable shifted by a constant (every x+c once the constants are
    // worked out) is the commonest one-step line; it spares the call.
    if (singleAdds_) {
      r.code = RealAdd(*singleA_, *singleB_, r.number);
    } else {
      r = single_(singleA_, singleB_, readsAngleUnit_ && RadianMode());
    }
    if (r.code != kOk) [[unlikely]] return Unnamed(r.code);
    if (std::isnan(r.number)) [[unlikely]] return kNotReal;
    StoreReal(result, r.number);
    StoreReal(lastResult, r.number);
    return kOk;
  }
  static void StoreReal(Value& target, double number) {
    target.kind = ValueKind::Real;
    if (!target.name.empty()) [[unlikely]] target.name.clear();
    target.num.real = number;
  }
  // Errors that the general evaluator returns with no name attached; the
  // program may return them itself, since it meets them at the same step.
  static ErrorCode Unnamed(ErrorCode e) {
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

  State state_ = State::Unknown;
  std::vector<Instruction> code_;
  std::vector<Binding> bindings_;
  std::vector<Slot> slots_;
  // The bound variables' Values, which must hold plain Reals at each run.
  std::vector<const Value*> boundValues_;
  SingleStep single_ = nullptr;  // set when the program is one step
  // For a bound one-step program with at most one variable: that
  // variable's Value, or a plain Real that always passes when it reads
  // none; null for other programs, which take Run's way.
  const Value* singleReads_ = nullptr;
  static const Value kAnyPlainReal;
  // Where the one step reads its operands (the step's own a.at and b.at),
  // kept here to spare a load on every run.
  const double* singleA_ = nullptr;
  const double* singleB_ = nullptr;
  bool singleAdds_ = false;  // the one step is an addition
  bool readsAngleUnit_ = false;  // has trigonometric steps
  const OperationTable* table_ = nullptr;
  // The variable table the program is bound to, and its generation then;
  // another table, or entries added or removed since, send the next run
  // through Prepare.
  const VariableTable* readyFor_ = nullptr;
  std::uint64_t readyGeneration_ = 0;
};

}  // namespace vr
