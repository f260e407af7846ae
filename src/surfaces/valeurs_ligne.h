// The values a root search on one grid line reads: F(t) = f(t, fixed) - k (or f(fixed, t) - k)
// and its derivative as derivee computes it. ValeursDirectes evaluates each value when asked;
// ValeursEnCache keeps f along the line across the levels and the three scans, so that a
// value is computed once. Both return the same numbers: the caching changes no arithmetic.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "matutil.h"
#include "parsor.h"
#include "root_scan.h"

namespace quadrel {

// The sampling step for `wanted` on [lower, upper]: coarser when the interval would hold
// more than maxIntervals samples.
inline extended samplingStep(extended lower, extended upper, extended wanted, long maxIntervals) {
  const extended least = (upper - lower) / maxIntervals;
  return wanted < least ? least : wanted;
}

// The formula along one line: t is x (enX) or y, the other variable fixed.
struct Droite {
  bool enX;
  extended fixe;
};

// f at one point, with the engine's error flag.
struct Brut {
  extended v = 0;
  bool erreur = false;
};

inline Brut evaluer(TExpress& e, const Droite& f, extended t) {
  const extended v = f.enX ? e.Evaluate(t, f.fixe, 0) : e.Evaluate(f.fixe, t, 0);
  return {v, erreurcalcul};
}

// f at n points t of the line, in one call to the engine (the same values and flags).
inline void evaluerLigne(TExpress& e, const Droite& f, const extended* t, std::size_t n,
                         extended* v, bool* erreurs) {
  e.EvaluateAlong(f.enX ? 0 : 1, t, n, f.fixe, f.fixe, 0, v, erreurs);
}

// f - k as the text "f-(k)" computes it: undefined where f is, and where the difference
// overflows.
inline Brut moinsNiveau(const Brut& b, extended k) {
  if (b.erreur) return {valeurerreur, true};
  const extended d = b.v - k;
  if (!std::isfinite(d)) return {valeurerreur, true};
  return {d, false};
}

// derivee's slope from F at t and at t + its step.
inline extended pente(const Brut& f0, const Brut& f1) {
  return slopeOf(f0.v, f1.v, f1.erreur);
}

class ValeursDirectes {
 public:
  ValeursDirectes(TExpress& e, const Droite& f, const Sampling& s, extended k)
      : e_(e), f_(f), k_(k), w_(sampleSequence(s)) {}

  long intervalCount() const { return static_cast<long>(w_.size()) - 1; }
  extended samplePoint(long i) const { return w_[static_cast<std::size_t>(i)]; }
  bool cutShort() const { return false; }  // the line takes the sampling as far as it goes
  long nextCandidate(Scan, long i) const { return i; }
  void beginBisection(Scan, long) {}
  extended F(extended t) { return brutF(t).v; }
  extended D(extended t) { return pente(brutF(t), brutF(t + kDerivativeStep)); }
  extended gridF(long i) { return F(w_[i]); }
  extended gridD(long i) { return D(w_[i]); }

 private:
  Brut brutF(extended t) { return moinsNiveau(evaluer(e_, f_, t), k_); }

  TExpress& e_;
  const Droite f_;
  const extended k_;
  const std::vector<extended> w_;
};

// What one line keeps across the levels: f at every sample point and a step after it, and
// the points each bisection of the derivative (or of a domain border) visited, in order.
// At the next level such a bisection mostly visits the same points again: it finds them
// in its path without a look-up.
class LigneEnCache {
 public:
  struct Point {
    Brut f, fh;  // at t and at t + derivee's step
    bool avecH = false;
  };

  // `w`: the sample points (see sampleSequence), shared by the lines and kept by the caller.
  // `niveauMax`: no level searched is larger in magnitude. `places`: path points all the lines
  // of a collection may still keep (shared).
  LigneEnCache(TExpress& e, const Droite& f, const std::vector<extended>& w, extended niveauMax,
               long& places)
      : e_(e), f_(f), w_(w), niveauMax_(niveauMax), places_(places) {}

  long intervalCount() const { return static_cast<long>(w_.size()) - 1; }
  extended samplePoint(long i) const { return w_[static_cast<std::size_t>(i)]; }
  const Point& echantillon(long i) {
    remplir();
    return grille_[static_cast<std::size_t>(i)];
  }
  // The intervals of one scan that may find something at level k, in order; a few more
  // do no harm. Valid until the next call for the same scan.
  const std::vector<long>& candidats(Scan scan, extended k);

