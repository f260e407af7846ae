// Start-up and frame timings of the real program, for the notes (run under Xvfb by
// scripts/measure): start to first frame, the 256 glyph lists, the sheet's own drawing of a
// frame (FormPaint finished with glFinish), and the frame period of a left-button turn
// driven through the event loop until the X server has the frame, on the default scene and
// with sin(x)*cos(y) at precision 12 and its level lines, then with a z section shown.
// With --images DIR it saves the frames of named scenes instead (see images()).
// With --grand-repere: the z section on a huge frame, its k moves and the memory it takes.
// With --pas: only the track bar's steps with each solid and the go-to-picture delay; with
// --go, only the latter.
#include <GL/gl.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>
#include <vector>

#include "sections/free_point.h"
#include "sections/gui/choixsection.h"
#include "sections/gui/pointlibre.h"
#include "shell/demarrage.h"
#include "shell/fond.h"
#include "shell/hote.h"
#include "surfaces/gui/fonction3d.h"
#include "view/feuille.h"
#include "view/gui/optionrendu.h"

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

// One frame drawn by the sheet, until GL has finished it, in milliseconds.
double dureeImage(TFeuille* f) {
  QElapsedTimer t;
  t.start();
  f->FormPaint();
  f->makeCurrent();
  glFinish();
  f->doneCurrent();
  return t.nsecsElapsed() / 1e6;
}

Mediane dessin(TFeuille* f, int images) {
  const std::clock_t cpu = std::clock();
  std::vector<double> durees;
  for (int k = 0; k < images; ++k) {
    durees.push_back(dureeImage(f));
  }
  return mediane(durees, std::clock() - cpu);
}

