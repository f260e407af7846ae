#include "surfaces/jonction.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "matutil.h"
#include "surfaces/niveaux.h"

namespace quadrel {
namespace {

// The plain way: every point scans the whole table twice, entry 0 standing for "no
// neighbour" at (10000, 10000, 10000). Indices here are 1-based like the table's.
std::vector<Segment> joinQuadratic(const std::vector<PointNiveau>& pts, double seuil) {
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
  std::vector<Segment> out;
  for (int m = 1; m <= n; ++m) {
    for (int essai = 0; essai < 2; ++essai) {
      if (!libre(m)) continue;
      int x = 0;
      for (int j = 1; j <= n; ++j) {
        if (j != m && j != x && t[j].z == t[m].z && d(m, j) < d(m, x) && d(m, j) < seuil &&
            !lie(m, j) && !lie(j, m) && libre(j))
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

struct Cas {
  std::string formule;
  extended gx = 1, gy = 1, gz = 1;
  int precision = 3;
};

std::vector<PointNiveau> pointsDe(const Cas& c) {
  Scene s;
  s.gradx = c.gx, s.grady = c.gy, s.gradz = c.gz;
  s.precision = c.precision;
  TExpress e;
  e.setExpression(normalise(c.formule));
  EXPECT_FALSE(e.CompileError()) << c.formule;
  return collectLevelPoints(s, e.Expression());
}

double seuilDe(const Cas& c) {
  return static_cast<double>((c.gx * c.gx + c.gy * c.gy + c.gz * c.gz) / 9);
}

class JoinFormulas : public testing::TestWithParam<Cas> {};

TEST_P(JoinFormulas, GridGivesTheSegmentsOfTheFullScanInOrder) {
  const auto p = pointsDe(GetParam());
  ASSERT_GT(p.size(), 10u);
  const double seuil = seuilDe(GetParam());
  const auto attendu = joinQuadratic(p, seuil);
  EXPECT_FALSE(attendu.empty());
  EXPECT_EQ(joinLevelPoints(p, seuil), attendu);
}

INSTANTIATE_TEST_SUITE_P(Formules, JoinFormulas,
                         testing::Values(Cas{"x\xB2+y\xB2"}, Cas{"x\xB2+y\xB2", 1, 1, 1, 12},
                                         Cas{"sin(x)cos(y)", 1, 1, 0.25L, 12},
                                         Cas{"xy", 0.5L, 2, 1, 6}, Cas{"y\xB2"}, Cas{"x"},
                                         Cas{"1/x+y", 1, 1, 1, 8},
                                         Cas{"V(9-x\xB2-y\xB2)", 2, 2, 0.5L, 5},
                                         Cas{"x\xB2-y\xB2", 1, 1, 0.5L, 12}));

TEST(Join, TiesAndDuplicatesOnAGridOfPoints) {
  // Whole-number points give many equal distances, so the earliest-index rule decides.
  std::mt19937 alea(7);
  std::uniform_int_distribution<int> coord(-6, 6), niveau(0, 2);
  for (const double pas : {0.25, 0.3, 0.5}) {
    std::vector<PointNiveau> p;
    for (int k = 0; k < 1500; ++k)
      p.push_back({coord(alea) * pas, coord(alea) * pas, static_cast<double>(niveau(alea))});
    for (const double seuil : {1.0 / 3, 0.1, 0.0625, 0.09, 4.0})
      EXPECT_EQ(joinLevelPoints(p, seuil), joinQuadratic(p, seuil)) << pas << " " << seuil;
  }
}

TEST(Join, FarPointsAndSentinelDistance) {
  std::mt19937 alea(11);
  std::uniform_real_distribution<double> c(9999.0, 10001.0);
  std::vector<PointNiveau> p;
  for (int k = 0; k < 800; ++k) p.push_back({c(alea), c(alea), 0});
  p.push_back({10000, 10000, 0});  // on the no-neighbour marker: never joined
  for (const double seuil : {1.0 / 3, 0.01})
    EXPECT_EQ(joinLevelPoints(p, seuil), joinQuadratic(p, seuil));
}

TEST(Join, ChainOfPoints) {
  const std::vector<PointNiveau> p = {{0, 0, 1}, {0.3, 0, 1}, {0.6, 0, 1}, {0.3, 0, 2}};
  EXPECT_EQ(joinLevelPoints(p, 1.0 / 3), (std::vector<Segment>{{0, 1}, {1, 2}}));
  EXPECT_TRUE(joinLevelPoints(p, 0).empty());
  EXPECT_TRUE(joinLevelPoints({}, 1).empty());
}

}  // namespace
}  // namespace quadrel
