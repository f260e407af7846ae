#include "shell/hote.h"

#include <QMdiSubWindow>

#include "services/aiderapide.h"
#include "shell/fond.h"
#include "view/feuille.h"

void HoteFenetres::setfeuille(TFeuille* f) {
  feuille_ = f;
}
void HoteFenetres::setaide(TAiderapide* a) {
  aide_ = a;
}

void HoteFenetres::reconstruire(quadrel::Liste liste) {
  if (feuille_) feuille_->reconstruire(liste);
}

void HoteFenetres::FormPaint() {
  if (feuille_) feuille_->FormPaint();
}

void HoteFenetres::setlegende(const QString& texte) {
  if (!feuille_) return;
  feuille_->setWindowTitle(texte);
  if (QMdiSubWindow* c = feuille_->cadre()) c->setWindowTitle(texte);
}

QRect HoteFenetres::cadrefeuille() const {
  if (!feuille_) return {};
  if (QMdiSubWindow* c = feuille_->cadre()) return c->geometry();
  return feuille_->geometry();
}

void HoteFenetres::ouvrir(QWidget* dialogue) {
  if (fond_) fond_->ouvrir(dialogue);
}

void HoteFenetres::fermer(QWidget* dialogue) {
  if (fond_) fond_->fermer(dialogue);
}

void HoteFenetres::aide(const QString& texte) {
  if (aide_) aide_->montrer(texte);
}
