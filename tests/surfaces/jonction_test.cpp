#include "surfaces/jonction.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "matutil.h"
#include "surfaces/aides.h"
#include "surfaces/niveaux.h"

namespace quadrel {
namespace {

using essai::joinQuadratic;

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
  return collectLevelPoints(e, levelLinesSearch(s)).points;
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
  // Points closer than the reach go on as one line, never as closed triangles of three.
  const std::vector<PointNiveau> ligne = {{0, 0, 1}, {0, 0.1, 1}, {0, 0.2, 1}, {0, 0.3, 1}};
  EXPECT_EQ(joinLevelPoints(ligne, 1.0 / 3), (std::vector<Segment>{{0, 1}, {1, 2}, {2, 3}}));
  EXPECT_TRUE(joinLevelPoints(p, 0).empty());
  EXPECT_TRUE(joinLevelPoints({}, 1).empty());
}

}  // namespace
}  // namespace quadrel
