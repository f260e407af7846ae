#include "sections/memoire_plan.h"

namespace quadrel {

bool MemoirePlan::inchange(const EntreesPlan& e, int genre, extended k, const std::string& ligne) {
  if (genre < 1 || genre > 4) return false;
  // The trace line is numbers only (texteLigne): only the surface's formula may draw.
  const bool aleatoire = e.programme && e.programme->drawsRandom();
  return caches_[std::size_t(genre - 1)].aJour({e, k, ligne}, aleatoire);
}

}  // namespace quadrel
