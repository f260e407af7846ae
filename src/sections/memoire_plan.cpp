#include "sections/memoire_plan.h"

namespace quadrel {

bool MemoirePlan::inchange(const Scene& s, int genre, extended k, const std::string& ligne) {
  if (genre < 1 || genre > 4) return false;
  Entrees e{{s.xmin, s.xmax, s.ymin, s.ymax, s.zmin, s.zmax, s.gradx, s.grady, s.gradz},
            s.transplan,
            s.voirplan,
            s.intersections,
            s.programme,
            s.etatformule,
            s.precision,
            s.typequadrique,
            s.quadriqueok,
            {s.solx, s.soly, s.solz, s.soltaille},
            s.quadcyl,
            k,
            ligne};
  std::optional<Entrees>& d = dernieres_[genre - 1];
  // The trace line is numbers only (texteLigne): only the surface's formula may draw.
  const bool aleatoire = s.programme && s.programme->drawsRandom();
  if (!aleatoire && d && *d == e) return true;
  d = std::move(e);
  return false;
}

}  // namespace quadrel
