// The surface and level-line builders on the default frame: whole builds, the bare
// evaluations the mesh needs (its peer), the parts of the level-line build, and the
// joining of the level points through the grid against the plain full scan.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "matutil.h"
#include "surfaces/aides.h"
#include "surfaces/jonction.h"
#include "surfaces/lignes.h"
#include "surfaces/niveaux.h"
#include "surfaces/surface.h"

namespace quadrel {
namespace {

using essai::joinQuadratic;

const char* const kFormules[] = {"x\xB2+y\xB2", "sin(x)*cos(y)"};

Scene scene(benchmark::State& state) {
  Scene s;
  essai::poseFormule(s, kFormules[state.range(0)]);
  s.etatformule = EtatChamp::accepte;
  s.precision = static_cast<int>(state.range(1));
  state.SetLabel(state.range(0) == 0 ? "x^2+y^2" : "sin(x)*cos(y)");
  return s;
}

void Args(benchmark::internal::Benchmark* b) {
  for (int f : {0, 1})
    for (int p : {3, 12}) b->Args({f, p});
  b->Unit(benchmark::kMillisecond);
}

// A fresh build each time, as when the dialog closes; `bytes` is what the list keeps.
void BM_Surface(benchmark::State& state) {
  Scene s = scene(state);
  std::size_t octets = 0;
  for (auto _ : state) {
    const auto d = buildSurface(s);
    octets = d->commands().capacity() * sizeof(Command);
    for (const PackedMesh& m : d->meshes()) octets += m.bytes();
  }
  state.counters["bytes"] = static_cast<double>(octets);
}
BENCHMARK(BM_Surface)->Apply(Args);

// Same grid, same component, same two evaluations per cell and flag reads, no mesh.
void BM_SurfaceEvaluations(benchmark::State& state) {
  Scene s = scene(state);
  TExpress e;
  e.setExpression(normalise(s.formule));
  const extended h = surfaceStep(s);
  for (auto _ : state) {
    long erreurs = 0;
    extended somme = 0;
    for (extended y = s.ymin; y < s.ymax; y += h) {
      extended x = s.xmin;
      somme += e.Evaluate(x, y, 0), erreurs += erreurcalcul;
      somme += e.Evaluate(x, y + h, 0), erreurs += erreurcalcul;
      for (; x < s.xmax; x += h) {
        somme += e.Evaluate(x + h, y, 0), erreurs += erreurcalcul;
        somme += e.Evaluate(x + h, y + h, 0), erreurs += erreurcalcul;
      }
    }
    benchmark::DoNotOptimize(somme);
    benchmark::DoNotOptimize(erreurs);
  }
}
BENCHMARK(BM_SurfaceEvaluations)->Apply(Args);

// The list alone: a normal and six vertices per cell for 120 x 120 cells, no evaluation.
void BM_SurfaceListOnly(benchmark::State& state) {
  for (auto _ : state) {
    DrawList d;
    d.reserve(120 * 120 * 7 + 8);
    d.begin(4);
    for (int j = 0; j < 120; ++j)
      for (int i = 0; i < 120; ++i) {
        d.normal(0, 0, 1);
        for (int k = 0; k < 6; ++k) d.vertex(i, j, k);
      }
    d.end();
    benchmark::DoNotOptimize(d);
  }
}
BENCHMARK(BM_SurfaceListOnly)->Unit(benchmark::kMillisecond);

void BM_LevelLines(benchmark::State& state) {
  Scene s = scene(state);
  for (auto _ : state) benchmark::DoNotOptimize(buildLevelLines(s));
}
BENCHMARK(BM_LevelLines)->Apply(Args);

// The whole build with the reference search: the peer of BM_LevelLines.
void BM_LevelLinesReference(benchmark::State& state) {
  Scene s = scene(state);
  for (auto _ : state) benchmark::DoNotOptimize(buildLevelLines(s, SearchMethod::reference));
}
BENCHMARK(BM_LevelLinesReference)->Apply(Args);

// --- where the level-line time goes ---

// Collecting the z points (no joining, no x/y lines): the cached search, and its peer, the
// reference that evaluates every value afresh. Same table; the ratio is the cache's gain.
void levelPoints(benchmark::State& state, SearchMethod m) {
  Scene s = scene(state);
  TExpress e;
  e.setExpression(normalise(s.formule));
  const LevelSearch p = levelLinesSearch(s);
  std::size_t n = 0;
  for (auto _ : state) n = collectLevelPoints(e, p, m).points.size();
  state.counters["points"] = static_cast<double>(n);
}

void BM_LevelPoints(benchmark::State& state) {
  levelPoints(state, SearchMethod::cached);
}
BENCHMARK(BM_LevelPoints)->Apply(Args);

void BM_LevelPointsReference(benchmark::State& state) {
  levelPoints(state, SearchMethod::reference);
}
BENCHMARK(BM_LevelPointsReference)->Apply(Args);

// --- joining ---

// Points of the default frame at precision 12; with gz = 0.25 sin(x)*cos(y) fills the table.
std::vector<PointNiveau> pointsJonction(benchmark::State& state) {
  Scene s = scene(state);
  if (state.range(2) != 0) s.gradz = 0.25L;
  TExpress e;
  e.setExpression(normalise(s.formule));
  const auto p = collectLevelPoints(e, levelLinesSearch(s)).points;
  state.counters["points"] = static_cast<double>(p.size());
  return p;
}

void JoinArgs(benchmark::internal::Benchmark* b) {
  b->Args({0, 12, 0})->Args({1, 12, 0})->Args({1, 12, 1});
  b->Unit(benchmark::kMillisecond);
}

void BM_JoinGrid(benchmark::State& state) {
  const auto p = pointsJonction(state);
  for (auto _ : state) benchmark::DoNotOptimize(joinLevelPoints(p, 1.0 / 3));
}
BENCHMARK(BM_JoinGrid)->Apply(JoinArgs);

void BM_JoinQuadratic(benchmark::State& state) {
  const auto p = pointsJonction(state);
  for (auto _ : state) benchmark::DoNotOptimize(joinQuadratic(p, 1.0 / 3));
}
BENCHMARK(BM_JoinQuadratic)->Apply(JoinArgs);

}  // namespace
}  // namespace quadrel

BENCHMARK_MAIN();
