// Races the calculator's engine against muparser on the same expressions,
// in the same run, and prints each figure as a ratio to muparser's (below
// 1.0 means we are faster). Two ways of evaluating:
//   fresh:  a whole line each time (prepare, lex, check, order, evaluate);
//   reeval: one prepared expression evaluated again with x changed, as the
//           graphs and the numeric procedures do.
//
// To be fair on a shared machine the race measures the thread's CPU time,
// not the clock; it runs the two engines in alternate blocks (each round
// the other one goes first) over the same fixed set of x values, and takes
// the median of the rounds. After every block the two engines' results for
// the whole set are compared, and a mismatch ends the program with an
// error, so a figure is never that of a wrong answer.
#include "engine_vs_muparser.h"

#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "engine/expression_engine.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"

namespace vr::bench {

namespace {

struct Case {
  const char* name;
  const char* ours;    // our syntax: "**" is power, "^" is XOR
  const char* theirs;  // muparser's syntax
  double a;            // the value of a, for the lines that read it
  double b;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"arith", "1+2*3-4/5+x", "1+2*3-4/5+x", 0, 0},
      {"poly", "x*x*x+2*x*x-3*x+1", "x*x*x+2*x*x-3*x+1", 0, 0},
      {"power", "(x+1)**3-x**2", "(x+1)^3-x^2", 0, 0},
      {"parens", "((x+1)*(x-1))/((x+2)*(x-2)+10)", "((x+1)*(x-1))/((x+2)*(x-2)+10)", 0, 0},
      {"trig", "sin(x)+cos(x)*tan(x/3)", "sin(x)+cos(x)*tan(x/3)", 0, 0},
      {"sqrt_exp", "sqrt(x+1)*exp(x/10)", "sqrt(x+1)*exp(x/10)", 0, 0},
      {"log", "ln(x+2)+log(x+3)", "ln(x+2)+log10(x+3)", 0, 0},
      // The line parsers are commonly raced on; here a is the sample.
      {"reference", "(a**2/sin(2*pi/b))-a/2", "(a^2/sin(2*_pi/b))-a/2", 0, 4.5},
  };
  return cases;
}

// The x values of one block: fixed, so that every round does the same work
// and no function strays into a range where it is slower or fails.
constexpr int kSamples = 1000;
double SampleX(int i) { return 0.1 + 2.0 * i / kSamples; }

// The same values worked out once, so that the races do not time a
// division per sample (which costs about as much as a one-step line).
const std::vector<double>& Samples() {
  static const std::vector<double> samples = [] {
    std::vector<double> xs(kSamples);
    for (int i = 0; i < kSamples; ++i) xs[static_cast<std::size_t>(i)] = SampleX(i);
    return xs;
  }();
  return samples;
}

double ThreadCpuNs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e9 + static_cast<double>(t.tv_nsec);
}

// One engine ready to evaluate a case at the sample x values, filling
// `results`; Block gives the CPU time of `passes` passes over the set.
class Racer {
 public:
  virtual ~Racer() = default;
  virtual bool Pass() = 0;
  double Block(int passes) {
    const double t0 = ThreadCpuNs();
    for (int p = 0; p < passes; ++p) ok_ = Pass() && ok_;
    return ThreadCpuNs() - t0;
  }
  bool ok() const { return ok_; }
  std::vector<double> results = std::vector<double>(kSamples);

 private:
  bool ok_ = true;
};

class Ours : public Racer {
 public:
  Ours(const Case& c, bool fresh)
      : engine_({&StandardOperations(), nullptr}), line_(c.ours), fresh_(fresh) {
    const bool usesA = c.b != 0;
    x_ = &engine_.Variables().Set(usesA ? "a" : "x", Value::MakeReal(0.0)).value;
    if (usesA) engine_.Variables().Set("b", Value::MakeReal(c.b));
    if (!fresh_) prepared_ = engine_.PrepareLine(line_) == kOk;
  }
  bool Pass() override {
    if (!fresh_ && !prepared_) return false;
    bool ok = true;
    const std::vector<double>& xs = Samples();
    for (int i = 0; i < kSamples; ++i) {
      x_->num.real = xs[static_cast<std::size_t>(i)];
      const ErrorCode code =
          fresh_ ? engine_.EvaluateLine(line_, result_) : engine_.EvaluatePostfix(result_);
      ok = ok && code == kOk && result_.kind == ValueKind::Real;
      results[static_cast<std::size_t>(i)] = result_.num.real;
    }
    return ok;
  }

