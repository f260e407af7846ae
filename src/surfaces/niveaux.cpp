#include "surfaces/niveaux.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "matutil.h"
#include "number_literal.h"
#include "surfaces/texte_nombre.h"
#include "surfaces/valeurs_ligne.h"
#include "view/glconst.h"

namespace quadrel {

namespace {

// The number as a formula text would hold it: 15 significant digits, read back.
extended commeTexte(extended v) {
  return expr::parseNumberLiteral(texteNombre(v)).value_or(v);
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

Sampling echantillons(extended bas, extended haut, extended pas, long intervalles) {
  return {bas, haut, samplingStep(bas, haut, pas, intervalles), intervalles + 2};
}

// The roots on one line at one level. `ligne` is the line's cache, null for the reference.
racines chercher(TExpress& e, const Droite& f, const Sampling& s, extended k, LigneEnCache* ligne,
                 WorkBudget& budget) {
  racines r;
  if (ligne) {
    ValeursEnCache v(*ligne, k, budget);
    RootScan<ValeursEnCache>(v, budget, r).run();
  } else {
    ValeursDirectes v(e, f, s, k);
    RootScan<ValeursDirectes>(v, budget, r).run();
  }
  return r;
}

// The 80 bits of a level.
struct Bits {
  std::uint64_t mantisse = 0;
  std::uint16_t exposant = 0;
  bool operator==(const Bits&) const = default;
};

Bits bits(extended v) {
  Bits b;
  std::memcpy(&b.mantisse, &v, sizeof b.mantisse);
  std::memcpy(&b.exposant, reinterpret_cast<const char*>(&v) + 8, sizeof b.exposant);
  return b;
}

struct HashBits {
  std::size_t operator()(const Bits& b) const {
    std::uint64_t h = b.mantisse ^ (std::uint64_t{b.exposant} * 0x9E3779B97F4A7C15ull);
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
    return static_cast<std::size_t>(h ^ (h >> 27));
  }
};

// The levels that come again later in the sequence (going up then down, most do).
std::vector<bool> revenants(const std::vector<extended>& niveaux) {
  std::vector<bool> out(niveaux.size(), false);
  std::unordered_set<Bits, HashBits> vus;
  for (std::size_t i = niveaux.size(); i-- > 0;) out[i] = !vus.insert(bits(niveaux[i])).second;
  return out;
}

// Most bisection points the lines keep for the next levels (about 100 bytes each); past
// it, the bisections evaluate afresh.
constexpr long kMaxPointsChemins = 400000;

// What kept lines may hold from one search to the next (about 70 and 100 bytes each): the
// samples of a pass's grid, the points of their paths.
constexpr std::size_t kMaxEchantillonsGardes = 50000;
constexpr long kMaxPointsCheminsGardes = 50000;

// Most row results kept for a level met again: past it, such rows are searched again.
constexpr std::size_t kMaxResultatsGardes = 200000;

// A row's result at a level that comes again: a search with the same values and enough
// budget left runs exactly the same way, so its roots and its cost are reused.
class Resultats {
 public:
  struct Resultat {
    long travail;
    std::vector<extended> racines;
  };
  const Resultat* trouve(std::size_t ligne, extended k) const {
    const auto it = r_.find({ligne, bits(k)});
    return it == r_.end() ? nullptr : &it->second;
  }
  void garde(std::size_t ligne, extended k, const racines& r, long travail) {
    if (r_.size() >= kMaxResultatsGardes) return;
    r_.try_emplace(
        {ligne, bits(k)},
        Resultat{travail, std::vector<extended>(r.value.begin(), r.value.begin() + r.count)});
  }

 private:
  struct Cle {
    std::size_t ligne;
    Bits niveau;
    bool operator==(const Cle&) const = default;
  };
  struct HashCle {
    std::size_t operator()(const Cle& c) const {
      return HashBits{}(c.niveau) ^ (c.ligne * 0x9E3779B97F4A7C15ull);
    }
  };
  std::unordered_map<Cle, Resultat, HashCle> r_;
};

}  // namespace

// The lines of each pass, their samples, and the path points they may still keep, for the
// formula and the box and steps they were made for.
struct LignesGardees::Etat {
  struct Passe {
    std::vector<extended> w;
    std::vector<std::unique_ptr<LigneEnCache>> lignes;
  };
  std::shared_ptr<const expr::CompiledFormula> formule;
  std::unique_ptr<TExpress> e;
  LevelSearch grille;  // its levels and budgets aside
  Passe passes[2];     // along x, along y
  long places = kMaxPointsChemins;

