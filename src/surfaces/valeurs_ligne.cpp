#include "surfaces/valeurs_ligne.h"

#include <cmath>
#include <memory>

namespace quadrel {

namespace {

// Bounds on how far the double copies may be from the search's extended arithmetic, taken
// ten times wider than the rounding can reach: an interval is skipped only when it is
// idle beyond doubt. For values: the rounding to double.
double marge(double a, double b, double k) {
  return 1e-14 * (std::fabs(a) + std::fabs(b) + std::fabs(k)) + 1e-300;
}

// For slopes: f - k and f(t + h) - k are rounded (2^-64 relative) before their difference
// is divided by h = 1e-9; and the slope itself rounded to double.
double margePente(const double f, double fh, double d, double k) {
  return 1e-9 * (std::fabs(f) + std::fabs(fh) + 2 * std::fabs(k)) + 1e-14 * std::fabs(d) + 1e-12;
}

}  // namespace

void LigneEnCache::remplir() {
  if (!grille_.empty()) return;
  const std::size_t n = w_.size();
  grille_.resize(n);
  apercu_.resize(n);
  // Two rows: f at the samples, then a step after each (the formulas searched here draw no
  // random numbers, so the order of the evaluations does not matter).
  std::vector<extended> apres(n), v(2 * n);
  const auto erreurs = std::make_unique<bool[]>(2 * n);
  for (std::size_t j = 0; j < n; ++j) apres[j] = w_[j] + kDerivativeStep;
  evaluerLigne(e_, f_, w_.data(), n, v.data(), erreurs.get());
  evaluerLigne(e_, f_, apres.data(), n, v.data() + n, erreurs.get() + n);
  for (std::size_t j = 0; j < n; ++j) {
    Point& p = grille_[j];
    p.f = {v[j], erreurs[j]};
    p.fh = {v[n + j], erreurs[n + j]};
    p.avecH = true;
    const bool erreur = p.f.erreur || p.fh.erreur;
    const extended d = erreur ? 0 : (p.fh.v - p.f.v) / kDerivativeStep;
    apercu_[j] = {static_cast<double>(p.f.v), static_cast<double>(p.fh.v), static_cast<double>(d),
                  erreur, p.f.erreur};
  }
}

const std::vector<long>& LigneEnCache::candidats(Scan scan, extended k) {
  remplir();
  const auto s = static_cast<std::size_t>(scan);
  std::vector<long>& out = candidats_[s];
  // The slopes' and the borders' tests only widen with |k|: taken at niveauMax_, they hold
  // for every level.
  const bool pourTous = scan != Scan::signChange && std::fabs(k) <= niveauMax_;
  if (pourTous && prets_[s]) return out;
  prets_[s] = pourTous;
  const double kd = static_cast<double>(pourTous ? niveauMax_ : k);
  const long n = intervalCount();
  out.clear();
  auto connu = [](const Apercu& a) {
    return !a.erreur && std::isfinite(a.f) && std::isfinite(a.fh) && std::isfinite(a.d);
  };
  for (long i = 0; i < n; ++i) {
    const Apercu& a = apercu_[static_cast<std::size_t>(i)];
    const Apercu& b = apercu_[static_cast<std::size_t>(i + 1)];
    bool candidat = true;
    switch (scan) {
      case Scan::signChange: {
        // Both values defined, within 10 of k, k between them.
        if (a.erreurF || b.erreurF) {
          candidat = false;
          break;
        }
        if (!std::isfinite(a.f) || !std::isfinite(b.f)) break;
        const double m = marge(a.f, b.f, kd);
        candidat = std::fmin(a.f, b.f) - m <= kd && kd <= std::fmax(a.f, b.f) + m &&
                   std::fabs(a.f - kd) < 10 + m && std::fabs(b.f - kd) < 10 + m;
        break;
      }
      case Scan::tangentZero: {
        // Both slopes below 15, of opposite signs (or one of them nearly 0).
        if (!connu(a) || !connu(b)) break;
        const double ma = margePente(a.f, a.fh, a.d, kd);
        const double mb = margePente(b.f, b.fh, b.d, kd);
        candidat = std::fabs(a.d) < 15 + ma && std::fabs(b.d) < 15 + mb &&
                   (a.d * b.d <= 0 || std::fabs(a.d) <= ma || std::fabs(b.d) <= mb);
        break;
      }
      case Scan::domainBorder: {
        // f - k undefined at one end only; near valeurerreur it may be so by value, for
        // some level within kd of 0 (the last term covers the rounding).
        auto peutEtreErreur = [&](const Apercu& p) {
          if (p.erreurF || !std::isfinite(p.f)) return true;
          const double s = static_cast<double>(valeurerreur);
          return std::fabs(p.f - s) <= std::fabs(kd) + 1 + 1e-9 * std::fabs(p.f) +
                                           1e-9 * (std::fabs(p.f) + std::fabs(kd) + s);
        };
        candidat = a.erreurF != b.erreurF || (!a.erreurF && peutEtreErreur(a)) ||
                   (!b.erreurF && peutEtreErreur(b));
        break;
      }
    }
    if (candidat) out.push_back(i);
  }
  return out;
}

LigneEnCache::Point& LigneEnCache::suivant(Chemin& ch, std::size_t& etape, extended t) {
  const Cle c = cle(t);
  if (etape < ch.size() && ch[etape].c == c) return ch[etape++].p;
  for (Recent& r : recents_)
    if (r.chemin == &ch && r.indice >= etape) r = Recent{};
  ch.resize(etape++);
  ch.push_back({c, Point{evaluer(e_, f_, t), {}, false}});
  --places_;
  return ch.back().p;
}

// The steps of RootScan::bisect for the derivative (bound 15, stop at 1e-8, record at 1e-4,
// 399 iterations), each value asked for once: D at p and q is the one found when they
// became ends.
long LigneEnCache::tangenteSansRacine(long i, extended k) {
  constexpr extended S = valeurerreur;
  auto zero = [](extended v, double unite) {
    return std::fabs(static_cast<double>(v) / unite) <= 0.5;
  };
  auto d = [&](const Point& p) { return pente(moinsNiveau(p.f, k), moinsNiveau(p.fh, k)); };
  remplir();
  const auto u = static_cast<std::size_t>(i);
  extended L = d(grille_[u]), M = d(grille_[u + 1]);
  if (L == S || M == S || !(L * M <= 0) || !(std::fabs(L) < 15) || !(std::fabs(M) < 15)) return 0;
  if (places_ <= 0) return -1;
  Chemin& ch = chemins_[i * 3 + static_cast<long>(Scan::tangentZero)];
  if (ch.empty()) ch.reserve(48);
  std::size_t etape = 0;
  extended p = w_[u], q = w_[u + 1];
  Point* m = &suivant(ch, etape, (p + q) / 2);
  Brut fk = moinsNiveau(m->f, k);  // f - k at m, for F there and for D
  long travail = 0;
  for (int iterations = 1;; ++iterations) {
    travail += kCoutBissection;
    completer(*m, (p + q) / 2, true);
    const extended K = pente(fk, moinsNiveau(m->fh, k));
    const bool indefini = L == S || M == S || K == S;
    if (!indefini) {
      const extended p0 = p, q0 = q;
      bisectionStep(p, q, L, M, K);
      if (q != q0) M = K;
      if (p != p0) L = p == q0 ? M : K;
    }
    const extended mid = (p + q) / 2;
    m = &suivant(ch, etape, mid);
    fk = moinsNiveau(m->f, k);
    const extended fm = fk.v;
    if (iterations > 399 || zero(p - q, 1e-12) || zero(fm, 1e-8) || std::fabs(fm) > 15 || indefini)
      return zero(fm, 1e-4) ? -1 : travail;
  }
}

}  // namespace quadrel