  // A bisection starts on interval i: its ends become the last points asked for, and with
  // `memoire` the points it visits are kept (or found again) in the path of (scan, i).
  void debutBissection(Scan scan, long i, bool memoire);
  // The point at t, evaluated on first use; with its value a step further when asked.
  const Point& point(extended t, bool avecH) { return de(place(t, avecH)); }
  // derivee's slope of f - k at t. A bisection asks three times for each point's: the last
  // few are kept, until the level changes.
  extended penteEn(extended t, extended k);
  // The work units of the derivative's bisection on interval i at level k, run here as the
  // root scan runs it, along the path kept for it; -1 when it would record a root, or keeps
  // no path (the scan must then run it itself).
  long tangenteSansRacine(long i, extended k);
  void nouveauNiveau() {
    for (Recent& r : recents_) r.avecD = false;
  }

 private:
  struct Cle {  // the 80 bits of t; empty: a NaN, never asked for
    std::uint64_t mantisse = 1;
    std::uint16_t exposant = 0xFFFF;
    bool operator==(const Cle&) const = default;
  };
  static Cle cle(extended t) {
    Cle c;
    std::memcpy(&c.mantisse, &t, sizeof c.mantisse);
    std::memcpy(&c.exposant, reinterpret_cast<const char*>(&t) + 8, sizeof c.exposant);
    return c;
  }
  struct Memo {
    Cle c;
    Point p;
  };
  void remplir();
  void completer(Point& p, extended t, bool avecH) {
    if (avecH && !p.avecH) evaluerH(p, t);
  }
  void evaluerH(Point& p, extended t) {
    p.fh = evaluer(e_, f_, t + kDerivativeStep);
    p.avecH = true;
  }
  // A recent point refers to where it is kept, so that a slope completed later is kept
  // for the next levels too.
  using Chemin = std::vector<Memo>;
  struct Recent {
    Cle c;
    Point* p = nullptr;  // in the grid or `propre`; in `chemin` at `indice` if given
    Chemin* chemin = nullptr;
    std::size_t indice = 0;
    extended d = 0;  // the slope at the current level, when avecD
    bool avecD = false;
    unsigned vu = 0;  // when last asked for
    Point propre;     // a point no path keeps
  };
  static Point& de(Recent& r) { return r.chemin ? (*r.chemin)[r.indice].p : *r.p; }
  Recent& recent(const Cle& c, Point* p, Chemin* chemin = nullptr, std::size_t indice = 0) {
    // The least recently asked for goes: an end a bisection keeps stays.
    Recent* r = &recents_[0];
    for (Recent& q : recents_)
      if (q.vu < r->vu) r = &q;
    r->c = c, r->p = p, r->chemin = chemin, r->indice = indice, r->avecD = false;
    r->vu = ++horloge_;
    return *r;
  }
  // Most points asked for are recent ones: found here, the rest out of line.
  Recent& place(extended t, bool avecH) {
    const Cle c = cle(t);
    for (Recent& r : recents_) {
      if (r.c == c) {
        completer(de(r), t, avecH);
        r.vu = ++horloge_;
        return r;
      }
    }
    return placeNouvelle(c, t, avecH);
  }
  Recent& placeNouvelle(const Cle& c, extended t, bool avecH);
  // The next point of path `ch` after `etape` steps, at t: the kept one, or a fork.
  Point& suivant(Chemin& ch, std::size_t& etape, extended t);

  // The sample values in double, to tell cheaply which intervals are idle at a level.
  struct Apercu {
    double f, fh, d;  // f, f a step further, the slope (f infinite: unknown)
    bool erreur;      // f or fh undefined
    bool erreurF;     // f undefined
  };