  static bool memeGrille(const LevelSearch& a, const LevelSearch& b) {
    return a.xmin == b.xmin && a.xmax == b.xmax && a.ymin == b.ymin && a.ymax == b.ymax &&
           a.pasx == b.pasx && a.pasy == b.pasy && a.scanStep == b.scanStep &&
           a.maxLignes == b.maxLignes && a.maxIntervalles == b.maxIntervalles;
  }
  // Ready for a search of `f` with `p`: what was kept for another formula or grid goes, and
  // so do lines whose paths hold a good part of the points they may keep.
  void pour(const std::shared_ptr<const expr::CompiledFormula>& f, const LevelSearch& p) {
    if (!formule || !(*formule == *f)) {
      formule = f;
      e = std::make_unique<TExpress>(*f);
      oublier();
    }
    if (!memeGrille(grille, p) || places < kMaxPointsChemins - kMaxPointsCheminsGardes) oublier();
    grille = p;
  }
  void oublier() {
    for (Passe& passe : passes) passe = Passe{};
    places = kMaxPointsChemins;
  }
};

LignesGardees::LignesGardees() = default;
LignesGardees::~LignesGardees() = default;

namespace {

class Collecte {
 public:
  Collecte(TExpress& e, const LevelSearch& p, SearchMethod m,
           LignesGardees::Etat* gardees = nullptr)
      : e_(e),
        p_(p),
        cache_(m == SearchMethod::cached && !e.RandomDraws()),
        gardees_(cache_ ? gardees : nullptr),
        budget_{p.budget},
        places_(gardees_ ? gardees_->places : placesPropres_) {
    for (const extended k : p.levels) niveauMax_ = std::max(niveauMax_, std::fabs(commeTexte(k)));
  }

  LevelPoints run() {
    const bool x = e_.usesVariable(0), y = e_.usesVariable(1);
    bool etale = false;
    if (x && y) {
      deuxVariables(true);
      deuxVariables(false);
      etale = budget_.spent() && p_.budgetEtale > 0 && p_.levels.size() == 1;
      if (etale) etaler();
    } else if (y) {
      uneVariable(false);
    } else if (x) {
      uneVariable(true);
    }
    return {t_.prend(), !budget_.spent() && !etale, p_.budget - budget_.left + depenseEtale_,
            etale};
  }

 private:
  // Pass 1 (enX) solves in x along the rows, pass 2 in y along the columns.
  void deuxVariables(bool enX) {
    const std::vector<extended> rangs = grille(enX);
    std::vector<extended> fixes;  // the rows as a text writes them, met first at level 0
    const Sampling s = echantillons(enX ? p_.xmin : p_.ymin, enX ? p_.xmax : p_.ymax, p_.scanStep,
                                    p_.maxIntervalles);
    LignesGardees::Etat::Passe propre;
    LignesGardees::Etat::Passe* gardee = gardees_ ? &gardees_->passes[enX ? 0 : 1] : nullptr;
    if (gardee && gardee->w.empty()) gardee->w = sampleSequence(s);
    // A grid too large to keep whole is searched line by line, each one let go once done.
    if (gardee && rangs.size() * gardee->w.size() > kMaxEchantillonsGardes) {
      propre.w = gardee->w;
      gardee = nullptr;
    }
    LignesGardees::Etat::Passe& passe = gardee ? *gardee : propre;
    if (passe.w.empty()) passe.w = sampleSequence(s);
    const std::vector<extended>& w = passe.w;
    auto& lignes = passe.lignes;  // by row, kept across the levels
    Resultats deja;
    const std::vector<bool> revient = revenants(p_.levels);
    const long coutLigne = p_.coutEchantillon * static_cast<long>(w.size());
    for (std::size_t j = 0; j < p_.levels.size(); ++j) {
      const extended k = p_.levels[j];
      const extended niveau = commeTexte(k);
      for (std::size_t n = 0; n < rangs.size() && !t_.pleine(); ++n) {
        if (budget_.spent()) return;
        if (j == 0) budget_.charge(coutLigne);
        const extended v = rangs[n];
        if (n == fixes.size()) fixes.push_back(commeTexte(v));
        const Droite f{enX, fixes[n]};
        LigneEnCache* ligne = nullptr;
        if (cache_) {
          if (n == lignes.size())
            lignes.push_back(std::make_unique<LigneEnCache>(e_, f, w, niveauMax_, places_));
          ligne = lignes[n].get();
        }
        racines r;
        const Resultats::Resultat* connu = cache_ ? deja.trouve(n, niveau) : nullptr;
        if (connu && budget_.left > connu->travail) {
          budget_.charge(connu->travail);
          r.count = static_cast<int>(connu->racines.size());
          std::copy(connu->racines.begin(), connu->racines.end(), r.value.begin());
        } else {
          const long avant = budget_.left;
          r = chercher(e_, f, s, niveau, ligne, budget_);
          if (cache_ && revient[j] && !budget_.spent())
            deja.garde(n, niveau, r, avant - budget_.left);
        }
        for (int i = 0; i < r.count; ++i) {
          if (enX) {
            t_.ajouteUnique(r.value[i], v, k);
          } else {
            t_.ajouteUnique(v, r.value[i], k);
          }
        }
        // Last level: the line's values are of no further use, unless kept for the next search.
        if (cache_ && !gardee && j + 1 == p_.levels.size()) lignes[n].reset();
      }
    }
  }