// Frames drawn apart, as still pictures are: each waits for the stream of frames to end.
Mediane dessinImmobile(TFeuille* f, int images) {
  std::vector<double> durees;
  for (int k = 0; k < images; ++k) {
    QElapsedTimer attente;
    attente.start();
    while (attente.elapsed() < 120) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    f->scene.rotz += 1;
    durees.push_back(dureeImage(f));
  }
  return mediane(durees, 0);  // the waits would count as CPU time
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

// With --images DIR: frames of many scenes under three views saved as PNG, each named after
// its scene, instead of timings, to check pixel by pixel that a change to the drawing path
// leaves every frame as it was (scripts/compare-images). No formula draws random numbers.
class Prises {
 public:
  Prises(Application& a, QString dossier) : a_(a), dossier_(std::move(dossier)) {}
  void operator()(const QString& nom) const {
    quadrel::Scene& s = a_.Feuille->scene;
    const float tours[][2] = {{0, 0}, {37.5f, 12}, {-120, 63}};
    int k = 0;
    for (const auto& t : tours) {
      s.rotz = t[0];
      s.inclinaison = t[1];
      const QString chemin = QStringLiteral("%1/%2-%3.png").arg(dossier_, nom).arg(k++);
      if (!a_.Feuille->image().save(chemin)) {
        std::fprintf(stderr, "not saved: %s\n", qPrintable(chemin));
        ++echecs;
      }
    }
  }
  mutable int echecs = 0;

 private:
  Application& a_;
  QString dossier_;
};

// A render option through its check box, so that the dialog's own rules run (partners,
// the axes and the cut set again); the signal goes out even when the box already shows that
// state, as a scene may have set the value behind the dialog's back.
void option(QCheckBox* c, bool on) {
  if (c->isChecked() != on)
    c->setChecked(on);
  else
    emit c->toggled(on);
}

void optionsParDefaut(const Toptionrendu& o) {
  const std::pair<QCheckBox*, bool> defauts[] = {
      {o.eclairage, true},    {o.aliasing, false},  {o.brouillard, false}, {o.rendu3d, true},
      {o.foncblanc, false},   {o.niveauxy, true},   {o.niveauz, true},     {o.transpsurf, false},
      {o.transplan, false},   {o.transquad, false}, {o.voirplan, true},    {o.coupeplan, true},
      {o.intersections, true}};
  for (const auto& [c, on] : defauts) option(c, on);
}

// The formula accepted as Enter would, with its surface and level lines; empty: no surface.
void fonction(Application& a, const char* formule, int precision = 6) {
  a.fonction3d->Edit1->setText(QString::fromUtf8(formule));
  a.fonction3d->precision->setValue(precision);
  a.fonction3d->setetat(*formule ? quadrel::EtatChamp::accepte : quadrel::EtatChamp::attente);
  a.Feuille->preparesurface();
  a.Feuille->preparelignes();
}

// The first scenes, as they have always been made: the scene's values set directly.
void imagesRendu(TFeuille* f, const Prises& vues) {
  quadrel::Scene& s = f->scene;
  vues("defaut");
  s.formule = "sin(x)*cos(y)";
  s.programme = quadrel::expr::CompiledFormula::compile(s.formule);  // already normalised
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

// The solid's values as its dialog's `go` leaves them.
struct Solide {
  const char* nom;
  int type;
  extended x, y, z, taille;  // the pyramid: sides, height, -, base radius
};

void poser(Application& a, const Solide& k) {
  quadrel::Scene& s = a.scene;
  s.typequadrique = k.type;
  s.solx = k.x, s.soly = k.y, s.solz = k.z, s.soltaille = k.taille;
  s.quadriqueok = true;
  if (k.type == 9) a.Feuille->preparepyr();
}

// Every kind of solid, alone in the frame, in each way the options draw it.
void imagesSolides(Application& a, const Prises& vues) {
  const Solide solides[] = {
      {"sphere", 1, 1, -1, 0.5L, 2},
      {"cube", 2, 0, 0, 0, 3},
      {"cylindre-z", 3, 1, -1, 0, 1.5L},
      {"cylindre-y", 4, 1, -1, 0, 1.5L},
      {"cylindre-x", 5, 1, -1, 0, 1.5L},
      {"cone-z", 6, 0.5L, -0.5L, 1, 0.25L},
      {"cone-y", 7, 0.5L, -0.5L, 1, 0.25L},
      {"cone-x", 8, 0.5L, -0.5L, 1, 0.25L},
      {"cone-plat-x", 8, 1, -1, 0.5L, 0},
      {"pyramide", 9, 5, 3, 0, 2},
      {"pyramide-renversee", 9, 4, -2.5L, 0, 2},
  };
  const struct {
    const char* nom;
    bool rendu3d, foncblanc, transquad;
  } modes[] = {{"eclaire", true, false, false},
               {"blanc", false, true, false},
               {"fil", false, false, false},
               {"transparent", true, false, true}};
  const Toptionrendu& o = *a.optionrendu;
  fonction(a, "");
  for (const auto& m : modes) {
    option(o.rendu3d, m.rendu3d);
    option(o.foncblanc, m.foncblanc);
    option(o.transquad, m.transquad);
    for (const Solide& k : solides) {
      poser(a, k);
      vues(QStringLiteral("solide-%1-%2").arg(QLatin1String(k.nom), QLatin1String(m.nom)));
    }
  }
  a.scene.quadriqueok = false;
  optionsParDefaut(o);
}

// The section dialog set to one kind of plane at k = 1, shown, photographed and closed.
void section(Application& a, int genre, const Prises& vues, const QString& nom) {
  Tchoixsection* d = a.choixsection;
  QRadioButton* genres[] = {d->p1, d->p2, d->p3, d->p4};
  genres[genre]->setChecked(true);
  const char* textes[4][6] = {{"k", "", "", "", "", ""},
                              {"", "k", "", "", "", ""},
                              {"", "", "k", "", "", ""},
                              {"", "", "", "1", "2", "k"}};
  for (int i = 0; i < 6; ++i) d->edits[i]->setText(QString::fromLatin1(textes[genre][i]));
  d->kmin->setText(QStringLiteral("-4"));
  d->kmax->setText(QStringLiteral("4"));
  d->valk->setValue(25);
  a.hote->ouvrir(d);
  vues(nom);
  d->close();
}

// Each kind of plane with and without the cut, through a surface and a sphere, the
// intersections on; then the z plane with the other section options.
void imagesSections(Application& a, const Prises& vues) {
  const Toptionrendu& o = *a.optionrendu;
  fonction(a, "(x²-y²)/4");
  poser(a, {"sphere", 1, 0, 0, 0, 2});
  const char* genres[] = {"x", "y", "z", "general"};
  for (int g = 0; g < 4; ++g) {
    for (const bool coupe : {false, true}) {
      option(o.coupeplan, coupe);
      section(a, g, vues,
              QStringLiteral("section-%1-%2")
                  .arg(QLatin1String(genres[g]), QLatin1String(coupe ? "coupe" : "sanscoupe")));
    }
  }
  const struct {
    const char* nom;
    QCheckBox* boite;
    bool on;
  } variantes[] = {{"section-z-sansplan", o.voirplan, false},
                   {"section-z-sansintersections", o.intersections, false},
                   {"section-z-plantransparent", o.transplan, true},
                   {"section-z-surfacetransparente", o.transpsurf, true},
                   {"section-z-solidetransparent", o.transquad, true}};
  for (const auto& v : variantes) {
    option(v.boite, v.on);
    section(a, 2, vues, QLatin1String(v.nom));
    optionsParDefaut(o);
  }
  a.scene.quadriqueok = false;
}

// The free point from its start, moved by small jumps, by graduations, and without a
// formula (where it moves in height too).
void imagesPoint(Application& a, const Prises& vues) {
  TPointlibre* p = a.Pointlibre;
  const auto deplacer = [p](quadrel::Deplacement sens, int fois) {
    for (int k = 0; k < fois; ++k) p->xplusClick(int(sens));
  };
  fonction(a, "sin(x)*cos(y)");
  p->var1->setChecked(true);
  a.hote->ouvrir(p);
  vues("pointlibre-depart");
  deplacer(quadrel::Deplacement::xplus, 25);
  deplacer(quadrel::Deplacement::yplus, 12);
  vues("pointlibre-sauts");
  p->var2->setChecked(true);
  deplacer(quadrel::Deplacement::xplus, 3);
  deplacer(quadrel::Deplacement::yplus, 5);
  vues("pointlibre-graduations");
  p->close();
  fonction(a, "");
  p->var1->setChecked(true);
  a.hote->ouvrir(p);
  deplacer(quadrel::Deplacement::xplus, 30);
  deplacer(quadrel::Deplacement::zplus, 20);
  vues("pointlibre-sansfonction");
  p->close();
}
// One step of the track bar per frame, each until the X server has the frame: the section,
// the cut and the intersections rebuilt, with each kind of solid shown in turn.
void pasK(Application& a) {
  fonction(a, "sin(x)*cos(y)", 12);
  Tchoixsection* d = a.choixsection;
  d->p3->setChecked(true);
  d->edits[2]->setText(QStringLiteral("k"));
  d->valk->setValue(20);
  a.hote->ouvrir(d);
  QCoreApplication::processEvents();
  const Solide solides[] = {{"none", 0, 0, 0, 0, 0},        {"sphere", 1, 0, 0, 0, 2},
                            {"cube", 2, 0, 0, 0, 3},        {"cylinder", 3, 1, -1, 0, 1.5L},
                            {"cone", 6, 0.5L, -0.5L, 1, 1}, {"pyramid", 9, 5, 3, 0, 2}};
  for (const bool lisse : {false, true}) {
    a.scene.aliasing = lisse;
    for (const Solide& k : solides) {
      if (k.type)
        poser(a, k);
      else
        a.scene.quadriqueok = false;
      const std::clock_t cpu = std::clock();
      const int listes = a.Feuille->listesenregistrees();
      const int images = a.Feuille->imagesdessinees();
      std::vector<double> durees;
      for (int i = 0; i < 60; ++i) {
        QElapsedTimer t;
        t.start();
        d->valk->setValue(10 + (i / 20 % 2 ? 20 - i % 20 : i % 20));
        QCoreApplication::processEvents();
        QGuiApplication::sync();
        durees.push_back(t.nsecsElapsed() / 1e6);
      }
      char quoi[64];
      std::snprintf(quoi, sizeof quoi, "  k step, %s%s:", k.nom, lisse ? ", smooth" : "");
      ligne(quoi, mediane(durees, std::clock() - cpu));
      if (!lisse && !k.type)
        std::printf("  lists recorded per step: %.1f, frames drawn: %.1f\n",
                    (a.Feuille->listesenregistrees() - listes) / 60.0,
                    (a.Feuille->imagesdessinees() - images) / 60.0);
    }
  }
  a.scene.quadriqueok = false;
  a.scene.aliasing = false;
  d->close();
}

// Notes when a timer event comes: an animation frame's work starts there.
class DebutImage : public QObject {
 public:
  QElapsedTimer depuis;
  bool ignorer = false;  // while waiting for the X server, which may let timers through
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Timer && !ignorer) depuis.start();
    return false;
  }
};

