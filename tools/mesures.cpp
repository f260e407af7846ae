// Start-up and frame timings of the real program, for the notes (run under Xvfb by
// scripts/measure): start to first frame, the 256 glyph lists, and the median frame of the
// default scene, each frame finished with glFinish so that the GL work is counted.
#include <GL/gl.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "sections/choixsection.h"
#include "services/champ.h"
#include "shell/demarrage.h"
#include "shell/fond.h"
#include "shell/hote.h"
#include "surfaces/fonction3d.h"
#include "view/feuille.h"
#include "view/glutgarde.h"

namespace {

// Median and 90th percentile, in ms, of `n` frames drawn by `image` and finished.
void mediane(const char* nom, Application& a, int n, const std::function<void(int)>& image) {
  std::vector<double> durees;
  for (int k = 0; k < n; ++k) {
    QElapsedTimer t;
    t.start();
    image(k);
    a.Feuille->makeCurrent();
    glFinish();
    a.Feuille->doneCurrent();
    durees.push_back(t.nsecsElapsed() / 1e6);
  }
  std::sort(durees.begin(), durees.end());
  std::printf("%-22s median %.2f ms, p90 %.2f ms (%d frames)\n", nom, durees[durees.size() / 2],
              durees[durees.size() * 9 / 10], n);
}

// The view turned by the mouse, one frame per move, with a z section of `formule` at k = 2.
void sectionZ(Application& a, const char* nom, const QString& formule) {
  a.fonction3d->Edit1->setText(formule);
  a.fonction3d->setetat(quadrel::EtatChamp::accepte);
  a.Feuille->preparesurface();
  a.Feuille->preparelignes();
  Tchoixsection* d = a.choixsection;
  d->p3->setChecked(true);
  d->edits[2]->setText(QStringLiteral("k"));
  d->valk->setValue(30);
  a.Feuille->FormMouseDown(Qt::LeftButton, 300, 300);
  mediane("  same, no section:", a, 200,
          [&a](int k) { a.Feuille->FormMouseMove(300 + (k % 50) * 4, 300); });
  a.hote->ouvrir(d);
  mediane(nom, a, 200, [&a](int k) { a.Feuille->FormMouseMove(300 + (k % 50) * 4, 300); });
  a.Feuille->FormMouseUp();
  d->close();
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer depuis;
  depuis.start();
  TFeuille::formatpardefaut();
  QApplication app(argc, argv);
  quadrel::initialiserglut();
  auto a = demarrer(QCoreApplication::applicationDirPath());
  while (a->Feuille->imagesdessinees() < 1 && depuis.elapsed() < 30000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  const double premiere = depuis.nsecsElapsed() / 1e6;

  std::vector<double> durees;
  for (int k = 0; k < 200; ++k) {
    QElapsedTimer t;
    t.start();
    a->Feuille->FormPaint();
    a->Feuille->makeCurrent();
    glFinish();
    a->Feuille->doneCurrent();
    durees.push_back(t.nsecsElapsed() / 1e6);
  }
  std::sort(durees.begin(), durees.end());
  std::printf("start to first frame: %.1f ms\n", premiere);
  std::printf("256 glyph lists:      %.1f ms\n", a->Feuille->dureeglyphes());
  std::printf("default frame:        median %.2f ms, p90 %.2f ms (%zu frames, %dx%d)\n",
              durees[durees.size() / 2], durees[durees.size() * 9 / 10], durees.size(),
              a->Feuille->width(), a->Feuille->height());
  sectionZ(*a, "turning, z section x^2+y^2:", QStringLiteral("x²+y²"));
  sectionZ(*a, "turning, z section sin*cos:", QStringLiteral("sin(x)*cos(y)"));
  return 0;
}
