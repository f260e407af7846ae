#include "shell/demarrage.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QShortcut>

#include "sections/free_point.h"
#include "sections/gui/choixsection.h"
#include "sections/gui/pointlibre.h"
#include "services/aiderapide.h"
#include "shell/apropos.h"
#include "shell/fond.h"
#include "shell/historique.h"
#include "shell/hote.h"
#include "shell/lecons.h"
#include "shell/outils.h"
#include "solids/gui/choixquadrics.h"
#include "solids/gui/solid_windows.h"
#include "solids/solide.h"
#include "surfaces/gui/fonction3d.h"
#include "surfaces/gui/optionrepere.h"
#include "view/feuille.h"
#include "view/glyphes.h"
#include "view/gui/optionrendu.h"

Application::Application() = default;

Application::~Application() {
  Aiderapide.reset();
  Apropos.reset();
  fond.reset();
  hote.reset();
}

namespace {

// F6 takes the keyboard to the sheet and back to where it was (the palette when it was
// nowhere), as a pane key does: the view turns from the keyboard without a click.
void toucheF6(Application& a) {
  auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), a.fond.get());
  f6->setContext(Qt::ApplicationShortcut);
  QObject::connect(
      f6, &QShortcut::activated, a.fond.get(), [&a, avant = QPointer<QWidget>()]() mutable {
        QWidget* ici = QApplication::focusWidget();
        if (ici != a.Feuille) {
          avant = ici;
          a.Feuille->setFocus(Qt::ShortcutFocusReason);
          return;
        }
        QWidget* retour = avant && avant->isVisible() ? avant.data()
                                                      : static_cast<QWidget*>(a.outils->boutons[0]);
        retour->activateWindow();
        retour->setFocus(Qt::ShortcutFocusReason);
      });
}

void creerfond(Application& a, const QString& dossier) {
  a.fond = std::make_unique<Tfond>(dossier);
  Tfond* fond = a.fond.get();
  a.hote = std::make_unique<HoteFenetres>(fond);
  // Without a window manager "maximised" means nothing: cover the screen by hand.
  if (const QScreen* ecran = QGuiApplication::primaryScreen())
    fond->setGeometry(ecran->availableGeometry());
  fond->showMaximized();
  fond->repaint();
}

}  // namespace

std::unique_ptr<Application> demarrer(const QString& dossier) {
  // Settings in ~/.config/Quadrel/Quadrel.conf, not under Qt's "Unknown Organization".
  QGuiApplication::setOrganizationName(QStringLiteral("Quadrel"));
  QGuiApplication::setApplicationName(QStringLiteral("Quadrel"));
  quadrel::substituerpolices();
  auto a = std::make_unique<Application>();
  creerfond(*a, dossier);

  a->outils = new Toutils(a->fond.get(), *a);
  a->fond->outils = a->outils;
  a->optionrendu = new Toptionrendu(a->scene, *a->hote, a->fond.get());
  a->outils->setdialogue(1, a->optionrendu);

  a->Apropos = std::make_unique<TApropos>();
  a->Apropos->show();
  a->Apropos->repaint();

  a->optionrepere = new Toptionrepere(a->scene, *a->hote, a->fond.get());
  a->outils->setdialogue(0, a->optionrepere);
  a->fonction3d = new Tfonction3d(a->scene, *a->hote, a->fond.get());
  a->outils->setdialogue(2, a->fonction3d);
  a->quadriques = creerquadriques(a->scene, *a->hote, a->fond.get(), a->outils);
  a->outils->setdialogue(3, a->quadriques.choixquadrics);
  a->choixsection = new Tchoixsection(a->scene, *a->hote, a->fond.get());
  a->outils->setdialogue(4, a->choixsection);
  a->Pointlibre = new TPointlibre(a->scene, *a->hote, a->fond.get());
  a->outils->setdialogue(5, a->Pointlibre);

  a->Feuille = new TFeuille(a->scene, a->fond->zone, a->fond->size());
  a->hote->setfeuille(a->Feuille);
  a->Feuille->crochets.dessinesolide = quadrel::dessinesolide;
  // A GL widget makes Qt remake the main window's native window, which then covers the
  // about box where no window manager keeps it on top.
  a->Apropos->raise();

  a->Aiderapide = std::make_unique<TAiderapide>();
  a->hote->setaide(a->Aiderapide.get());

  // The menu bar first: the palette is placed within the area it leaves.
  a->lecons = new Lecons(*a);
  QMdiSubWindow* palette = a->fond->enfant(a->outils, false);
  palette->setFixedSize(palette->sizeHint());
  palette->show();
  a->outils->show();
  a->outils->FormShow();
  a->historique = new Historique(*a, *a->lecons);
  a->lecons->historique = a->historique;
  toucheF6(*a);
  return a;
}