// "Animer k" playing: each frame's work, from its timer's event to the frame with the X
// server (the timer asks for a frame every 15 ms), with no solid, a sphere and a cube.
void animationK(Application& a) {
  fonction(a, "sin(x)*cos(y)", 12);
  Tchoixsection* d = a.choixsection;
  d->p3->setChecked(true);
  d->edits[2]->setText(QStringLiteral("k"));
  a.hote->ouvrir(d);
  QCoreApplication::processEvents();
  DebutImage debut;
  qApp->installEventFilter(&debut);
  const Solide solides[] = {
      {"none", 0, 0, 0, 0, 0}, {"sphere", 1, 0, 0, 0, 2}, {"cube", 2, 0, 0, 0, 3}};
  for (const Solide& k : solides) {
    if (k.type)
      poser(a, k);
    else
      a.scene.quadriqueok = false;
    std::vector<double> durees;
    const std::function<void()> avant = a.Feuille->apresimage;  // the history's, kept
    a.Feuille->apresimage = [&] {
      if (avant) avant();
      if (!debut.depuis.isValid()) return;
      debut.ignorer = true;
      QGuiApplication::sync();
      debut.ignorer = false;
      durees.push_back(debut.depuis.nsecsElapsed() / 1e6);
      debut.depuis.invalidate();
    };
    d->animer->click();
    const std::clock_t cpu = std::clock();
    while (durees.size() < 120) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const std::clock_t fin = std::clock() - cpu;
    a.Feuille->apresimage = avant;
    d->animer->click();
    char quoi[64];
    std::snprintf(quoi, sizeof quoi, "  animation frame, %s:", k.nom);
    ligne(quoi, mediane(durees, fin));
  }
  qApp->removeEventFilter(&debut);
  a.scene.quadriqueok = false;
  d->close();
}

