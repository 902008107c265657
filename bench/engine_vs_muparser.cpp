// Races the calculator's engine against muparser on the same expressions in
// the same run, and prints each figure as a ratio to muparser's (below 1.0
// means we are faster). Two ways of evaluating:
//   fresh:  a whole line each time (prepare, lex, check, order, evaluate);
//   reeval: one prepared expression evaluated again with x changed, as the
//           graphs and the numeric procedures do.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "settings/options_record.h"

namespace {

struct Case {
  const char* name;
  const char* ours;     // our syntax: "**" is power, "^" is XOR
  const char* theirs;   // muparser's syntax
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"arith", "1+2*3-4/5+x", "1+2*3-4/5+x"},
      {"poly", "x*x*x+2*x*x-3*x+1", "x*x*x+2*x*x-3*x+1"},
      {"power", "(x+1)**3-x**2", "(x+1)^3-x^2"},
      {"parens", "((x+1)*(x-1))/((x+2)*(x-2)+10)", "((x+1)*(x-1))/((x+2)*(x-2)+10)"},
      {"trig", "sin(x)+cos(x)*tan(x/3)", "sin(x)+cos(x)*tan(x/3)"},
      {"sqrt_exp", "sqrt(x+1)*exp(x/10)", "sqrt(x+1)*exp(x/10)"},
      {"log", "ln(x+2)+log(x+3)", "ln(x+2)+log10(x+3)"},
  };
  return cases;
}

vr::EngineServices Services() { return {&vr::StandardOperations(), nullptr}; }

void OursFresh(benchmark::State& state, const Case& c) {
  vr::ExpressionEngine engine(Services());
  engine.Variables().Set("x", vr::Value::MakeReal(0.5));
  vr::Value result;
  for (auto _ : state) {
    vr::ErrorCode code = engine.EvaluateLine(c.ours, result);
    benchmark::DoNotOptimize(code);
    benchmark::DoNotOptimize(result.num.real);
  }
}

void TheirsFresh(benchmark::State& state, const Case& c) {
  double x = 0.5;
  mu::Parser parser;
  parser.DefineVar("x", &x);
  for (auto _ : state) {
    // SetExpr drops the compiled form, so every Eval parses the line anew.
    parser.SetExpr(c.theirs);
    double r = parser.Eval();
    benchmark::DoNotOptimize(r);
  }
}

void OursReeval(benchmark::State& state, const Case& c) {
  vr::ExpressionEngine engine(Services());
  vr::VariableEntry& x = engine.Variables().Set("x", vr::Value::MakeReal(0.0));
  if (engine.PrepareLine(c.ours) != vr::kOk) {
    state.SkipWithError("line does not prepare");
    return;
  }
  vr::Value result;
  double v = 0.0;
  for (auto _ : state) {
    x.value.num.real = v;
    v += 0.001;
    vr::ErrorCode code = engine.EvaluatePostfix(result);
    benchmark::DoNotOptimize(code);
    benchmark::DoNotOptimize(result.num.real);
  }
}

void TheirsReeval(benchmark::State& state, const Case& c) {
  double x = 0.0;
  mu::Parser parser;
  parser.DefineVar("x", &x);
  parser.SetExpr(c.theirs);
  parser.Eval();
  for (auto _ : state) {
    x += 0.001;
    double r = parser.Eval();
    benchmark::DoNotOptimize(r);
  }
}

// Keeps every run's time so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (!run.error_occurred) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios() const {
    std::printf("\n%-10s %14s %14s\n", "case", "fresh ratio", "reeval ratio");
    for (const Case& c : Cases()) {
      std::printf("%-10s %14s %14s\n", c.name, Ratio("fresh", c.name).c_str(),
                  Ratio("reeval", c.name).c_str());
    }
  }

 private:
  std::string Ratio(const std::string& way, const std::string& name) const {
    auto ours = times_.find("ours/" + way + "/" + name);
    auto theirs = times_.find("muparser/" + way + "/" + name);
    if (ours == times_.end() || theirs == times_.end() || theirs->second <= 0) return "n/a";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", ours->second / theirs->second);
    return text;
  }
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  vr::Options().radian = 1;
  vr::Options().RebuildNumberFormat();
  for (const Case& c : Cases()) {
    std::string n = c.name;
    benchmark::RegisterBenchmark(("ours/fresh/" + n).c_str(), OursFresh, c);
    benchmark::RegisterBenchmark(("muparser/fresh/" + n).c_str(), TheirsFresh, c);
    benchmark::RegisterBenchmark(("ours/reeval/" + n).c_str(), OursReeval, c);
    benchmark::RegisterBenchmark(("muparser/reeval/" + n).c_str(), TheirsReeval, c);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
