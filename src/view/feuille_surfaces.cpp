// The sheet's surface and level-line lists, rebuilt from the function in the scene.
#include <QGuiApplication>
#include <utility>

#include "services/curseurs.h"
#include "surfaces/lignes.h"
#include "surfaces/surface.h"
#include "view/feuille.h"

namespace {

// The hourglass for the length of a build; the cursor shown before comes back however the
// build ends.
class Attente {
 public:
  Attente() { QGuiApplication::setOverrideCursor(curseur(Role::sablier)); }
  ~Attente() { QGuiApplication::restoreOverrideCursor(); }
  Attente(const Attente&) = delete;
  Attente& operator=(const Attente&) = delete;
};

}  // namespace

// A formula that does not compile leaves the list as it was: the frame does not draw it
// anyway, since such a formula is never accepted.
void TFeuille::preparesurface() {
  Attente attente;
  if (std::optional<quadrel::DrawList> d = quadrel::buildSurface(scene))
    enregistrer(Liste::surface, std::move(*d));
}

void TFeuille::preparelignes() {
  Attente attente;
  if (std::optional<quadrel::LevelLines> l = quadrel::buildLevelLines(scene)) {
    enregistrer(Liste::lignesx, std::move(l->x));
    enregistrer(Liste::lignesy, std::move(l->y));
    enregistrer(Liste::lignesz, std::move(l->z));
  }
}
