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

#include "parsor.h"
#include "surfaces/racines_ligne.h"

namespace quadrel {

// The formula along one line: t is x (enX) or y, the other variable fixed.
struct Fonction {
  bool enX;
  extended fixe;
};

// f at one point, with the engine's error flag.
struct Brut {
  extended v = 0;
  bool erreur = false;
};

inline Brut evaluer(TExpress& e, const Fonction& f, extended t) {
  const extended v = f.enX ? e.Evaluate(t, f.fixe, 0) : e.Evaluate(f.fixe, t, 0);
  return {v, erreurcalcul};
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
  constexpr extended echec = 1e8L;
  if (f1.erreur) return echec;
  const extended slope = (f1.v - f0.v) / kPasDerivee;
  if (!std::isfinite(slope)) return echec;
  return slope;
}

// The sample points of a search, as its scan visits them, plus the end of the last interval.
inline std::vector<extended> pointsEchantillon(const Sampling& s) {
  std::vector<extended> w;
  extended t = s.lower;
  for (long i = 1;; ++i) {
    w.push_back(t);
    const extended next = t + s.step;
    if (next == t || i >= s.maxIntervals || !(next < s.upper)) {
      w.push_back(next);
      return w;
    }
    t = next;
  }
}

class ValeursDirectes {
 public:
  ValeursDirectes(TExpress& e, const Fonction& f, const Sampling& s, extended k)
      : e_(e), f_(f), k_(k), w_(pointsEchantillon(s)) {}

  void beginBisection(long) {}
  void memorise(bool) {}
  extended F(extended t) { return brutF(t).v; }
  extended D(extended t) { return pente(brutF(t), brutF(t + kPasDerivee)); }
  extended gridF(long i) { return F(w_[i]); }
  extended gridD(long i) { return D(w_[i]); }

 private:
  Brut brutF(extended t) { return moinsNiveau(evaluer(e_, f_, t), k_); }

  TExpress& e_;
  const Fonction f_;
  const extended k_;
  const std::vector<extended> w_;
};

// What one line keeps across the levels: f at every sample point and a step after it, and
// the points the derivative's bisections visited.
class LigneEnCache {
 public:
  struct Point {
    Brut f, fh;  // at t and at t + derivee's step
    bool avecH = false;
  };

  LigneEnCache(TExpress& e, const Fonction& f, const Sampling& s)
      : e_(e), f_(f), w_(pointsEchantillon(s)) {}

  const Point& echantillon(long i) {
    if (grille_.empty()) {
      grille_.resize(w_.size());
      for (std::size_t j = 0; j < w_.size(); ++j) {
        grille_[j].f = evaluer(e_, f_, w_[j]);
        grille_[j].fh = evaluer(e_, f_, w_[j] + kPasDerivee);
        grille_[j].avecH = true;
      }
    }
    return grille_[static_cast<std::size_t>(i)];
  }
  // The ends of the i-th interval become the last points asked for.
  void amorcer(long i) {
    for (long j : {i, i + 1}) {
      Recent& r = recents_[prochain_];
      prochain_ = (prochain_ + 1) % 4;
      r = {cle(w_[static_cast<std::size_t>(j)]), echantillon(j), true};
    }
  }

  // The point at t, evaluated on first use; with its value a step further when asked.
  Point& point(extended t, bool memoire, bool avecH);

 private:
  struct Cle {
    std::uint64_t mantisse;
    std::uint16_t exposant;
    bool operator==(const Cle&) const = default;
  };
  struct HashCle {
    std::size_t operator()(const Cle& c) const {
      return static_cast<std::size_t>((c.mantisse ^ (std::uint64_t{c.exposant} << 48)) *
                                      0x9E3779B97F4A7C15ull);
    }
  };
  static Cle cle(extended t) {
    Cle c{};
    std::memcpy(&c.mantisse, &t, sizeof c.mantisse);
    std::memcpy(&c.exposant, reinterpret_cast<const char*>(&t) + 8, sizeof c.exposant);
    return c;
  }
  void completer(Point& p, extended t, bool avecH) {
    if (avecH && !p.avecH) {
      p.fh = evaluer(e_, f_, t + kPasDerivee);
      p.avecH = true;
    }
  }

  TExpress& e_;
  const Fonction f_;
  const std::vector<extended> w_;
  std::vector<Point> grille_;
  std::unordered_map<Cle, Point, HashCle> memoire_;
  // The last points asked for: a bisection asks again for its ends and its middle.
  struct Recent {
    Cle c{};
    Point p;
    bool plein = false;
  };
  Recent recents_[4];
  int prochain_ = 0;
};

inline LigneEnCache::Point& LigneEnCache::point(extended t, bool memoire, bool avecH) {
  const Cle c = cle(t);
  for (Recent& r : recents_) {
    if (r.plein && r.c == c) {
      completer(r.p, t, avecH);
      return r.p;
    }
  }
  Recent& r = recents_[prochain_];
  prochain_ = (prochain_ + 1) % 4;
  r.c = c;
  r.plein = true;
  if (memoire) {
    auto [it, neuf] = memoire_.try_emplace(c);
    if (neuf) it->second.f = evaluer(e_, f_, t);
    completer(it->second, t, avecH);
    r.p = it->second;
  } else {
    r.p = Point{evaluer(e_, f_, t), {}, false};
    completer(r.p, t, avecH);
  }
  return r.p;
}

class ValeursEnCache {
 public:
  ValeursEnCache(TExpress&, const Fonction&, LigneEnCache& l, extended k) : l_(l), k_(k) {}

  void beginBisection(long i) { l_.amorcer(i); }
  void memorise(bool on) { memoire_ = on; }
  extended F(extended t) { return moinsNiveau(l_.point(t, memoire_, false).f, k_).v; }
  extended D(extended t) {
    const LigneEnCache::Point& p = l_.point(t, memoire_, true);
    return pente(moinsNiveau(p.f, k_), moinsNiveau(p.fh, k_));
  }
  extended gridF(long i) { return moinsNiveau(l_.echantillon(i).f, k_).v; }
  extended gridD(long i) {
    const LigneEnCache::Point& p = l_.echantillon(i);
    return pente(moinsNiveau(p.f, k_), moinsNiveau(p.fh, k_));
  }

 private:
  LigneEnCache& l_;
  const extended k_;
  bool memoire_ = false;
};

}  // namespace quadrel
