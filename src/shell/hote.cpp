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

void HoteFenetres::prepareaxe() {
  if (feuille_) feuille_->prepareaxe();
}
void HoteFenetres::preparesurface() {
  if (feuille_) feuille_->preparesurface();
}
void HoteFenetres::preparelignes() {
  if (feuille_) feuille_->preparelignes();
}

void HoteFenetres::prepareplanx(extended k) {
  if (feuille_) feuille_->prepareplanx(k);
}
void HoteFenetres::prepareplany(extended k) {
  if (feuille_) feuille_->prepareplany(k);
}
void HoteFenetres::prepareplanz(extended k) {
  if (feuille_) feuille_->prepareplanz(k);
}
void HoteFenetres::prepareplanxy(const std::string& ligne, extended k) {
  if (feuille_) feuille_->prepareplanxy(ligne, k);
}

void HoteFenetres::preparepyr() {
  if (feuille_) feuille_->preparepyr();
}

void HoteFenetres::appelplan() {
  if (feuille_ && feuille_->crochets.appelplan) feuille_->crochets.appelplan(feuille_->scene);
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