// From a click on the function dialog's go to the new picture with the X server, for two
// formulas taking turns (each press builds anew).
void goImage(Application& a) {
  a.hote->ouvrir(a.fonction3d);
  a.fonction3d->precision->setValue(12);
  QCoreApplication::processEvents();
  std::vector<double> durees, clic;
  const int images0 = a.Feuille->imagesdessinees();
  const std::clock_t cpu = std::clock();
  for (int i = 0; i < 12; ++i) {
    a.fonction3d->Edit1->setText(i % 2 ? QStringLiteral("sin(x)*cos(y)")
                                       : QStringLiteral("sin(x)*cos(y)+0"));
    QCoreApplication::processEvents();
    QElapsedTimer t;
    t.start();
    a.fonction3d->go->click();
    clic.push_back(t.nsecsElapsed() / 1e6);
    QCoreApplication::processEvents();
    QGuiApplication::sync();
    durees.push_back(t.nsecsElapsed() / 1e6);
  }
  const std::clock_t fin = std::clock() - cpu;
  ligne("go to picture, sin(x)*cos(y) p12:", mediane(durees, fin));
  ligne("  of which the click's handler:", mediane(clic, fin));
  std::printf("  frames drawn per press: %.1f\n", (a.Feuille->imagesdessinees() - images0) / 12.0);
  a.fonction3d->close();
}

// Whether every image was saved.
bool images(Application& a, const QString& dossier) {
  const Prises vues(a, dossier);
  imagesRendu(a.Feuille, vues);
  optionsParDefaut(*a.optionrendu);
  imagesSolides(a, vues);
  imagesSections(a, vues);
  imagesPoint(a, vues);
  return vues.echecs == 0;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer depuis;
  depuis.start();
  TFeuille::formatpardefaut();
  QApplication app(argc, argv);
  // Start-up changes the working folder: the image folder is made absolute before.
  const bool enimages = argc > 2 && QByteArray(argv[1]) == "--images";
  const QString dossier = enimages ? QDir().absoluteFilePath(QString::fromLocal8Bit(argv[2])) : "";
  if (enimages && !QDir().mkpath(dossier)) {
    std::fprintf(stderr, "cannot make the folder %s\n", argv[2]);
    return 1;
  }
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
  if (enimages) return images(*a, dossier) ? 0 : 1;
  if (argc > 1 && QByteArray(argv[1]) == "--pas") {
    pasK(*a);
    animationK(*a);
    goImage(*a);
    return 0;
  }
  if (argc > 1 && QByteArray(argv[1]) == "--go") {
    goImage(*a);
    return 0;
  }

  ligne("default scene, drawing:", dessin(f, 200));
  ligne("default scene, turning:", tour(f, 200));

  quadrel::Scene& s = f->scene;
  s.formule = "sin(x)*cos(y)";
  s.programme = quadrel::expr::CompiledFormula::compile(s.formule);  // already normalised
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
  s.aliasing = true;
  ligne("  the same, lines smoothed:", tour(f, 200));
  ligne("  the still picture, multisampled:", dessinImmobile(f, 20));
  s.aliasing = false;
  sectionZ(*a, "x²+y²");
  sectionZ(*a, "sin(x)*cos(y)");
  std::printf("sin(x)*cos(y) p12 + lines, z section shown, k moved:\n");
  pasK(*a);
  animationK(*a);
  goImage(*a);
  return 0;
}