  TExpress& e_;
  const Droite f_;
  const std::vector<extended>& w_;
  // Candidates of the slopes' and the borders' scans: for every level up to niveauMax_ in
  // magnitude, computed once. Those of the sign changes are computed for each level.
  const extended niveauMax_;
  std::vector<long> candidats_[3];
  bool prets_[3] = {false, false, false};
  std::vector<Point> grille_;
  std::vector<Apercu> apercu_;
  std::unordered_map<long, Chemin> chemins_;  // by scan and interval
  Chemin* chemin_ = nullptr;                  // of the bisection running
  std::size_t etape_ = 0;
  long& places_;
  Recent recents_[4];  // the points last asked for: a bisection asks again for its ends
  unsigned horloge_ = 0;
};

inline void LigneEnCache::debutBissection(Scan scan, long i, bool memoire) {
  chemin_ = memoire && places_ > 0 ? &chemins_[i * 3 + static_cast<long>(scan)] : nullptr;
  if (chemin_ && chemin_->empty()) chemin_->reserve(48);
  etape_ = 0;
  remplir();
  for (long j : {i, i + 1}) {
    const auto u = static_cast<std::size_t>(j);
    recent(cle(w_[u]), &grille_[u]);
  }
}

inline LigneEnCache::Recent& LigneEnCache::placeNouvelle(const Cle& c, extended t, bool avecH) {
  if (!chemin_) {
    Recent& r = recent(c, nullptr);
    r.propre = Point{evaluer(e_, f_, t), {}, false};
    r.p = &r.propre;
    completer(r.propre, t, avecH);
    return r;
  }
  Chemin& ch = *chemin_;
  if (etape_ < ch.size() && ch[etape_].c == c) {
    completer(ch[etape_].p, t, avecH);
  } else {
    // The recent points past the fork go with the rest of the old path.
    for (Recent& r : recents_)
      if (r.chemin == chemin_ && r.indice >= etape_) r = Recent{};
    ch.resize(etape_);
    ch.push_back({c, Point{evaluer(e_, f_, t), {}, false}});
    --places_;
    completer(ch.back().p, t, avecH);
  }
  const std::size_t ici = etape_++;
  return recent(c, nullptr, chemin_, ici);
}

inline extended LigneEnCache::penteEn(extended t, extended k) {
  Recent& r = place(t, true);
  if (!r.avecD) {
    const Point& p = de(r);
    r.d = pente(moinsNiveau(p.f, k), moinsNiveau(p.fh, k));
    r.avecD = true;
  }
  return r.d;
}

class ValeursEnCache {
 public:
  // `budget`: the scan's, charged here for the bisections it need not run.
  ValeursEnCache(LigneEnCache& l, extended k, WorkBudget& budget) : l_(l), k_(k), budget_(budget) {
    l_.nouveauNiveau();
  }

  long intervalCount() const { return l_.intervalCount(); }
  extended samplePoint(long i) const { return l_.samplePoint(i); }
  bool cutShort() const { return false; }
  long nextCandidate(Scan scan, long i) {
    auto& c = candidats_[static_cast<int>(scan)];
    if (!c.liste) c.liste = &l_.candidats(scan, k_);
    const std::vector<long>& l = *c.liste;
    while (c.curseur < l.size() && l[c.curseur] < i) ++c.curseur;
    if (scan == Scan::tangentZero)
      while (c.curseur < l.size() && sansRacine(l[c.curseur])) ++c.curseur;
    return c.curseur < l.size() ? l[c.curseur] : intervalCount();
  }
  // The paths of the sign changes' bisections are not kept: they move with the level, while
  // the derivative's bisection follows the same path at each level.
  void beginBisection(Scan scan, long i) {
    ++bissections_;
    l_.debutBissection(scan, i, scan != Scan::signChange);
  }
  extended F(extended t) { return moinsNiveau(l_.point(t, false).f, k_).v; }
  extended D(extended t) { return l_.penteEn(t, k_); }
  extended gridF(long i) { return moinsNiveau(l_.echantillon(i).f, k_).v; }
  extended gridD(long i) {
    const LigneEnCache::Point& p = l_.echantillon(i);
    return pente(moinsNiveau(p.f, k_), moinsNiveau(p.fh, k_));
  }

 private:
  struct Candidats {
    const std::vector<long>* liste = nullptr;  // the line's, asked for at the scan's start
    std::size_t curseur = 0;
  };
  // A derivative's bisection on interval i that would record nothing is run by the line,
  // its work charged here, and the scan passes over the interval. Only while the scan would
  // surely have run it the same way: fewer than 100 roots (at most one per bisection so far),
  // and a budget that this whole search cannot spend.
  bool sansRacine(long i) {
    const long pire = 3 * (intervalCount() + 1) * (1 + kCoutBissection * 402);
    if (bissections_ >= 99 || budget_.left <= pire) return false;
    const long travail = l_.tangenteSansRacine(i, k_);
    if (travail < 0) return false;
    budget_.charge(travail);
    return true;
  }

  LigneEnCache& l_;
  const extended k_;
  WorkBudget& budget_;
  long bissections_ = 0;  // begun by the scan
  Candidats candidats_[3];
};

}  // namespace quadrel
