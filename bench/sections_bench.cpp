// The section builders on the default frame, x^2+y^2 and sin(x)*cos(y) at precisions 3
// and 12, k in the middle of each surface's range. Peers: the bare evaluations of the x
// plane's curve, and the z section's level search without the plane and the joining.
#include <benchmark/benchmark.h>

#include "matutil.h"
#include "sections/plan_commun.h"
#include "sections/plans.h"
#include "sections/planz.h"
#include "surfaces/aides.h"

namespace quadrel {
namespace {

const char* const kFormules[] = {"x\xB2+y\xB2", "sin(x)*cos(y)"};
const extended kK[] = {2, 0.5L};

Scene scene(benchmark::State& state) {
  Scene s = essai::sceneAvec(kFormules[state.range(0)], static_cast<int>(state.range(1)));
  state.SetLabel(state.range(0) == 0 ? "x^2+y^2" : "sin(x)*cos(y)");
  return s;
}

extended k(benchmark::State& state) {
  return kK[state.range(0)];
}

void Args(benchmark::internal::Benchmark* b) {
  for (int f : {0, 1})
    for (int p : {3, 12}) b->Args({f, p});
  b->Unit(benchmark::kMicrosecond);
}

void BM_PlanX(benchmark::State& state) {
  Scene s = scene(state);
  for (auto _ : state) benchmark::DoNotOptimize(buildPlanX(s, k(state)));
}
BENCHMARK(BM_PlanX)->Apply(Args);

void BM_PlanY(benchmark::State& state) {
  Scene s = scene(state);
  for (auto _ : state) benchmark::DoNotOptimize(buildPlanY(s, k(state)));
}
BENCHMARK(BM_PlanY)->Apply(Args);

void BM_PlanXY(benchmark::State& state) {
  Scene s = scene(state);
  for (auto _ : state) benchmark::DoNotOptimize(buildPlanXY(s, "-0.5*x+(1.5)", k(state)));
}
BENCHMARK(BM_PlanXY)->Apply(Args);

void BM_PlanZ(benchmark::State& state) {
  Scene s = scene(state);
  for (auto _ : state) benchmark::DoNotOptimize(buildPlanZ(s, k(state)));
}
BENCHMARK(BM_PlanZ)->Apply(Args);

// The z section as k sweeps (41 track positions over [-2, 2]), with the search's lines kept
// from one step to the next as the sheet keeps them; peer: each step afresh.
void BM_PlanZSweep(benchmark::State& state) {
  Scene s = scene(state);
  const bool gardees = state.range(2) != 0;
  LignesGardees lignes;
  int i = 0;
  for (auto _ : state) {
    const extended k = -2 + extended(i++ % 41) / 10;
    benchmark::DoNotOptimize(buildPlanZ(s, k, gardees ? &lignes : nullptr));
  }
}
BENCHMARK(BM_PlanZSweep)
    ->ArgsProduct({{0, 1}, {12}, {0, 1}})
    ->ArgNames({"f", "p", "kept"})
    ->Unit(benchmark::kMicrosecond);

// Peer of the z section: its level search alone (no plane, no joining).
void BM_PlanZSearch(benchmark::State& state) {
  Scene s = scene(state);
  TExpress e;
  e.setExpression(normalise(s.formule));
  const LevelSearch p = sectionZSearch(s, k(state));
  long travail = 0;
  for (auto _ : state) travail = collectLevelPoints(e, p).work;
  state.counters["work"] = static_cast<double>(travail);  // units, against the budget
}
BENCHMARK(BM_PlanZSearch)->Apply(Args);

// The z section on a frame of +-1e6 with graduations 0.001, sin(x*y) at precision 12: a
// frame where the search would run for seconds without its work budget.
Scene sceneLarge() {
  Scene s = essai::sceneAvec("sin(x*y)", 12);
  s.xmin = s.ymin = s.zmin = -1e6L;
  s.xmax = s.ymax = s.zmax = 1e6L;
  s.gradx = s.grady = s.gradz = 0.001L;
  return s;
}

void BM_PlanZLargeFrame(benchmark::State& state) {
  Scene s = sceneLarge();
  for (auto _ : state) benchmark::DoNotOptimize(buildPlanZ(s, 0.5L));
}
BENCHMARK(BM_PlanZLargeFrame)->Unit(benchmark::kMillisecond);

void BM_PlanZSearchLargeFrame(benchmark::State& state) {
  Scene s = sceneLarge();
  TExpress e;
  e.setExpression(normalise(s.formule));
  const LevelSearch p = sectionZSearch(s, 0.5L);
  long travail = 0;
  for (auto _ : state) travail = collectLevelPoints(e, p).work;
  state.counters["work"] = static_cast<double>(travail);
}
BENCHMARK(BM_PlanZSearchLargeFrame)->Unit(benchmark::kMillisecond);

// Peer: compiling the surface and evaluating it at the x plane's samples, no list.
void BM_PlanXEvaluations(benchmark::State& state) {
  Scene s = scene(state);
  const extended pas = pasCourbe(s.ymin, s.ymax, s.precision);
  for (auto _ : state) {
    TExpress e;
    e.setExpression(normalise(s.formule));
    extended somme = 0;
    for (extended y = s.ymin; y <= s.ymax + pas; y += pas) somme += e.Evaluate(k(state), y, 0);
    benchmark::DoNotOptimize(somme);
  }
}
BENCHMARK(BM_PlanXEvaluations)->Apply(Args);

}  // namespace
}  // namespace quadrel

BENCHMARK_MAIN();
