#include "surfaces/niveaux.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "matutil.h"
#include "surfaces/texte_nombre.h"

namespace quadrel {
namespace {

// Every single-letter name `from` replaced by `to` (so the x of exp stays).
std::string remplaceVariable(const std::string& f, char from, const std::string& to) {
  std::string out;
  for (std::size_t i = 0; i < f.size();) {
    std::size_t j = i;
    while (j < f.size() && std::isalpha(static_cast<unsigned char>(f[j]))) ++j;
    if (j == i) {
      out += f[i++];
      continue;
    }
    out += (j - i == 1 && f[i] == from) ? to : f.substr(i, j - i);
    i = j;
  }
  return out;
}

// The collection done plainly: every row and level searched, uniqueness by a full scan.
std::vector<PointNiveau> collectePlain(const Scene& s, const std::string& f) {
  const extended pasx = std::fabs(s.xmax - s.xmin) / (10 * s.precision);
  const extended pasy = std::fabs(s.ymax - s.ymin) / (10 * s.precision);
  const std::string echange = remplaceVariable(remplaceVariable(f, 'x', "Q"), 'y', "x");
  std::vector<PointNiveau> t;
  auto ajoute = [&](extended x, extended y, extended z) {
    const PointNiveau p{double(x), double(y), double(z)};
    for (const PointNiveau& q : t)
      if (q.x == p.x && q.y == p.y && q.z == p.z) return;
    t.push_back(p);
  };
  for (const bool enX : {true, false}) {
    for (const extended k : levelSequence(s.zmin, s.zmax, s.gradz)) {
      extended v = enX ? s.ymin : s.xmin;
      for (int n = 0; v < (enX ? s.ymax : s.xmax) && n < 1000 && t.size() < 6000;
           ++n, v += enX ? pasy : pasx) {
        // Built by appending: GCC 12 at -O3 warns falsely on "(" + std::string&&.
        std::string valeur = "(";
        valeur += texteNombre(v);
        valeur += ")";
        const std::string texte = normalise(
            (enX ? remplaceVariable(f, 'y', valeur) : remplaceVariable(echange, 'Q', valeur)) +
            "-(" + texteNombre(k) + ")");
        racines r;
        const bool ok = enX ? chercheracines(texte, s.xmin, s.xmax, 0.1L, r)
                            : chercheracines(texte, s.ymin, s.ymax, 0.1L, r);
        for (int i = 0; ok && i < r.count && t.size() < 6000; ++i)
          enX ? ajoute(r.value[i], v, k) : ajoute(v, r.value[i], k);
      }
    }
  }
  return t;
}

struct Cas {
  const char* formule;
  extended gz, zmin, zmax;
  int precision;
};

class Collection : public testing::TestWithParam<Cas> {};

// Levels met twice are not searched again, and uniqueness goes through a hash set: the
// table must come out the same, in the same order.
TEST_P(Collection, SameTableAsThePlainSearch) {
  Scene s;
  s.gradz = GetParam().gz, s.zmin = GetParam().zmin, s.zmax = GetParam().zmax;
  s.precision = GetParam().precision;
  TExpress e;
  e.setExpression(normalise(GetParam().formule));
  ASSERT_FALSE(e.CompileError());
  const auto rapide = collectLevelPoints(s, e.Expression());
  const auto plain = collectePlain(s, e.Expression());
  ASSERT_EQ(rapide.size(), plain.size());
  ASSERT_GT(rapide.size(), 10u);
  if (GetParam().gz == 0.05L) {
    EXPECT_EQ(rapide.size(), static_cast<std::size_t>(kMaxPoints));
  }
  for (std::size_t i = 0; i < plain.size(); ++i) {
    ASSERT_EQ(rapide[i].x, plain[i].x) << i;
    ASSERT_EQ(rapide[i].y, plain[i].y) << i;
    ASSERT_EQ(rapide[i].z, plain[i].z) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Formules, Collection,
                         testing::Values(Cas{"x\xB2+y\xB2", 1, -4, 4, 3},
                                         Cas{"e(x/4)cos(y)", 0.3L, -2, 2, 3},  // inexact levels
                                         Cas{"xy", 0.7L, -4, 4, 4},
                                         Cas{"sin(x)+y/2", 0.05L, -1, 1, 8}));  // a full table

}  // namespace
}  // namespace quadrel
