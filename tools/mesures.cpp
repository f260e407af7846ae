// Start-up and frame timings of the real program, for the notes (run under Xvfb by
// scripts/measure): start to first frame, the 256 glyph lists, the sheet's own drawing of a
// frame (FormPaint finished with glFinish), and the frame period of a left-button turn
// driven through the event loop until the X server has the frame, on the default scene and
// with sin(x)*cos(y) at precision 12 and its level lines, then with a z section shown.
// With --grand-repere: the z section on a huge frame, its k moves and the memory it takes.
#include <GL/gl.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "sections/choixsection.h"
#include "shell/demarrage.h"
#include "shell/fond.h"
#include "shell/hote.h"
#include "surfaces/fonction3d.h"
#include "view/feuille.h"
#include "view/glutgarde.h"

namespace {

// Wall-clock minimum, median and 90th percentile, and the mean CPU time of the whole
// process (software GL's threads included) per frame: on a busy machine the minimum and
// the CPU time say more than the median.
struct Mediane {
  double min, median, p90, cpu;
};

Mediane mediane(std::vector<double> v, std::clock_t cpu) {
  const double parimage = 1000.0 * double(cpu) / CLOCKS_PER_SEC / double(v.size());
  std::sort(v.begin(), v.end());
  return {v.front(), v[v.size() / 2], v[v.size() * 9 / 10], parimage};
}

Mediane dessin(TFeuille* f, int images) {
  const std::clock_t cpu = std::clock();
  std::vector<double> durees;
  for (int k = 0; k < images; ++k) {
    QElapsedTimer t;
    t.start();
    f->FormPaint();
    f->makeCurrent();
    glFinish();
    f->doneCurrent();
    durees.push_back(t.nsecsElapsed() / 1e6);
  }
  return mediane(durees, std::clock() - cpu);
}

void souris(TFeuille* f, QEvent::Type type, QPoint p, Qt::MouseButtons boutons) {
  QMouseEvent e(type, p, f->mapToGlobal(p), Qt::LeftButton, boutons, Qt::NoModifier);
  QApplication::sendEvent(f, &e);
}

// One move of a few pixels per frame, back and forth; each period ends when the event loop
// is idle and the X server has caught up, so the toolkit's own composition is counted.
Mediane tour(TFeuille* f, int images) {
  QPoint p(f->width() / 2, f->height() / 2);
  souris(f, QEvent::MouseButtonPress, p, Qt::LeftButton);
  QCoreApplication::processEvents();
  QGuiApplication::sync();
  const std::clock_t cpu = std::clock();
  std::vector<double> durees;
  for (int k = 0; k < images; ++k) {
    QElapsedTimer t;
    t.start();
    p += QPoint((k / 40) % 2 ? -3 : 3, (k / 25) % 2 ? -1 : 1);
    souris(f, QEvent::MouseMove, p, Qt::LeftButton);
    QCoreApplication::processEvents();
    QGuiApplication::sync();
    durees.push_back(t.nsecsElapsed() / 1e6);
  }
  const std::clock_t fin = std::clock();
  souris(f, QEvent::MouseButtonRelease, p, Qt::NoButton);
  return mediane(durees, fin - cpu);
}

void ligne(const char* quoi, Mediane m) {
  std::printf("%-36s min %5.2f, median %6.2f, p90 %6.2f ms (%4.0f fps); CPU %5.2f ms\n", quoi,
              m.min, m.median, m.p90, 1000 / m.median, m.cpu);
}

// The view turned with a z section of `formule` at k = 2 shown, against the same view
// without it: the section dialog rebuilds the section on every frame.
void sectionZ(Application& a, const char* formule) {
  a.fonction3d->Edit1->setText(QString::fromUtf8(formule));
  a.fonction3d->setetat(quadrel::EtatChamp::accepte);
  a.Feuille->preparesurface();
  a.Feuille->preparelignes();
  Tchoixsection* d = a.choixsection;
  d->p3->setChecked(true);
  d->edits[2]->setText(QStringLiteral("k"));
  d->valk->setValue(30);
  std::printf("%s\n", formule);
  ligne("  turning, no section:", tour(a.Feuille, 200));
  a.hote->ouvrir(d);
  ligne("  turning, z section k=2:", tour(a.Feuille, 200));
  d->close();
}

// Resident memory of the process, in MB.
double rss() {
  std::FILE* f = std::fopen("/proc/self/status", "r");
  char ligne[256];
  double kb = 0;
  while (f && std::fgets(ligne, sizeof ligne, f))
    if (std::sscanf(ligne, "VmRSS: %lf", &kb) == 1) break;
  if (f) std::fclose(f);
  return kb / 1024;
}

// With --grand-repere: the z section of sin(x*y) at precision 12 on a frame of +-1e6 with
// graduations 0.001, k moved along the track bar: the time of each move (the section
// rebuilt and the frame drawn) and the resident memory before and while it is shown.
void grandRepere(Application& a) {
  quadrel::Scene& s = a.Feuille->scene;
  s.xmin = s.ymin = s.zmin = -1e6L;
  s.xmax = s.ymax = s.zmax = 1e6L;
  s.gradx = s.grady = s.gradz = 0.001L;
  a.fonction3d->Edit1->setText(QStringLiteral("sin(x*y)"));
  a.fonction3d->setetat(quadrel::EtatChamp::accepte);
  s.precision = 12;
  a.Feuille->prepareaxe();
  a.Feuille->preparesurface();
  a.Feuille->preparelignes();
  a.Feuille->FormPaint();
  std::printf("sin(x*y) p12, frame +-1e6, graduations 0.001: RSS %.0f MB\n", rss());
  ligne("  drawing, no section:", dessin(a.Feuille, 5));
  Tchoixsection* d = a.choixsection;
  d->p3->setChecked(true);
  d->edits[2]->setText(QStringLiteral("k"));
  d->valk->setValue(22);
  a.hote->ouvrir(d);
  double pire = 0;
  std::vector<double> durees;
  std::vector<double> sections;
  for (int v = 23; v <= 32; ++v) {
    QElapsedTimer t;
    t.start();
    d->valk->setValue(v);
    durees.push_back(t.nsecsElapsed() / 1e6);
    pire = std::max(pire, rss());
    t.restart();
    a.Feuille->prepareplanz(-4 + v * 0.2L + 0.1L);  // the section list alone, at a new k
    sections.push_back(t.nsecsElapsed() / 1e6);
  }
  std::sort(sections.begin(), sections.end());
  std::printf("  z section list alone: min %.0f, median %.0f, max %.0f ms\n", sections.front(),
              sections[sections.size() / 2], sections.back());
  std::sort(durees.begin(), durees.end());
  std::printf("  z section, 10 moves of k: min %.0f, median %.0f, max %.0f ms; RSS up to %.0f MB\n",
              durees.front(), durees[durees.size() / 2], durees.back(), pire);
  d->close();
}

// With --images DIR: frames of several scenes and views saved as PNG instead of timings, to
// check pixel by pixel that a change to the drawing path leaves every frame as it was.
void images(TFeuille* f, const QString& dossier) {
  quadrel::Scene& s = f->scene;
  const auto vues = [&](const char* nom) {
    const float tours[][2] = {{0, 0}, {37.5f, 12}, {-120, 63}};
    int k = 0;
    for (const auto& t : tours) {
      s.rotz = t[0];
      s.inclinaison = t[1];
      f->image().save(QStringLiteral("%1/%2-%3.png").arg(dossier).arg(nom).arg(k++));
    }
  };
  vues("defaut");
  s.formule = "sin(x)*cos(y)";
  s.precision = 12;
  s.etatformule = quadrel::EtatChamp::accepte;
  s.rendu3d = s.niveauxy = s.niveauz = true;
  f->preparesurface();
  f->preparelignes();
  vues("sincos");
  s.transpsurf = true;
  vues("transparente");
  s.transpsurf = false;
  s.brouillard = true;
  vues("brouillard");
  s.aliasing = true;
  vues("lisse");
  s.brouillard = s.aliasing = false;
  s.rendu3d = false;
  s.foncblanc = true;
  vues("blanche");
  s.transpsurf = true;
  vues("blanchetransparente");
  s.eclairage = false;
  vues("sanslumiere");
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer depuis;
  depuis.start();
  TFeuille::formatpardefaut();
  QApplication app(argc, argv);
  quadrel::initialiserglut();
  auto a = demarrer(QCoreApplication::applicationDirPath());
  TFeuille* f = a->Feuille;
  while (f->imagesdessinees() < 1 && depuis.elapsed() < 30000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  const double premiere = depuis.nsecsElapsed() / 1e6;
  std::printf("start to first frame: %.1f ms\n", premiere);
  std::printf("256 glyph lists:      %.1f ms\n", f->dureeglyphes());
  std::printf("sheet %dx%d in a %dx%d main window\n", f->width(), f->height(), a->fond->width(),
              a->fond->height());
  for (int k = 0; k < 20; ++k) QCoreApplication::processEvents();
  if (argc > 1 && QByteArray(argv[1]) == "--grand-repere") {
    grandRepere(*a);
    return 0;
  }
  if (argc > 2 && QByteArray(argv[1]) == "--images") {
    images(f, QString::fromLocal8Bit(argv[2]));
    return 0;
  }

  ligne("default scene, drawing:", dessin(f, 200));
  ligne("default scene, turning:", tour(f, 200));

  quadrel::Scene& s = f->scene;
  s.formule = "sin(x)*cos(y)";
  s.precision = 12;
  s.etatformule = quadrel::EtatChamp::accepte;
  s.rendu3d = s.niveauxy = s.niveauz = true;
  QElapsedTimer t;
  t.start();
  f->preparesurface();
  f->preparelignes();
  std::printf("sin(x)*cos(y) p12 surface + lines built in %.0f ms\n", t.nsecsElapsed() / 1e6);
  f->FormPaint();
  ligne("sin(x)*cos(y) p12 + lines, drawing:", dessin(f, 100));
  ligne("sin(x)*cos(y) p12 + lines, turning:", tour(f, 200));
  sectionZ(*a, "x²+y²");
  sectionZ(*a, "sin(x)*cos(y)");
  return 0;
}
