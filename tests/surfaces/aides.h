// Shared by the surface tests and benchmarks.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "matutil.h"
#include "surfaces/jonction.h"
#include "view/scene.h"

namespace quadrel::essai {

// The function field set to `formule`, compiled as the dialog compiles it on acceptance.
inline void poseFormule(Scene& s, const std::string& formule) {
  s.formule = formule;
  s.programme = compileformule(formule);
}

// A scene whose function field holds `formule`, accepted.
inline Scene sceneAvec(const std::string& formule, int precision = 3) {
  Scene s;
  poseFormule(s, formule);
  s.etatformule = EtatChamp::accepte;
  s.precision = precision;
  return s;
}

// The same with a formula in the engine's notation, which the user's cannot always write
// (rn, rm: it reads a comma as the decimal point).
inline Scene sceneMoteur(const std::string& formule, int precision = 3) {
  Scene s = sceneAvec(formule, precision);
  s.programme = expr::CompiledFormula::compile(formule);
  return s;
}

// The plain way: every point scans the whole table twice, entry 0 standing for "no
// neighbour" at (10000, 10000, 10000). Indices here are 1-based like the table's.
inline std::vector<Segment> joinQuadratic(const std::vector<PointNiveau>& pts, double seuil) {
  const int n = static_cast<int>(pts.size());
  std::vector<PointNiveau> t(1, PointNiveau{10000, 10000, 10000});
  t.insert(t.end(), pts.begin(), pts.end());
  std::vector<std::array<int, 2>> lien(n + 1, {0, 0});
  auto d = [&](int a, int b) {
    const double dx = t[a].x - t[b].x, dy = t[a].y - t[b].y;
    return dx * dx + dy * dy;
  };
  auto libre = [&](int a) { return lien[a][0] == 0 || lien[a][1] == 0; };
  auto lie = [&](int a, int b) { return lien[a][0] == b || lien[a][1] == b; };
  auto lier = [&](int a, int b) { (lien[a][0] == 0 ? lien[a][0] : lien[a][1]) = b; };
  auto devant = [&](int a, int b) {
    const int l = lien[a][0];
    return l == 0 ||
           (t[b].x - t[a].x) * (t[l].x - t[a].x) + (t[b].y - t[a].y) * (t[l].y - t[a].y) <= 0;
  };
  std::vector<Segment> out;
  for (int m = 1; m <= n; ++m) {
    for (int essai = 0; essai < 2; ++essai) {
      if (!libre(m)) continue;
      int x = 0;
      for (int j = 1; j <= n; ++j) {
        if (j != m && j != x && t[j].z == t[m].z && d(m, j) < d(m, x) && d(m, j) < seuil &&
            !lie(m, j) && !lie(j, m) && libre(j) && devant(m, j) && devant(j, m))
          x = j;
      }
      if (x == 0) continue;
      out.emplace_back(m - 1, x - 1);
      lier(x, m);
      lier(m, x);
    }
  }
  return out;
}

}  // namespace quadrel::essai
