#include "shell/historique.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>

#include "sections/gui/choixsection.h"
#include "shell/demarrage.h"
#include "shell/fond.h"
#include "shell/lecons.h"
#include "view/feuille.h"

namespace {

bool memeScene(const quadrel::Lecon& a, const quadrel::Lecon& b) {
  return a.modele == b.modele && a.champs == b.champs;
}

bool toucheHistorique(const QKeyEvent* k) {
  const Qt::KeyboardModifiers m = k->modifiers() & ~Qt::KeypadModifier;
  return (m == Qt::ControlModifier && (k->key() == Qt::Key_Z || k->key() == Qt::Key_Y)) ||
         (m == (Qt::ControlModifier | Qt::ShiftModifier) && k->key() == Qt::Key_Z);
}

// Whether `m` differs from `avant` only by a formula field typed but not accepted.
bool enCoursDeFrappe(const quadrel::Modele& m, const quadrel::Modele& avant) {
  if (m.etatformule == quadrel::EtatChamp::accepte || m.formule.empty()) return false;
  quadrel::Modele sansFrappe = m;
  static_cast<quadrel::Fonction&>(sansFrappe) = avant;
  sansFrappe.precision = m.precision;
  return sansFrappe == avant;
}

}  // namespace

Historique::Historique(Application& a, Lecons& lecons)
    : QObject(a.fond.get()), a_(a), lecons_(lecons) {
  courant_ = lecons_.capturer();
  QMenu* m = a_.fond->menuBar()->addMenu(QStringLiteral("&Édition"));
  m->setAccessibleName(QStringLiteral("Édition"));
  QAction* actionAnnuler = m->addAction(QStringLiteral("Annuler"));
  actionAnnuler->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Z"))});
  QAction* actionRefaire = m->addAction(QStringLiteral("Rétablir"));
  actionRefaire->setShortcuts(
      {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
  for (QAction* act : {actionAnnuler, actionRefaire})
    act->setShortcutContext(Qt::ApplicationShortcut);
  connect(actionAnnuler, &QAction::triggered, this, [this] { annuler(); });
  connect(actionRefaire, &QAction::triggered, this, [this] { refaire(); });
  if (a_.Feuille) a_.Feuille->apresimage = [this] { noter(); };
  // A text field claims Ctrl+Z for its own undo before shortcuts are looked up: the whole
  // scene's comes first.
  qApp->installEventFilter(this);
}

bool Historique::eventFilter(QObject* objet, QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride && toucheHistorique(static_cast<QKeyEvent*>(e))) {
    e->ignore();
    return true;
  }
  if (e->type() == QEvent::MouseButtonRelease && objet->isWidgetType())
    QMetaObject::invokeMethod(
        this, [this] { noter(); }, Qt::QueuedConnection);
  return QObject::eventFilter(objet, e);
}

void Historique::noter() {
  if (remise_) return;
  // A drag or a held button is one step, taken at release.
  if (QGuiApplication::mouseButtons() != Qt::NoButton) return;
  if (a_.choixsection && a_.choixsection->anime()) return;  // the sweep is one step, at its stop
  // Most frames only turn the view: the model alone tells, without reading the fields.
  if (static_cast<const quadrel::Modele&>(a_.scene) == courant_.modele) return;
  // A formula being typed (or refused) is not an accepted change; an emptied one is.
  if (enCoursDeFrappe(a_.scene, courant_.modele)) return;
  const quadrel::Lecon l = lecons_.capturer();
  if (memeScene(l, courant_)) return;
  passe_.push_back(std::move(courant_));
  if (passe_.size() > kEtapesMax) passe_.pop_front();
  avenir_.clear();
  courant_ = l;
}

void Historique::remettre(const quadrel::Lecon& l) {
  remise_ = true;
  quadrel::Lecon avecVue = l;
  avecVue.vue = lecons_.capturer().vue;  // undo never turns the view
  lecons_.restaurer(avecVue);
  remise_ = false;
  courant_ = lecons_.capturer();
}

bool Historique::annuler() {
  noter();  // a change not yet taken is the step to undo
  if (passe_.empty()) return false;
  avenir_.push_back(std::move(courant_));
  const quadrel::Lecon l = std::move(passe_.back());
  passe_.pop_back();
  remettre(l);
  return true;
}

bool Historique::refaire() {
  if (avenir_.empty()) return false;
  passe_.push_back(std::move(courant_));
  const quadrel::Lecon l = std::move(avenir_.back());
  avenir_.pop_back();
  remettre(l);
  return true;
}

void Historique::oublier() {
  passe_.clear();
  avenir_.clear();
  courant_ = lecons_.capturer();
}
