// The engine against muparser (double) and against the same formulas written natively in
// x87 long double (inline code, the engine's own elementary functions), over a 1000 x 1000
// grid of [-4, 4]^2: the evaluator, the native code, and the row evaluation. Then the
// elementary functions, compile times and the root finder.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

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

constexpr std::array<const char*, 6> kFormulas = {
    "x^2+y^2",           "(x+1)*(y-2)/(x*x+y*y+1)", "sin(x)*cos(y)+x^2/4",
    "x*y*exp(-x^2-y^2)", "sqrt(1-x^2-y^2)",         "arctan(y/x)+cosh(x/4)",
};

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
  p.DefineFun("arctan", static_cast<double (*)(double)>(std::atan));
  p.SetExpr(kFormulas[state.range(0)]);
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

}  // namespace

BENCHMARK_MAIN();
