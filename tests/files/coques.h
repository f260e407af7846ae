// Shell checks shared by the mesh and STL tests, over triangles as double triples.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "files/mesh.h"

namespace quadrel::essai {

using P = std::array<double, 3>;
using T = std::array<P, 3>;

inline std::vector<T> triplets(const Coque& c) {
  std::vector<T> out;
  for (const TriangleMaillage& t : c.triangles) {
    T u;
    for (int k = 0; k < 3; ++k) u[k] = {t[k].x, t[k].y, t[k].z};
    out.push_back(u);
  }
  return out;
}

// Empty when every directed edge is in one triangle and its reverse in one other, and no
// triangle has a repeated vertex; else the first fault.
inline std::string fauteFermeture(const std::vector<T>& ts) {
  std::map<std::pair<P, P>, int> aretes;
  for (const T& t : ts) {
    if (t[0] == t[1] || t[1] == t[2] || t[2] == t[0]) return "repeated vertex";
    for (int k = 0; k < 3; ++k) ++aretes[{t[k], t[(k + 1) % 3]}];
  }
  for (const auto& [a, n] : aretes) {
    const auto r = aretes.find({a.second, a.first});
    if (n != 1 || r == aretes.end() || r->second != 1) return "edge not paired once";
  }
  return {};
}

// Signed volume: positive when the faces look outward.
inline double volume(const std::vector<T>& ts) {
  double v = 0;
  for (const auto& [a, b, c] : ts)
    v += a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
         a[2] * (b[0] * c[1] - b[1] * c[0]);
  return v / 6;
}

}  // namespace quadrel::essai
