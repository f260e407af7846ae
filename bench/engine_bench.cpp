// The engine against muparser (double) and against the same formulas written natively in
// x87 long double (inline code, the engine's own elementary functions), over a 1000 x 1000
// grid of [-4, 4]^2: the evaluator, the native code, and the row evaluation. Then the
// elementary functions, compile times and the root finder. Last, the fixed cost of a call
// and the formula set of engine_formulas.h against muparser, with a summary of the ratios.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine_formulas.h"
#include "matutil.h"
#include "parsor.h"
#include "x87math.h"

#ifdef QUADREL_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

namespace x87 = quadrel::expr::x87;

constexpr int kGrid = 1000;
constexpr double kLow = -4, kHigh = 4;

// The classroom formulas, first in the set.
constexpr auto kFormulas = [] {
  std::array<const char*, bench::kClassroomFormulas> list{};
  for (int i = 0; i < bench::kClassroomFormulas; ++i) list[i] = bench::kFormulaSet[i].engine;
  return list;
}();

template <class Evaluate>
void sweepGrid(benchmark::State& state, Evaluate evaluate) {
  const double step = (kHigh - kLow) / (kGrid - 1);
  for (auto _ : state) {
    for (int i = 0; i < kGrid; ++i) {
      const double x = kLow + i * step;
      for (int j = 0; j < kGrid; ++j) benchmark::DoNotOptimize(evaluate(x, kLow + j * step));
    }
  }
  state.counters["ns_per_eval"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kGrid * kGrid,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Quadrel(benchmark::State& state, bool native) {
  TExpress e;
  e.Native = native;
  e.setExpression(kFormulas[state.range(0)]);
  state.SetLabel(kFormulas[state.range(0)]);
  sweepGrid(state, [&](double x, double y) { return e.Evaluate(x, y, 0); });
}
void QuadrelEvaluator(benchmark::State& state) {
  Quadrel(state, false);
}
void QuadrelNative(benchmark::State& state) {
  Quadrel(state, true);
}

// The same grid a row of x at a time.
void QuadrelRow(benchmark::State& state) {
  TExpress e;
  e.setExpression(kFormulas[state.range(0)]);
  state.SetLabel(kFormulas[state.range(0)]);
  const double step = (kHigh - kLow) / (kGrid - 1);
  std::vector<extended> xs(kGrid), values(kGrid);
  std::vector<char> errors(kGrid);
  for (int j = 0; j < kGrid; ++j) xs[j] = kLow + j * step;
  for (auto _ : state) {
    for (int i = 0; i < kGrid; ++i) {
      e.EvaluateRow(xs.data(), kGrid, kLow + i * step, 0, values.data(),
                    reinterpret_cast<bool*>(errors.data()));
      benchmark::DoNotOptimize(values.data());
    }
  }
  state.counters["ns_per_eval"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kGrid * kGrid,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Each formula as inline x87 code.
template <class F>
void nativeSweep(benchmark::State& state, F f) {
  state.SetLabel(kFormulas[state.range(0)]);
  sweepGrid(state, [&](double px, double py) {
    const long double x = px, y = py;
    return f(x, y);
  });
}
void Native(benchmark::State& state) {
  switch (state.range(0)) {
    case 0:
      return nativeSweep(state, [](long double x, long double y) { return x * x + y * y; });
    case 1:
      return nativeSweep(state, [](long double x, long double y) {
        return (x + 1) * (y - 2) / (x * x + y * y + 1);
      });
    case 2:
      return nativeSweep(state, [](long double x, long double y) {
        return x87::sin(x) * x87::cos(y) + x * x / 4;
      });
    case 3:
      return nativeSweep(
          state, [](long double x, long double y) { return x * y * x87::exp(-(x * x) - y * y); });
    case 4:
      return nativeSweep(state,
                         [](long double x, long double y) { return x87::sqrt(1 - x * x - y * y); });
    default:
      return nativeSweep(state, [](long double x, long double y) {
        return x87::arctan(y / x) + (x87::exp(x / 4) + x87::exp(-(x / 4))) / 2;
      });
  }
}

#ifdef QUADREL_HAVE_MUPARSER
void Muparser(benchmark::State& state) {
  mu::Parser p;
  double x = 0, y = 0;
  p.DefineVar("x", &x);
  p.DefineVar("y", &y);
  p.SetExpr(bench::kFormulaSet[state.range(0)].muparser);
  state.SetLabel(kFormulas[state.range(0)]);
  sweepGrid(state, [&](double px, double py) {
    x = px;
    y = py;
    return p.Eval();
  });
}
BENCHMARK(Muparser)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
#endif
BENCHMARK(QuadrelEvaluator)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(QuadrelNative)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(QuadrelRow)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(Native)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// The elementary functions alone: x87 instructions after exact reduction, against
// glibc at long double and at double.
template <class F>
void elementary(benchmark::State& state, F f, long double from, long double to) {
  std::vector<long double> xs(1024);
  for (std::size_t i = 0; i < xs.size(); ++i) xs[i] = from + (to - from) * i / xs.size();
  for (auto _ : state)
    for (long double x : xs) benchmark::DoNotOptimize(f(x));
  state.counters["ns_per_call"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * xs.size(),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(
    elementary, sin_x87, [](long double x) { return x87::sin(x); }, -10, 10);
BENCHMARK_CAPTURE(
    elementary, sin_sinl, [](long double x) { return sinl(x); }, -10, 10);
BENCHMARK_CAPTURE(
    elementary, sin_double, [](long double x) { return std::sin(double(x)); }, -10, 10);
BENCHMARK_CAPTURE(
    elementary, exp_x87, [](long double x) { return x87::exp(x); }, -10, 10);
BENCHMARK_CAPTURE(
    elementary, exp_expl, [](long double x) { return expl(x); }, -10, 10);
BENCHMARK_CAPTURE(
    elementary, exp_double, [](long double x) { return std::exp(double(x)); }, -10, 10);
BENCHMARK_CAPTURE(
    elementary, ln_x87, [](long double x) { return x87::ln(x); }, 0.01L, 10);
BENCHMARK_CAPTURE(
    elementary, ln_logl, [](long double x) { return logl(x); }, 0.01L, 10);
BENCHMARK_CAPTURE(
    elementary, atan_x87, [](long double x) { return x87::arctan(x); }, -10, 10);
BENCHMARK_CAPTURE(
    elementary, atan_atanl, [](long double x) { return atanl(x); }, -10, 10);

void Compile(benchmark::State& state, std::string text) {
  TExpress e;
  for (auto _ : state) {
    e.setExpression(text);
    benchmark::DoNotOptimize(e.CompileError());
  }
}
std::string sumOf31() {
  std::string s = "x";
  for (int i = 1; i < 31; ++i) s += "+x";
  return s;
}
std::string formula255() {
  std::string s = "sin(x)*cos(y)+x^2/4-arctan(y/(x+1))";
  while (s.size() < 255) s += "+cosh(x/4)*(y-2)/(x*x+y*y+1)-sqrt(abs(x*y))";
  return s.substr(0, 255);
}
std::string flatChain255() {
  std::string s = "x";
  while (s.size() + 2 <= 255) s += "-x";
  return s;
}
BENCHMARK_CAPTURE(Compile, sum_of_31_terms, sumOf31())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Compile, formula_255_chars, formula255())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Compile, flat_chain_255_chars, flatChain255())->Unit(benchmark::kMicrosecond);

void Chercheracines(benchmark::State& state) {
  racines r;
  for (auto _ : state) benchmark::DoNotOptimize(chercheracines("x^2+(0.5)^2-2", -4, 4, 0.1L, r));
  state.SetLabel("x^2+y^2-2, y = 0.5, [-4, 4], step 0.1");
}
BENCHMARK(Chercheracines)->Unit(benchmark::kMicrosecond);

// The formula set and the constant "3" on a smaller grid, warmed up first: native code
// comes after a few thousand points, muparser builds its bytecode at the first call.
constexpr int kSetGrid = 250;

template <class Evaluate>
void sweepSet(benchmark::State& state, Evaluate evaluate) {
  const double step = (kHigh - kLow) / (kSetGrid - 1);
  auto sweep = [&] {
    for (int i = 0; i < kSetGrid; ++i) {
      const double x = kLow + i * step;
      for (int j = 0; j < kSetGrid; ++j) benchmark::DoNotOptimize(evaluate(x, kLow + j * step));
    }
  };
  sweep();
  for (auto _ : state) sweep();
  state.counters["ns_per_eval"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kSetGrid * kSetGrid,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void SetPoint(benchmark::State& state, const char* text) {
  TExpress e;
  e.setExpression(text);
  if (e.CompileError()) state.SkipWithError("does not compile");
  sweepSet(state, [&](double x, double y) { return e.Evaluate(x, y, 0); });
}

void SetRow(benchmark::State& state, const char* text) {
  TExpress e;
  e.setExpression(text);
  if (e.CompileError()) state.SkipWithError("does not compile");
  const double step = (kHigh - kLow) / (kSetGrid - 1);
  std::vector<extended> xs(kSetGrid), values(kSetGrid);
  std::vector<char> errors(kSetGrid);
  for (int j = 0; j < kSetGrid; ++j) xs[j] = kLow + j * step;
  auto sweep = [&] {
    for (int i = 0; i < kSetGrid; ++i) {
      e.EvaluateRow(xs.data(), kSetGrid, kLow + i * step, 0, values.data(),
                    reinterpret_cast<bool*>(errors.data()));
      benchmark::DoNotOptimize(values.data());
    }
  };
  sweep();
  for (auto _ : state) sweep();
  state.counters["ns_per_eval"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kSetGrid * kSetGrid,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

#ifdef QUADREL_HAVE_MUPARSER
void SetMuparser(benchmark::State& state, const char* text) {
  mu::Parser p;
  double x = 0, y = 0;
  p.DefineVar("x", &x);
  p.DefineVar("y", &y);
  p.SetExpr(text);
  sweepSet(state, [&](double px, double py) {
    x = px;
    y = py;
    return p.Eval();
  });
}
#endif

void registerSet() {
  const auto unit = benchmark::kMicrosecond;
  benchmark::RegisterBenchmark("Constant/Quadrel", SetPoint, "3")->Unit(unit);
#ifdef QUADREL_HAVE_MUPARSER
  benchmark::RegisterBenchmark("Constant/Muparser", SetMuparser, "3")->Unit(unit);
#endif
  for (std::size_t i = 0; i < bench::kFormulaSet.size(); ++i) {
    const std::string n = "/" + std::to_string(i);
    const bench::FormulaPair& f = bench::kFormulaSet[i];
#ifdef QUADREL_HAVE_MUPARSER
    benchmark::RegisterBenchmark(("Set/Muparser" + n).c_str(), SetMuparser, f.muparser)->Unit(unit);
#endif
    benchmark::RegisterBenchmark(("Set/Point" + n).c_str(), SetPoint, f.engine)->Unit(unit);
    benchmark::RegisterBenchmark(("Set/Row" + n).c_str(), SetRow, f.engine)->Unit(unit);
  }
}

// The console output, and ns_per_eval kept by name for the summary.
class Collector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions, the median stands for the benchmark (it comes after the runs).
    for (const Run& run : runs) {
      const auto c = run.counters.find("ns_per_eval");
      if (run.error_occurred || c == run.counters.end()) continue;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      nsPerEval_[run.run_name.str()] = c->second.value * 1e9;  // seconds
    }
  }

  // Engine / muparser per formula, point by point and along rows, and their medians.
  void summary() const {
    const double mu = find("Constant/Muparser"), q = find("Constant/Quadrel");
    if (q > 0) std::printf("\nConstant \"3\": engine %.2f ns, muparser %.2f ns\n", q, mu);
    std::vector<double> points, rows;
    std::printf("%3s %-38s %9s %9s %9s %7s %7s\n", "#", "formula", "mu ns", "point ns", "row ns",
                "point", "row");
    for (std::size_t i = 0; i < bench::kFormulaSet.size(); ++i) {
      const std::string n = "/" + std::to_string(i);
      const double m = find("Set/Muparser" + n), p = find("Set/Point" + n), r = find("Set/Row" + n);
      if (m <= 0 || p <= 0 || r <= 0) continue;
      points.push_back(p / m);
      rows.push_back(r / m);
      std::printf("%3zu %-38s %9.2f %9.2f %9.2f %7.2f %7.2f\n", i, bench::kFormulaSet[i].engine, m,
                  p, r, p / m, r / m);
    }
    if (points.empty()) return;
    std::printf("Median engine/muparser over %zu formulas: point %.2f, row %.2f\n", points.size(),
                median(points), median(rows));
  }

 private:
  double find(const std::string& name) const {
    const auto it = nsPerEval_.find(name);
    return it == nsPerEval_.end() ? 0 : it->second;
  }
  static double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t h = v.size() / 2;
    return v.size() % 2 ? v[h] : (v[h - 1] + v[h]) / 2;
  }
  std::map<std::string, double> nsPerEval_;
};

}  // namespace

int main(int argc, char** argv) {
  registerSet();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  collector.summary();
  benchmark::Shutdown();
  return 0;
}
