// The first frame of an opened lesson, for each example: the file read and parsed, its
// scene, every list built and recorded, one frame drawn and read back, offscreen (Mesa's
// EGL surfaceless context). "Fenetre": the window's part, its renderer started and its
// glyph lists made, as when a lesson is opened; with 4x antialiasing too. "Lot": the whole
// of a --snapshot picture, the context, the glyph lists and the 4x export included.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <memory>
#include <string>
#include <variant>

#include "shell/dessin_lecon.h"
#include "shell/fichier_lecon.h"
#include "solids/solide.h"
#include "view/camera.h"
#include "view/contexte_egl.h"
#include "view/frame.h"
#include "view/glyphes.h"

namespace quadrel {
namespace {

QSize feuille() {
  const SheetSize s = sheetSize(1280, 1024);
  return {s.width, s.height};
}

// One renderer for the run, as the window keeps one: null when GL cannot be had.
Renderer* rendu() {
  static const std::unique_ptr<Renderer> r = []() -> std::unique_ptr<Renderer> {
    std::string erreur;
    auto c = ContexteEgl::creer(erreur);
    if (!c) return nullptr;
    auto r = std::make_unique<Renderer>(std::move(c));
    if (!r->demarrer(feuille(), QFont(QStringLiteral("Comics Sans MS")))) return nullptr;
    return r;
  }();
  return r.get();
}

bool lire(benchmark::State& state, const QString& chemin, Scene& scene) {
  const auto lue = lireFichierLecon(chemin, Lecon{});
  if (const auto* e = std::get_if<ErreurLecon>(&lue)) {
    state.SkipWithError(e->message.c_str());
    return false;
  }
  scene = sceneDe(std::get<LeconLue>(lue).lecon);
  return true;
}

void fenetre(benchmark::State& state, const QString& chemin, int echantillons) {
  Renderer* r = rendu();
  if (!r) return state.SkipWithError("no GL context without a display");
  FrameHooks crochets;
  crochets.dessinesolide = dessinesolide;
  const QSize t = feuille();
  QImage image;
  // Each step's share, in milliseconds per first frame.
  double lecture = 0, listes = 0, dessin = 0;
  QElapsedTimer chrono;
  const auto tour = [&chrono](double& cumul) {
    cumul += double(chrono.nsecsElapsed()) / 1e6;
    chrono.restart();
  };
  for (auto _ : state) {
    chrono.start();
    Scene s;
    if (!lire(state, chemin, s)) return;
    tour(lecture);
    construireListes(*r, s);
    tour(listes);
    const auto construire = [&] { return buildFrame(s, crochets).commands; };
    if (!r->rendre(t, t, construire, image, echantillons))
      return state.SkipWithError("no frame drawn");
    benchmark::DoNotOptimize(image.constBits());
    tour(dessin);
  }
  using C = benchmark::Counter;
  state.counters["lecture_ms"] = C(lecture, C::kAvgIterations);
  state.counters["listes_ms"] = C(listes, C::kAvgIterations);
  state.counters["image_ms"] = C(dessin, C::kAvgIterations);
}

void lot(benchmark::State& state, const QString& chemin) {
  for (auto _ : state) {
    Scene s;
    if (!lire(state, chemin, s)) return;
    std::string erreur;
    const QImage image = imageSansEcran(s, feuille(), erreur);
    if (image.isNull()) return state.SkipWithError(erreur.c_str());
  }
}

void inscrireExemples() {
  const QDir exemples(QStringLiteral(QUADREL_SOURCE_DIR "/exemples"));
  for (const QString& nom : exemples.entryList({QStringLiteral("*.quadrel")}, QDir::Files)) {
    const QString chemin = exemples.filePath(nom);
    const std::string court = QFileInfo(nom).completeBaseName().toStdString();
    benchmark::RegisterBenchmark(("Fenetre/" + court).c_str(), fenetre, chemin, 0)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Fenetre4x/" + court).c_str(), fenetre, chemin, 4)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Lot/" + court).c_str(), lot, chemin)
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace
}  // namespace quadrel

int main(int argc, char** argv) {
  // Fonts and glyph outlines from the toolkit's offscreen platform; GL from EGL.
  qunsetenv("DISPLAY");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  quadrel::substituerpolices();
  benchmark::Initialize(&argc, argv);
  quadrel::inscrireExemples();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
