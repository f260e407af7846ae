#include "shell/dessin_lecon.h"

#include <QBuffer>
#include <QFont>
#include <QImageWriter>

#include "files/mesh.h"
#include "files/stl.h"
#include "sections/free_point.h"
#include "sections/plans.h"
#include "sections/planz.h"
#include "sections/section_rules.h"
#include "solids/solide.h"
#include "surfaces/axes.h"
#include "surfaces/lignes.h"
#include "surfaces/surface.h"
#include "view/contexte_egl.h"
#include "view/frame.h"

namespace quadrel {

namespace {

// The section lists as the section rules ask for them, straight into the renderer.
class Sections : public FeuilleSections {
 public:
  Sections(Renderer& r, const Scene& s) : r_(r), s_(s) {}
  void prepareplanx(extended k) override { r_.enregistrer(Liste::planx, buildPlanX(s_, k)); }
  void prepareplany(extended k) override { r_.enregistrer(Liste::plany, buildPlanY(s_, k)); }
  void prepareplanz(extended k) override { r_.enregistrer(Liste::planz, buildPlanZ(s_, k)); }
  void prepareplanxy(const std::string& ligne, extended k) override {
    if (auto d = buildPlanXY(s_, ligne, k)) r_.enregistrer(Liste::planxy, std::move(*d));
  }

 private:
  Renderer& r_;
  const Scene& s_;
};

}  // namespace

Scene sceneDe(const Lecon& lecon) {
  Scene s;
  static_cast<Modele&>(s) = lecon.modele;
  static_cast<Vue&>(s) = lecon.vue;
  return s;
}

void construireListes(Renderer& rendu, Scene& scene) {
  computeClipPlanes(scene);
  rendu.enregistrer(Liste::axes, buildAxes(scene));
  if (auto d = buildSurface(scene)) rendu.enregistrer(Liste::surface, std::move(*d));
  if (auto l = buildLevelLines(scene)) {
    rendu.enregistrer(Liste::lignesx, std::move(l->x));
    rendu.enregistrer(Liste::lignesy, std::move(l->y));
    rendu.enregistrer(Liste::lignesz, std::move(l->z));
  }
  rendu.enregistrer(Liste::pyramide, buildPyramid(scene));
  Sections sections(rendu, scene);
  if (scene.choixsectionVisible) appelplan(scene, sections);
  if (scene.pointlibreVisible && fonctionvalide(scene)) hauteurpoint(scene);
}

QImage imageSansEcran(Scene scene, QSize taille, std::string& erreur, const OptionsImage& o) {
  std::unique_ptr<ContexteEgl> contexte = ContexteEgl::creer(erreur);
  if (!contexte) return {};
  Renderer rendu(std::move(contexte));
  if (!rendu.demarrer(taille, QFont(QStringLiteral("Comics Sans MS")))) {
    erreur = "le contexte OpenGL ne peut pas être rendu courant";
    return {};
  }
  rendu.epaisseur(o.echelle);
  rendu.limitertuiles(o.cotetuile, o.parprojection);
  construireListes(rendu, scene);
  FrameHooks crochets;
  crochets.dessinesolide = dessinesolide;
  QImage image;
  if (!rendu.rendre(
          taille, taille, [&] { return buildFrame(scene, crochets).commands; }, image,
          o.echantillons)) {
    erreur = "l'image n'a pas pu être dessinée";
    return {};
  }
  // The frame's alpha is GL's, not a picture's: the sheet is opaque.
  return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray enPng(const QImage& image) {
  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  if (!QImageWriter(&tampon, "png").write(image)) return {};
  return octets;
}

std::vector<unsigned char> stlDe(const Modele& m, bool ferme, double echelle) {
  EntreesMaillage e;
  if (fonctionvalide(m)) e.programme = m.programme;
  e.xmin = m.xmin, e.xmax = m.xmax, e.ymin = m.ymin, e.ymax = m.ymax;
  e.zmin = m.zmin, e.zmax = m.zmax;
  e.gradx = m.gradx, e.grady = m.grady, e.gradz = m.gradz;
  e.precision = m.precision;
  e.typequadrique = m.typequadrique, e.quadriqueok = m.quadriqueok;
  e.solx = m.solx, e.soly = m.soly, e.solz = m.solz, e.soltaille = m.soltaille;
  e.ferme = ferme;
  e.echelle = echelle;
  const Maillage maillage = construitMaillage(e);
  if (maillage.nombreTriangles() == 0) return {};
  return stlBinaire(maillage);
}

}  // namespace quadrel
