// Start-up and frame timings of the real program, for the notes (run under Xvfb by
// scripts/measure): start to first frame, the 256 glyph lists, and the median frame of the
// default scene, each frame finished with glFinish so that the GL work is counted.
#include <GL/gl.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "shell/demarrage.h"
#include "view/feuille.h"
#include "view/glutgarde.h"

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
  return 0;
}
