// The sheet's GL context: made with the sheet by the toolkit, on an offscreen surface of its
// own, and handed to the sheet's renderer.
#include <QMessageBox>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <utility>

#include "surfaces/axes.h"
#include "view/feuille.h"

namespace {

class ContexteQt : public quadrel::ContexteRendu {
 public:
  bool makeCurrent() override { return contexte.makeCurrent(&surface); }
  void doneCurrent() override { contexte.doneCurrent(); }

  QOffscreenSurface surface;
  QOpenGLContext contexte;
};

}  // namespace

void TFeuille::echec(const QString& texte) {
  if (echecmontre_) return;
  echecmontre_ = true;
  QMessageBox boite(QMessageBox::NoIcon, QStringLiteral("Init OpenGL"), texte, QMessageBox::Ok);
  boite.exec();
}

// Without a GL platform (no GLX, no driver) the context cannot be made: the sheet says
// so once and stays blank, and the program goes on.
void TFeuille::initialiser() {
  auto c = std::make_unique<ContexteQt>();
  c->surface.setFormat(QSurfaceFormat::defaultFormat());
  c->surface.create();
  c->contexte.setFormat(QSurfaceFormat::defaultFormat());
  if (!c->surface.isValid() || !c->contexte.create() || !c->contexte.makeCurrent(&c->surface)) {
    echec(QStringLiteral("Impossible de créer un contexte OpenGL pour la feuille."));
    return;
  }
  // Display lists and the fixed pipeline need a compatibility context.
  const bool coeur = c->contexte.format().profile() == QSurfaceFormat::CoreProfile;
  c->contexte.doneCurrent();
  if (coeur) {
    echec(QStringLiteral("Le contexte OpenGL de la feuille n'offre pas OpenGL 1.1."));
    return;
  }
  rendu_ = std::make_unique<quadrel::Renderer>(std::move(c));
  if (!rendu_->demarrer(taille_, QFont(QStringLiteral("Comics Sans MS")))) return;
  // The axes name their glyph lists, whose ids belong to this context.
  prepareaxe();
}

bool TFeuille::makeCurrent() {
  return rendu_ && rendu_->makeCurrent();
}

void TFeuille::doneCurrent() {
  if (rendu_) rendu_->doneCurrent();
}

void TFeuille::enregistrer(Liste l, quadrel::DrawList commandes) {
  ++enregistrees_;
  if (rendu_) rendu_->enregistrer(l, std::move(commandes));
}

void TFeuille::prepareaxe() {
  quadrel::computeClipPlanes(scene);
  enregistrer(Liste::axes, quadrel::buildAxes(scene));
}

void TFeuille::reconstruire(Liste liste) {
  const bool aleatoire = scene.programme && scene.programme->drawsRandom();
  switch (liste) {
    case Liste::axes:
      quadrel::computeClipPlanes(scene);
      if (!axes_.aJour(scene)) enregistrer(Liste::axes, quadrel::buildAxes(scene));
      return;
    case Liste::surface:
      if (!surface_.aJour(scene, aleatoire)) preparesurface();
      return;
    case Liste::lignesx:
    case Liste::lignesy:
    case Liste::lignesz:
      if (!lignes_.aJour(scene, aleatoire)) preparelignes();
      return;
    case Liste::pyramide:
      if (!pyramide_.aJour(scene)) preparepyr();
      return;
    default:
      return;  // the sections follow the model on every frame
  }
}

void TFeuille::FormDestroy() {
  if (rendu_) rendu_->liberer();
}
