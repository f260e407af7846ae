#include "sections/memoire_plan.h"

#include "matutil.h"

namespace quadrel {

bool formuleAleatoire(std::string_view f) {
  std::size_t i = 0;
  while (i < f.size()) {
    const auto lettre = [&f](std::size_t j) {
      return (f[j] >= 'a' && f[j] <= 'z') || (f[j] >= 'A' && f[j] <= 'Z');
    };
    if (!lettre(i)) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < f.size() && lettre(j)) ++j;
    const std::string_view mot = f.substr(i, j - i);
    if (mot == "rn" || mot == "rm") return true;
    i = j;
  }
  return false;
}

bool MemoirePlan::inchange(const Scene& s, int genre, extended k, const std::string& ligne) {
  if (genre < 1 || genre > 4) return false;
  Entrees e{{s.xmin, s.xmax, s.ymin, s.ymax, s.zmin, s.zmax, s.gradx, s.grady, s.gradz},
            s.transplan,
            s.voirplan,
            s.intersections,
            s.formule,
            s.etatformule,
            s.precision,
            s.typequadrique,
            s.quadriqueok,
            {s.solx, s.soly, s.solz, s.soltaille},
            s.quadcyl,
            k,
            ligne};
  std::optional<Entrees>& d = dernieres_[genre - 1];
  const bool aleatoire = formuleAleatoire(normalise(s.formule)) || formuleAleatoire(ligne);
  if (!aleatoire && d && *d == e) return true;
  d = std::move(e);
  return false;
}

}  // namespace quadrel
