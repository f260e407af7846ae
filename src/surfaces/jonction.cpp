#include "surfaces/jonction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace quadrel {

namespace {

constexpr double kSentinelle = 10000;  // the no-neighbour marker, "infinitely far"
constexpr double kBorneCase = 1e15;    // cell indices are clamped to this (monotone)

double distance2(const PointNiveau& a, double x, double y) {
  const double dx = a.x - x, dy = a.y - y;
  return dx * dx + dy * dy;
}

struct Cle {
  int niveau;
  std::int64_t ix, iy;
  bool operator==(const Cle&) const = default;
};

struct HashCle {
  std::size_t operator()(const Cle& c) const {
    std::uint64_t h = static_cast<std::uint64_t>(c.niveau) * 0x9E3779B97F4A7C15ull;
    h ^= static_cast<std::uint64_t>(c.ix) + 0x7F4A7C159E3779B9ull + (h << 6) + (h >> 2);
    h ^= static_cast<std::uint64_t>(c.iy) + 0x94D049BB133111EBull + (h << 6) + (h >> 2);
    return static_cast<std::size_t>(h);
  }
};

class Jonction {
 public:
  Jonction(const std::vector<PointNiveau>& p, double seuil)
      : p_(p), seuil_(seuil), liens_(p.size(), {-1, -1}) {
    const double c = std::sqrt(seuil);
    grille_ = std::isfinite(c) && c > 0;
    if (grille_) remplirGrille(c);
  }

  std::vector<Segment> run() {
    std::vector<Segment> out;
    if (!(seuil_ > 0)) return out;  // nothing is ever close enough
    const int n = static_cast<int>(p_.size());
    for (int m = 0; m < n; ++m) {
      for (int essai = 0; essai < 2; ++essai) {
        if (!libre(m)) continue;
        const int x = grille_ ? partenaireGrille(m) : partenaireTable(m);
        if (x < 0) continue;
        out.emplace_back(m, x);
        lier(x, m);
        lier(m, x);
      }
    }
    return out;
  }

 private:
  bool libre(int i) const { return liens_[i][0] < 0 || liens_[i][1] < 0; }
  bool lie(int a, int b) const { return liens_[a][0] == b || liens_[a][1] == b; }
  void lier(int a, int b) { (liens_[a][0] < 0 ? liens_[a][0] : liens_[a][1]) = b; }

  std::int64_t indice(double v) const {
    const double q = std::floor(v / case_);
    if (!(q > -kBorneCase)) return static_cast<std::int64_t>(-kBorneCase);
    if (!(q < kBorneCase)) return static_cast<std::int64_t>(kBorneCase);
    return static_cast<std::int64_t>(q);
  }

  void remplirGrille(double c) {
    case_ = c;
    // Reach of a query: a little wider than the cell, so rounding never hides a point
    // that the exact distance test would accept.
    portee_ = c * (1 + 1e-6);
    for (int i = 0; i < static_cast<int>(p_.size()); ++i) {
      const PointNiveau& q = p_[i];
      if (std::isnan(q.x) || std::isnan(q.y) || std::isnan(q.z)) continue;  // never joined
      const double z = q.z + 0.0;  // -0 and +0 are the same level
      const auto [it, neuf] = niveaux_.try_emplace(z, static_cast<int>(niveaux_.size()));
      cases_[{it->second, indice(q.x), indice(q.y)}].push_back(i);
    }
  }

  // Whether j may become M's partner, and at which squared distance.
  bool candidat(int m, int j, double& d) const {
    if (j == m || p_[j].z != p_[m].z || !libre(j) || lie(m, j) || lie(j, m)) return false;
    d = distance2(p_[m], p_[j].x, p_[j].y);
    return d < seuil_ && devant(m, j) && devant(j, m);
  }

  // A point's second link goes forward: b must not lie on the side of a's first partner.
  // Without it, evenly spaced points of a straight line close into triangles of three
  // (a point takes its two nearest, both ahead of it) and the line shows as dashes.
  bool devant(int a, int b) const {
    const int l = liens_[a][0];
    if (l < 0) return true;
    const PointNiveau &pa = p_[a], &pb = p_[b], &pl = p_[l];
    return (pb.x - pa.x) * (pl.x - pa.x) + (pb.y - pa.y) * (pl.y - pa.y) <= 0;
  }

  int partenaireTable(int m) const {
    int best = -1;
    double bestd = distance2(p_[m], kSentinelle, kSentinelle);
    for (int j = 0; j < static_cast<int>(p_.size()); ++j) {
      double d;
      if (candidat(m, j, d) && d < bestd) best = j, bestd = d;
    }
    return best;
  }

  int partenaireGrille(int m) const {
    const PointNiveau& q = p_[m];
    if (std::isnan(q.x) || std::isnan(q.y) || std::isnan(q.z)) return -1;
    const int niveau = niveaux_.at(q.z + 0.0);
    int best = -1;
    double bestd = distance2(q, kSentinelle, kSentinelle);
    const std::int64_t x0 = indice(q.x - portee_), x1 = indice(q.x + portee_);
    const std::int64_t y0 = indice(q.y - portee_), y1 = indice(q.y + portee_);
    for (std::int64_t ix = x0; ix <= x1; ++ix) {
      for (std::int64_t iy = y0; iy <= y1; ++iy) {
        const auto it = cases_.find({niveau, ix, iy});
        if (it == cases_.end()) continue;
        for (int j : it->second) {
          double d;
          if (!candidat(m, j, d)) continue;
          if (d < bestd || (d == bestd && best >= 0 && j < best)) best = j, bestd = d;
        }
      }
    }
    return best;
  }

  const std::vector<PointNiveau>& p_;
  const double seuil_;
  std::vector<std::array<int, 2>> liens_;  // -1: free
  bool grille_ = false;
  double case_ = 1, portee_ = 1;
  std::unordered_map<double, int> niveaux_;
  std::unordered_map<Cle, std::vector<int>, HashCle> cases_;
};

}  // namespace

std::vector<Segment> joinLevelPoints(const std::vector<PointNiveau>& points, double seuil) {
  return Jonction(points, seuil).run();
}

}  // namespace quadrel