 private:
  ExpressionEngine engine_;
  std::string line_;
  bool fresh_;
  bool prepared_ = false;
  Value* x_;
  Value result_;
};

class Theirs : public Racer {
 public:
  Theirs(const Case& c, bool fresh) : line_(c.theirs), fresh_(fresh), b_(c.b) {
    const bool usesA = c.b != 0;
    parser_.DefineVar(usesA ? "a" : "x", &x_);
    if (usesA) parser_.DefineVar("b", &b_);
    parser_.SetExpr(line_);
  }
  bool Pass() override {
    try {
      const std::vector<double>& xs = Samples();
      for (int i = 0; i < kSamples; ++i) {
        x_ = xs[static_cast<std::size_t>(i)];
        // SetExpr drops the compiled form, so the next Eval parses anew.
        if (fresh_) parser_.SetExpr(line_);
        results[static_cast<std::size_t>(i)] = parser_.Eval();
      }
      return true;
    } catch (const mu::Parser::exception_type& e) {
      std::fprintf(stderr, "muparser: %s\n", e.GetMsg().c_str());
      return false;
    }
  }

 private:
  mu::Parser parser_;
  std::string line_;
  bool fresh_;
  double x_ = 0.0;
  double b_;
};

// Our powers go through the logarithm and muparser's do not, so the last
// digits may differ; anything more is a wrong answer.
bool SameResult(double ours, double theirs) {
  if (std::isnan(ours) || std::isnan(theirs)) return false;
  return std::fabs(ours - theirs) <= 1e-12 * std::max({1.0, std::fabs(ours), std::fabs(theirs)});
}

struct Figure {
  double ratio = 0.0;
  double oursNs = 0.0;
  double theirsNs = 0.0;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

bool RaceCase(const Case& c, bool fresh, int rounds, Figure& figure) {
  Ours ours(c, fresh);
  Theirs theirs(c, fresh);
  // Blocks of about 2 ms, so that the clock's granularity does not count.
  int passes = 1;
  while (ours.Block(passes) < 2e6 && passes < (1 << 16)) passes *= 2;
  std::vector<double> ratios, oursNs, theirsNs;
  for (int r = 0; r < rounds; ++r) {
    double tOurs, tTheirs;
    if (r % 2 == 0) {
      tOurs = ours.Block(passes);
      tTheirs = theirs.Block(passes);
    } else {
      tTheirs = theirs.Block(passes);
      tOurs = ours.Block(passes);
    }
    if (!ours.ok() || !theirs.ok()) {
      std::fprintf(stderr, "%s (%s): %s fails to evaluate\n", c.name, fresh ? "fresh" : "reeval",
                   ours.ok() ? "muparser" : "our engine");
      return false;
    }
    for (int i = 0; i < kSamples; ++i) {
      const double a = ours.results[static_cast<std::size_t>(i)];
      const double b = theirs.results[static_cast<std::size_t>(i)];
      if (!SameResult(a, b)) {
        std::fprintf(stderr, "%s (%s): results differ at x=%.17g: ours %.17g, muparser %.17g\n",
                     c.name, fresh ? "fresh" : "reeval", SampleX(i), a, b);
        return false;
      }
    }
    const double evaluations = static_cast<double>(passes) * kSamples;
    oursNs.push_back(tOurs / evaluations);
    theirsNs.push_back(tTheirs / evaluations);
    ratios.push_back(tOurs / tTheirs);
  }
  figure = {Median(ratios), Median(oursNs), Median(theirsNs)};
  return true;
}

}  // namespace

bool RaceEngines(int rounds, const char* only) {
  Options().radian = 1;
  Options().RebuildNumberFormat();
  std::printf("CPU time per evaluation, median of %d interleaved rounds over %d fixed x values\n",
              rounds, kSamples);
  std::printf("%-10s %7s %9s %9s   %7s %9s %9s\n", "case", "fresh", "ours ns", "mu ns", "reeval",
              "ours ns", "mu ns");
  bool ok = true;
  for (const Case& c : Cases()) {
    if (only != nullptr && std::string(only) != c.name) continue;
    Figure fresh, reeval;
    if (!RaceCase(c, true, rounds, fresh) || !RaceCase(c, false, rounds, reeval)) {
      ok = false;
      continue;
    }
    std::printf("%-10s %7.2f %9.1f %9.1f   %7.2f %9.1f %9.1f\n", c.name, fresh.ratio,
                fresh.oursNs, fresh.theirsNs, reeval.ratio, reeval.oursNs, reeval.theirsNs);
    std::fflush(stdout);
  }
  return ok;
}

}  // namespace vr::bench
