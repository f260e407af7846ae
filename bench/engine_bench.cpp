// The engine against muparser (double) and against the same formulas written natively
// in C++ long double, over a 1000 x 1000 grid of [-4, 4]^2; compile times; the root finder.
#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "matutil.h"
#include "parsor.h"
#include "x87math.h"

#ifdef QUADREL_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

constexpr int kGrid = 1000;
constexpr double kLow = -4, kHigh = 4;

struct Formula {
  const char* text;
  std::function<long double(long double, long double)> native;
};

const std::vector<Formula>& formulas() {
  static const std::vector<Formula> f = {
      {"x^2+y^2", [](long double x, long double y) { return x * x + y * y; }},
      {"(x+1)*(y-2)/(x*x+y*y+1)",
       [](long double x, long double y) { return (x + 1) * (y - 2) / (x * x + y * y + 1); }},
      {"sin(x)*cos(y)+x^2/4",
       [](long double x, long double y) { return sinl(x) * cosl(y) + x * x / 4; }},
      {"x*y*exp(-x^2-y^2)",
       [](long double x, long double y) { return x * y * expl(-x * x - y * y); }},
      {"sqrt(1-x^2-y^2)", [](long double x, long double y) { return sqrtl(1 - x * x - y * y); }},
      {"arctan(y/x)+cosh(x/4)",
       [](long double x, long double y) { return atanl(y / x) + coshl(x / 4); }},
  };
  return f;
}

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

void Quadrel(benchmark::State& state) {
  TExpress e;
  e.setExpression(formulas()[state.range(0)].text);
  state.SetLabel(formulas()[state.range(0)].text);
  sweepGrid(state, [&](double x, double y) { return e.Evaluate(x, y, 0); });
}

void Native(benchmark::State& state) {
  const auto& f = formulas()[state.range(0)].native;
  state.SetLabel(formulas()[state.range(0)].text);
  sweepGrid(state, [&](double x, double y) { return f(x, y); });
}

#ifdef QUADREL_HAVE_MUPARSER
void Muparser(benchmark::State& state) {
  mu::Parser p;
  double x = 0, y = 0;
  p.DefineVar("x", &x);
  p.DefineVar("y", &y);
  p.DefineFun("arctan", static_cast<double (*)(double)>(std::atan));
  p.SetExpr(formulas()[state.range(0)].text);
  state.SetLabel(formulas()[state.range(0)].text);
  sweepGrid(state, [&](double px, double py) {
    x = px;
    y = py;
    return p.Eval();
  });
}
BENCHMARK(Muparser)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
#endif
BENCHMARK(Quadrel)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
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
namespace x87 = quadrel::expr::x87;
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