  // The rows (pass 1) or columns of the grid, as the passes step through them.
  std::vector<extended> grille(bool enX) const {
    const extended fin = enX ? p_.ymax : p_.xmax, pas = enX ? p_.pasy : p_.pasx;
    std::vector<extended> out;
    extended v = enX ? p_.ymin : p_.xmin;
    for (std::size_t n = 0; v < fin && n < p_.maxLignes; ++n, v += pas) out.push_back(v);
    return out;
  }

  // The single level again, rows and columns in turn: every 2^m-th one first, then those
  // halfway between, and so on, until the budget is spent or the table would be full. The
  // roots then go into a fresh table in the passes' own order.
  void etaler() {
    const extended k = p_.levels[0], niveau = commeTexte(k);
    const std::vector<extended> lignes[2] = {grille(true), grille(false)};
    const Sampling s[2] = {echantillons(p_.xmin, p_.xmax, p_.scanStep, p_.maxIntervalles),
                           echantillons(p_.ymin, p_.ymax, p_.scanStep, p_.maxIntervalles)};
    const std::vector<extended> w[2] = {sampleSequence(s[0]), sampleSequence(s[1])};
    std::vector<std::vector<extended>> trouvees[2] = {
        std::vector<std::vector<extended>>(lignes[0].size()),
        std::vector<std::vector<extended>>(lignes[1].size())};
    std::vector<bool> faites[2] = {std::vector<bool>(lignes[0].size()),
                                   std::vector<bool>(lignes[1].size())};
    WorkBudget budget{p_.budgetEtale};
    long points = 0;
    const std::size_t n = std::max(lignes[0].size(), lignes[1].size());
    std::size_t saut = 1;
    while (saut * 2 <= n) saut *= 2;
    for (; saut > 0; saut /= 2) {
      for (std::size_t i = 0; i < n; i += saut) {
        for (int passe = 0; passe < 2; ++passe) {
          if (i >= lignes[passe].size() || faites[passe][i]) continue;
          if (budget.spent() || points >= kMaxPoints) return remplir(lignes, trouvees, k, budget);
          budget.charge(p_.coutEchantillon * static_cast<long>(w[passe].size()));
          const Droite f{passe == 0, commeTexte(lignes[passe][i])};
          std::unique_ptr<LigneEnCache> ligne;
          if (cache_)
            ligne = std::make_unique<LigneEnCache>(e_, f, w[passe], std::fabs(niveau), places_);
          const racines r = chercher(e_, f, s[passe], niveau, ligne.get(), budget);
          trouvees[passe][i].assign(r.value.begin(), r.value.begin() + r.count);
          faites[passe][i] = true;
          points += r.count;
        }
      }
    }
    remplir(lignes, trouvees, k, budget);
  }

  void remplir(const std::vector<extended> (&lignes)[2],
               const std::vector<std::vector<extended>> (&trouvees)[2], extended k,
               const WorkBudget& budget) {
    t_ = Table();
    for (int passe = 0; passe < 2; ++passe)
      for (std::size_t i = 0; i < lignes[passe].size(); ++i)
        for (const extended r : trouvees[passe][i]) {
          if (passe == 0) {
            t_.ajouteUnique(r, lignes[passe][i], k);
          } else {
            t_.ajouteUnique(lignes[passe][i], r, k);
          }
        }
    depenseEtale_ = p_.budgetEtale - budget.left;
  }

