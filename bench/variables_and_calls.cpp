// How the cost of variables and user-function calls grows. Every figure
// should grow linearly with the work: defining n variables and using the
// last, saving n variables, n calls of a one-line function from a script
// loop (with and without many variables defined), a recursive function, and
// a recursion stopped by the statement allowance.
// Times are CPU times; the machine may be shared, so repeat and compare
// medians (--benchmark_repetitions=5).
#include <benchmark/benchmark.h>

#include <string>

#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"
#include "scripts/script_file.h"
#include "scripts/script_function_runner.h"
#include "scripts/script_statement_list.h"
#include "settings/options_file.h"

namespace {

constexpr const char* kScript = R"(
func one(v)
v+1
endfunc
func loop(n)
i = 0
again: i = i + 1
r = one(i)
if i < n
goto again
endif
r
endfunc
func fib(n)
if n < 2
return n
endif
return fib(n-1)+fib(n-2)
endfunc
)";

// An engine wired to the operations and to the functions above.
struct Calculator {
  Calculator() : engine(vr::EngineServices{&vr::StandardOperations(), &runner}) {
    if (vr::ScriptStatements().FindUserFunction("loop") < 0) {
      vr::AppendScriptText(kScript, vr::ScriptStatements());
    }
  }
  vr::ErrorCode Line(const std::string& text) {
    vr::Value result;
    return engine.EvaluateLine(text, result);
  }
  void Define(int count) {
    for (int i = 1; i <= count; ++i) Line("x" + std::to_string(i) + "=" + std::to_string(i));
  }
  vr::ScriptFunctionRunner runner;
  vr::ExpressionEngine engine;
};

// x1 = 1 ... xn = n typed as lines, then a line that uses xn.
void DefineAndUse(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Calculator calc;
    calc.Define(n);
    if (calc.Line("x" + std::to_string(n) + "*2") != vr::kOk) state.SkipWithError("failed");
  }
  state.counters["per_variable"] =
      benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate |
                                                     benchmark::Counter::kInvert);
}
BENCHMARK(DefineAndUse)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(30000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// The text of the options file with n variables.
void SaveVariables(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Calculator calc;
  calc.Define(n);
  for (auto _ : state) {
    std::string text = vr::BuildOptionsText(vr::Options(), calc.engine.Variables(), "");
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(SaveVariables)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// loop(10000): a script loop calling one(i) 10,000 times, with
// state.range(0) variables defined by the caller.
void CallLoop(benchmark::State& state) {
  Calculator calc;
  calc.Define(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (calc.Line("loop(10000)") != vr::kOk) state.SkipWithError("failed");
  }
  state.counters["per_call"] = benchmark::Counter(
      10000, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(CallLoop)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

// One call from a line, as the window makes it.
void CallFromLine(benchmark::State& state) {
  Calculator calc;
  calc.Define(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (calc.Line("one(1)") != vr::kOk) state.SkipWithError("failed");
  }
}
BENCHMARK(CallFromLine)->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);

// fib(20): 21,891 nested calls, at most 20 deep.
void Recursion(benchmark::State& state) {
  Calculator calc;
  for (auto _ : state) {
    if (calc.Line("fib(20)") != vr::kOk) state.SkipWithError("failed");
  }
}
BENCHMARK(Recursion)->Unit(benchmark::kMillisecond);

// fib(27) needs about 1.9 million statements, past the allowance of one
// line: how long the line runs before it is stopped with its message.
void StatementAllowance(benchmark::State& state) {
  Calculator calc;
  for (auto _ : state) {
    if (calc.Line("fib(27)") != vr::kEndFuncNotFound) state.SkipWithError("not stopped");
  }
}
BENCHMARK(StatementAllowance)->Unit(benchmark::kMillisecond);

}  // namespace
