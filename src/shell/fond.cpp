#include "shell/fond.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <clocale>

#include "services/curseurs.h"
#include "services/dialog_base.h"
#include "services/sons.h"
#include "shell/cahier.h"

namespace {

// A child window takes a press on its title bar for the control it last saw the pointer
// move over. A frame that opened under a still pointer, or a touch screen tapped where it
// was tapped last, gives it no move, and a click on the close box did nothing: the press
// comes after the move it would have had.
class SurvolAuClic : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::MouseButtonPress) {
      const auto* m = static_cast<QMouseEvent*>(e);
      QMouseEvent survol(QEvent::MouseMove, m->position(), m->scenePosition(), m->globalPosition(),
                         Qt::NoButton, Qt::NoButton, m->modifiers(), m->pointingDevice());
      QCoreApplication::sendEvent(o, &survol);
    }
    return false;
  }
};

}  // namespace

ZoneFond::ZoneFond(QWidget* parent) : QMdiArea(parent) {
  setBackground(Qt::white);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setMouseTracking(true);
}

void ZoneFond::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  p.fillRect(viewport()->rect(), Qt::white);
  dessinercahier(p, viewport()->width(), viewport()->height());
}

// Uncovered parts alone would leave stale rules where the area grew: redraw all of it. A
// shrinking area (a menu bar appearing, a smaller screen) keeps every window within reach.
void ZoneFond::resizeEvent(QResizeEvent* e) {
  QMdiArea::resizeEvent(e);
  viewport()->update();
  for (QMdiSubWindow* s : subWindowList())
    if (s->isVisible()) garderdedans(s);
}

bool ZoneFond::viewportEvent(QEvent* e) {
  if (e->type() == QEvent::MouseMove) emit survol();
  return QMdiArea::viewportEvent(e);
}

Tfond::Tfond(const QString& dossier_) : dossier(dossier_) {
  setWindowTitle(QStringLiteral("Quadrel"));
  setAccessibleName(QStringLiteral("Quadrel"));
  setWindowIcon(QIcon(QStringLiteral(":/quadrel.png")));
  setFont(QFont(QStringLiteral("Tahoma"), 8));
  zone = new ZoneFond(this);
  zone->setAccessibleName(QStringLiteral("Quadrel"));
  setCentralWidget(zone);
  connect(zone, &ZoneFond::survol, this, &Tfond::FormMouseMove);
  FormCreate();
}

void Tfond::FormCreate() {
  // By full path, and the working folder is left alone: files are found wherever the
  // program was started from. Missing folders mean standard cursors and silence.
  chargercurseurs(dossier + QStringLiteral("/kolu"));
  poser(zone->viewport(), Role::fleche);
  sons::precharger(dossier + QStringLiteral("/wav"));
  // Numbers are read and written with "." whatever the user's locale: Qt's conversions,
  // and the C library's, which QApplication has set from the environment.
  QLocale::setDefault(QLocale::c());
  std::setlocale(LC_NUMERIC, "C");
}

void Tfond::FormMouseMove() {
  if (outils)
    if (QWidget* c = cadre(outils)) c->setWindowTitle(QStringLiteral("Outils"));
}

QMdiSubWindow* Tfond::enfant(QWidget* w, bool boutons) {
  if (auto* s = qobject_cast<QMdiSubWindow*>(w->parentWidget())) return s;
  Qt::WindowFlags f = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (boutons) f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  QMdiSubWindow* s = zone->addSubWindow(w, f);
  s->setOption(QMdiSubWindow::RubberBandResize, false);
  s->installEventFilter(new SurvolAuClic(s));
  s->setWindowTitle(w->windowTitle());
  s->setWindowIcon(windowIcon());
  poser(s, Role::defaut);
  return s;
}

void Tfond::ouvrir(QWidget* w) {
  if (!w) return;
  QMdiSubWindow* s = enfant(w, true);
  // Sized before anything shows: the dialog places its child window by that size as it
  // shows, the first time too. The dialog is marked shown first: a frame measures only
  // what it will show, and a dialog closed earlier is still marked hidden.
  w->show();
  s->ensurePolished();
  s->setFixedSize(s->sizeHint());
  s->show();
  garderdedans(s);
  zone->setActiveSubWindow(s);
  s->raise();
}

void Tfond::fermer(QWidget* w) {
  if (QWidget* c = cadre(w)) c->hide();
  if (w) w->hide();
}

namespace {
int attentes_ = 0;
}

void attendre(int ms) {
  ++attentes_;
  QEventLoop boucle;
  QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
  boucle.exec(QEventLoop::ExcludeUserInputEvents);
}

int attentes() {
  return attentes_;
}

// The one way out, whether from "Quitter" or the window's own close: one goodbye, one wait
// for the sound to start, then the event loop ends. exit(), not quit(): quit() would ask
// every window to close again.
void Tfond::closeEvent(QCloseEvent* e) {
  if (!fermeture_ && avantfermeture && !avantfermeture()) {
    e->ignore();
    return;
  }
  if (!fermeture_) {
    fermeture_ = true;
    sons::jouer(QStringLiteral("fin.wav"));
    attendre(500);
  }
  e->accept();
  QCoreApplication::exit(0);
}
