#include "surfaces/niveaux.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "matutil.h"
#include "surfaces/texte_nombre.h"

namespace quadrel {

namespace {

bool lettre(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

struct HashPoint {
  std::size_t operator()(const PointNiveau& p) const {
    const double v[3] = {p.x + 0.0, p.y + 0.0, p.z + 0.0};  // -0 and +0 hash alike
    std::uint64_t h = 1469598103934665603ull;
    for (double d : v) {
      std::uint64_t b;
      std::memcpy(&b, &d, sizeof b);
      h = (h ^ b) * 1099511628211ull;
      h ^= h >> 29;
    }
    return static_cast<std::size_t>(h);
  }
};

struct EgalPoint {
  bool operator()(const PointNiveau& a, const PointNiveau& b) const {
    return a.x == b.x && a.y == b.y && a.z == b.z;
  }
};

class Table {
 public:
  Table() { p_.reserve(kMaxPoints); }
  bool pleine() const { return p_.size() >= static_cast<std::size_t>(kMaxPoints); }
  void ajoute(extended x, extended y, extended z) {
    if (!pleine()) p_.push_back(point(x, y, z));
  }
  // Skips a point the table already holds (same x, y and z exactly).
  void ajouteUnique(extended x, extended y, extended z) {
    if (pleine()) return;
    const PointNiveau q = point(x, y, z);
    if (vus_.insert(q).second) p_.push_back(q);
  }
  std::vector<PointNiveau> prend() { return std::move(p_); }

 private:
  static PointNiveau point(extended x, extended y, extended z) {
    return {static_cast<double>(x), static_cast<double>(y), static_cast<double>(z)};
  }
  std::vector<PointNiveau> p_;
  std::unordered_set<PointNiveau, HashPoint, EgalPoint> vus_;
};

struct Racines {
  bool ok = false;
  std::vector<extended> valeurs;
};

Racines racinesDe(const std::string& texte, extended lower, extended upper, extended step) {
  racines r;
  Racines out;
  out.ok = chercheracines(texte, lower, upper, step, r);
  if (out.ok) out.valeurs.assign(r.value.begin(), r.value.begin() + r.count);
  return out;
}

// Both variables used: one root search per row (pass 1, solving in x) or column (pass 2,
// solving in y, the formula's x and y exchanged) and per level. A level met twice (same
// text) gives the same row texts again, so its rows' roots are kept and not searched twice.
class DeuxVariables {
 public:
  DeuxVariables(const Scene& s, const Gabarit& g, Table& t) : s_(s), g_(g), t_(t) {}

  void passe(bool enX, const std::vector<extended>& niveaux) {
    std::unordered_map<std::string, std::vector<Racines>> deja;  // by level text, per row
    const extended debut = enX ? s_.ymin : s_.xmin, fin = enX ? s_.ymax : s_.xmax;
    const extended pas = enX ? s_.pasy : s_.pasx;
    const extended bas = enX ? s_.xmin : s_.ymin, haut = enX ? s_.xmax : s_.ymax;
    for (const extended k : niveaux) {
      const std::string niveau = entreParentheses(k, "-");
      std::vector<Racines>& lignes = deja[niveau];
      extended v = debut;
      for (std::size_t n = 0; v < fin && n < kMaxLignesParNiveau && !t_.pleine(); ++n, v += pas) {
        if (n == lignes.size()) {
          const std::string valeur = entreParentheses(v);
          const std::string texte =
              normalise((enX ? g_.avec("x", valeur) : g_.avec(valeur, "x")) + niveau);
          lignes.push_back(racinesDe(texte, bas, haut, 0.1L));
        }
        if (!lignes[n].ok) continue;
        for (const extended r : lignes[n].valeurs) {
          if (enX) {
            t_.ajouteUnique(r, v, k);
          } else {
            t_.ajouteUnique(v, r, k);
          }
        }
      }
    }
  }

 private:
  const Scene& s_;
  const Gabarit& g_;
  Table& t_;
};

// One variable used: the level curves are straight lines parallel to the other axis, found
// once per level and drawn as a row of points every quarter step.
void uneVariable(const Scene& s, const Gabarit& g, bool enX, const std::vector<extended>& niveaux,
                 Table& t) {
  const std::string base = enX ? g.avec("x", "") : g.avec("", "x");
  const extended bas = enX ? s.xmin : s.ymin, haut = enX ? s.xmax : s.ymax;
  const extended debut = enX ? s.ymin : s.xmin, fin = enX ? s.ymax : s.xmax;
  const extended pas = (enX ? s.pasy : s.pasx) / 4;
  for (const extended k : niveaux) {
    const Racines r = racinesDe(base + entreParentheses(k, "-"), bas, haut, 0.25L);
    if (!r.ok) continue;
    for (const extended racine : r.valeurs) {
      for (extended w = debut; w < fin && !t.pleine(); w += pas) {
        if (enX) {
          t.ajoute(racine, w, k);
        } else {
          t.ajoute(w, racine, k);
        }
      }
    }
  }
}

}  // namespace

std::vector<extended> levelSequence(extended zmin, extended zmax, extended gz) {
  std::vector<extended> out{0};
  if (!(gz > 0)) return out;
  // A box above 0 starts the climb at its floor, as the levels below it are passed over.
  extended k = zmin >= gz ? std::floor(zmin / gz) * gz : 0;
  for (long n = 0; n < kMaxNiveaux; ++n) {
    k += gz;
    if (k >= zmax) {
      out.push_back(k);
      break;
    }
    if (zmin < k) out.push_back(k);
  }
  if (!(k >= zmax)) return out;
  // A box below the first graduation starts the descent at its top.
  if (k - gz >= zmax) k = std::ceil(zmax / gz) * gz;
  for (long n = 0; n < kMaxNiveaux; ++n) {
    k -= gz;
    if (k <= zmin) break;
    if (k < zmax) out.push_back(k);
  }
  return out;
}

Gabarit::Gabarit(std::string_view formule) {
  morceaux_.emplace_back();
  std::size_t i = 0;
  while (i < formule.size()) {
    if (!lettre(formule[i])) {
      morceaux_.back() += formule[i++];
      continue;
    }
    std::size_t j = i;
    while (j < formule.size() && lettre(formule[j])) ++j;
    const std::string_view mot = formule.substr(i, j - i);
    if (mot == "x" || mot == "y") {
      variables_.push_back(mot[0]);
      morceaux_.emplace_back();
      (mot[0] == 'x' ? usesX_ : usesY_) = true;
    } else {
      morceaux_.back() += mot;
    }
    i = j;
  }
}

std::string Gabarit::avec(std::string_view pourX, std::string_view pourY) const {
  std::string out = morceaux_[0];
  for (std::size_t i = 0; i < variables_.size(); ++i) {
    out += variables_[i] == 'x' ? pourX : pourY;
    out += morceaux_[i + 1];
  }
  return out;
}

std::vector<PointNiveau> collectLevelPoints(Scene& s, std::string_view formule) {
  const int p = std::clamp(s.precision, 3, 12);
  s.pasx = std::fabs(s.xmax - s.xmin) / (10 * p);
  s.pasy = std::fabs(s.ymax - s.ymin) / (10 * p);
  const Gabarit g(formule);
  const std::vector<extended> niveaux = levelSequence(s.zmin, s.zmax, s.gradz);
  Table t;
  if (g.usesX() && g.usesY()) {
    DeuxVariables d(s, g, t);
    d.passe(true, niveaux);
    d.passe(false, niveaux);
  } else if (g.usesY()) {
    uneVariable(s, g, false, niveaux, t);
  } else if (g.usesX()) {
    uneVariable(s, g, true, niveaux, t);
  }
  return t.prend();
}

}  // namespace quadrel