  // The curves are lines parallel to the unused axis: roots once per level, then a row of
  // points along each.
  void uneVariable(bool enX) {
    const Sampling s = enX ? echantillons(p_.xmin, p_.xmax, p_.scanStepXOnly, kMaxIntervalles)
                           : echantillons(p_.ymin, p_.ymax, p_.scanStepYOnly, kMaxIntervalles);
    const extended debut = enX ? p_.ymin : p_.xmin, fin = enX ? p_.ymax : p_.xmax;
    const extended pas = enX ? p_.pasy / p_.divisionXOnly : p_.pasx / p_.divisionYOnly;
    const Droite f{enX, 0};
    const std::vector<extended> w = sampleSequence(s);
    std::unique_ptr<LigneEnCache> ligne;
    if (cache_) ligne = std::make_unique<LigneEnCache>(e_, f, w, niveauMax_, places_);
    // A level met again would add each point a second time, and joining pairs a point
    // with its twin before its neighbours: the line would show as dashes.
    std::unordered_set<Bits, HashBits> vus;
    for (const extended k : p_.levels) {
      if (budget_.spent() || t_.pleine()) return;
      if (!vus.insert(bits(k)).second) continue;
      const racines r = chercher(e_, f, s, commeTexte(k), ligne.get(), budget_);
      for (int i = 0; i < r.count; ++i) {
        if (i > 0 && r.value[i] == r.value[i - 1]) continue;  // one line per root
        for (extended w = debut; w < fin && !t_.pleine(); w += pas) {
          if (enX) {
            t_.ajoute(r.value[i], w, k);
          } else {
            t_.ajoute(w, r.value[i], k);
          }
        }
      }
    }
  }

  TExpress& e_;
  const LevelSearch& p_;
  const bool cache_;
  LignesGardees::Etat* const gardees_;
  WorkBudget budget_;
  long placesPropres_ = kMaxPointsChemins;
  long& places_;            // path points the lines may still keep: their own, or the kept lines'
  extended niveauMax_ = 0;  // the largest |level| as a text writes it
  long depenseEtale_ = 0;
  Table t_;
};

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

LevelPoints collectLevelPoints(TExpress& e, const LevelSearch& p, SearchMethod m) {
  if (e.CompileError()) return {};
  return Collecte(e, p, m).run();
}

LevelPoints collectLevelPoints(const std::shared_ptr<const expr::CompiledFormula>& formule,
                               const LevelSearch& p, LignesGardees& gardees) {
  if (!formule) return {};
  if (!gardees.etat_) gardees.etat_ = std::make_unique<LignesGardees::Etat>();
  LignesGardees::Etat& g = *gardees.etat_;
  g.pour(formule, p);
  return Collecte(*g.e, p, SearchMethod::cached, &g).run();
}

LevelSearch levelLinesSearch(const EntreesFonction& s) {
  const int p = std::clamp(s.precision, 3, 12);
  LevelSearch r;
  r.xmin = s.xmin, r.xmax = s.xmax, r.ymin = s.ymin, r.ymax = s.ymax;
  r.pasx = std::fabs(s.xmax - s.xmin) / (10 * p);
  r.pasy = std::fabs(s.ymax - s.ymin) / (10 * p);
  r.levels = levelSequence(s.zmin, s.zmax, s.gradz);
  return r;
}

void appendLevelSegments(DrawList& d, const std::vector<PointNiveau>& p, extended gx, extended gy,
                         extended gz) {
  const auto seuil = static_cast<double>((gx * gx + gy * gy + gz * gz) / 9);
  const std::vector<Segment> segments = joinLevelPoints(p, seuil);
  if (segments.empty()) return;
  d.reserve(d.size() + segments.size() * 2 + 2);
  d.begin(gl::LINES);
  for (const auto& [a, b] : segments) {
    for (const PointNiveau& q : {p[a], p[b]})
      d.vertex(static_cast<double>(q.x / gx), static_cast<double>(q.y / gy),
               static_cast<double>(q.z / gz));
  }
  d.end();
}

}  // namespace quadrel
