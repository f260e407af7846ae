#include "surfaces/lignes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <map>
#include <set>
#include <string>

#include "matutil.h"
#include "surfaces/aides.h"
#include "surfaces/niveaux.h"
#include "surfaces/texte_nombre.h"
#include "view/glconst.h"

namespace quadrel {
namespace {

using essai::sceneAvec;

std::vector<Vec3> sommets(const DrawList& d) {
  std::vector<Vec3> out;
  for (const Primitive& p : d.primitives()) {
    EXPECT_EQ(p.mode, gl::LINES);
    EXPECT_EQ(p.vertices.size() % 2, 0u);
    out.insert(out.end(), p.vertices.begin(), p.vertices.end());
  }
  return out;
}

TEST(LevelLines, ParaboloidGivesCirclesAndParabolas) {
  for (const int precision : {3, 12}) {
    Scene s = sceneAvec("x\xB2+y\xB2", precision);
    const auto l = buildLevelLines(s);
    ASSERT_TRUE(l);
    std::set<double> niveaux;
    const auto z = sommets(l->z);
    ASSERT_GT(z.size(), 100u);
    for (const Vec3& v : z) {
      niveaux.insert(v.z);
      ASSERT_NEAR(std::hypot(v.x, v.y), std::sqrt(v.z), 1e-3) << v.x << " " << v.y;
    }
    // level 0 is the touching point at the origin
    EXPECT_TRUE(niveaux == (std::set<double>{1, 2, 3, 4}) ||
                niveaux == (std::set<double>{0, 1, 2, 3, 4}));
    // joined points are neighbours on their circle
    for (std::size_t k = 0; k < z.size(); k += 2)
      EXPECT_LT(std::hypot(z[k].x - z[k + 1].x, z[k].y - z[k + 1].y), std::sqrt(3.0) / 3);

    std::set<double> traces;
    for (const Vec3& v : sommets(l->x)) {
      traces.insert(v.x);
      ASSERT_NEAR(v.z, v.x * v.x + v.y * v.y, 1e-9);
      ASSERT_LE(v.z, 14);
    }
    EXPECT_EQ(traces, (std::set<double>{-3, -2, -1, 0, 1, 2, 3}));
    for (const Vec3& v : sommets(l->y)) ASSERT_NEAR(v.z, v.x * v.x + v.y * v.y, 1e-9);
    // the z lines work with the unlimited steps
    EXPECT_DOUBLE_EQ(static_cast<double>(levelLinesSearch(s).pasx), 8.0 / (10 * precision));
  }
}

// Every z-line vertex lies on the surface at its level: the formula is normalised once (e
// and p survive), and rows whose written-out equation would pass 255 characters are solved
// like the others.
TEST(LevelLines, ZLinesLieOnTheSurface) {
  std::string longue = "(x";
  for (int i = 1; i < 14; ++i) longue += "+x";
  longue += ")*y/14";  // x*y, with x written 14 times
  struct Cas {
    std::string formule;
    const char* memeNombreQue;  // a formula with the same curves, or null
  };
  const Cas cas[] = {{"3e(-x\xB2-y\xB2)", nullptr}, {"sin(px/4)+y/2", nullptr}, {longue, "xy"}};
  for (const Cas& c : cas) {
    Scene s = sceneAvec(c.formule, 4);
    const auto l = buildLevelLines(s);
    ASSERT_TRUE(l) << c.formule;
    TExpress e;
    e.setExpression(normalise(c.formule));
    const auto z = sommets(l->z);
    ASSERT_GT(z.size(), 50u) << c.formule;
    for (const Vec3& v : z)
      ASSERT_NEAR(static_cast<double>(e.Evaluate(v.x, v.y, 0)), v.z, 2e-3)
          << c.formule << " at " << v.x << " " << v.y;
    if (c.memeNombreQue) {
      Scene t = sceneAvec(c.memeNombreQue, 4);
      EXPECT_EQ(z.size(), sommets(buildLevelLines(t)->z).size()) << c.formule;
    }
  }
}

TEST(LevelLines, FormulaInYOnlyGivesStraightLinesAlongX) {
  Scene s = sceneAvec("y\xB2");
  const auto l = buildLevelLines(s);
  ASSERT_TRUE(l);
  const auto z = sommets(l->z);
  ASSERT_FALSE(z.empty());
  std::set<double> xs;
  for (std::size_t k = 0; k < z.size(); k += 2) {
    ASSERT_NEAR(std::fabs(z[k].y), std::sqrt(z[k].z), 1e-3);
    if (z[k].z == 0) continue;  // the touching zero is found at 0 and +-0.0001
    EXPECT_EQ(z[k].y, z[k + 1].y);
    EXPECT_EQ(z[k].z, z[k + 1].z);
    xs.insert(z[k].x);
  }
  EXPECT_NEAR(*std::next(xs.begin()) - *xs.begin(), 8.0 / 30 / 4, 1e-12);  // pasx / 4
  // Each line is drawn whole, once: its segments add up to its span (no gaps, no overlap).
  std::map<std::pair<double, double>, std::array<double, 3>> lignes;  // length, min, max
  for (std::size_t k = 0; k < z.size(); k += 2) {
    if (z[k].z == 0) continue;
    auto [it, neuf] = lignes.try_emplace({z[k].y, z[k].z}, std::array<double, 3>{0, 1e9, -1e9});
    auto& [longueur, bas, haut] = it->second;
    longueur += std::fabs(z[k + 1].x - z[k].x);
    bas = std::min({bas, z[k].x, z[k + 1].x}), haut = std::max({haut, z[k].x, z[k + 1].x});
  }
  for (const auto& [cle, l] : lignes) EXPECT_NEAR(l[0], l[2] - l[1], 1e-9) << cle.first;
}

TEST(LevelLines, FormulaInXOnlyGivesStraightLinesAlongY) {
  Scene s = sceneAvec("e(x)");  // the x of exp is not the variable; x is
  const auto l = buildLevelLines(s);
  ASSERT_TRUE(l);
  const auto z = sommets(l->z);
  ASSERT_FALSE(z.empty());
  for (std::size_t k = 0; k < z.size(); k += 2) {
    ASSERT_NEAR(z[k].x, std::log(z[k].z), 1e-3);
    EXPECT_EQ(z[k].x, z[k + 1].x);
  }
}

TEST(LevelLines, NoVariableGivesNoZLines) {
  for (const char* f : {"2", "p", "e"}) {
    Scene s = sceneAvec(f);
    const auto l = buildLevelLines(s);
    ASSERT_TRUE(l) << f;
    EXPECT_EQ(l->z.count(Op::Vertex), 0u) << f;
    EXPECT_GT(l->x.count(Op::Vertex), 0u) << f;
  }
}

TEST(LevelLines, LevelAtTheFirstGraduationPastZmaxIsSolved) {
  Scene s = sceneAvec("x\xB2+y\xB2");
  s.zmax = 3.5L;
  const auto l = buildLevelLines(s);
  ASSERT_TRUE(l);
  std::set<double> niveaux;
  for (const Vec3& v : sommets(l->z))
    if (v.z > 0) niveaux.insert(v.z);
  EXPECT_EQ(niveaux, (std::set<double>{1, 2, 3, 4}));
}

TEST(LevelLines, NotCompilingOrNotAcceptedGivesNothing) {
  Scene s = sceneAvec("x*+");
  EXPECT_FALSE(buildLevelLines(s));
  essai::poseFormule(s, "x\xB2");
  for (const EtatChamp e : {EtatChamp::attente, EtatChamp::refuse}) {
    s.etatformule = e;
    EXPECT_FALSE(buildLevelLines(s));
  }
}

TEST(LevelLines, ListsCarryTheLineState) {
  Scene s = sceneAvec("x*y");
  const auto l = buildLevelLines(s);
  ASSERT_TRUE(l);
  for (const DrawList* d : {&l->x, &l->y, &l->z}) {
    EXPECT_EQ((*d)[0].op, Op::PushMatrix);
    EXPECT_EQ(d->count(Op::Disable, gl::LIGHTING), 1u);
    EXPECT_EQ(d->filter(Op::PolygonMode).at(0).i[1], gl::LINE);
    EXPECT_EQ(d->filter(Op::LineWidth).at(0).d[0], 2);
    EXPECT_EQ((*d)[d->size() - 1].op, Op::PopMatrix);
  }
}

TEST(LevelLines, GraduationTwoOnYWalksEvery0533UserUnits) {
  Scene s = sceneAvec("x+y");
  s.grady = 2;
  EXPECT_NEAR(static_cast<double>(walkStepY(s)), 0.2667, 1e-4);
  const auto l = buildLevelLines(s);
  ASSERT_TRUE(l);
  const auto x = sommets(l->x);
  ASSERT_FALSE(x.empty());
  EXPECT_NEAR((x[1].y - x[0].y) * 2, 0.5333, 1e-4);
}

TEST(LevelLines, RangeLeavingZeroOutStillGetsItsTraces) {
  Scene s = sceneAvec("x+y");
  s.xmin = 1, s.xmax = 5;
  const auto l = buildLevelLines(s);
  ASSERT_TRUE(l);
  std::set<double> traces;
  for (const Vec3& v : sommets(l->x)) traces.insert(v.x);
  EXPECT_EQ(traces, (std::set<double>{1, 2, 3, 4, 5}));
  essai::poseFormule(s, "y");  // stays inside the z range out there
  s.xmin = -1e6L - 2, s.xmax = -1e6L;
  const auto loin = buildLevelLines(s);
  ASSERT_TRUE(loin);
  traces.clear();
  for (const Vec3& v : sommets(loin->x)) traces.insert(v.x);
  EXPECT_EQ(traces, (std::set<double>{-1e6 - 2, -1e6 - 1, -1e6}));
}

TEST(LevelLines, TinyGraduationsStayWithinTheWalkBudget) {
  Scene s = sceneAvec("x+y", 12);
  s.gradx = s.grady = 0.001L;
  const auto l = buildLevelLines(s);
  ASSERT_TRUE(l);
  EXPECT_LE(static_cast<long>(l->x.count(Op::Vertex)), 2 * kMaxPasMarche);
  EXPECT_LE(static_cast<long>(l->y.count(Op::Vertex)), 2 * kMaxPasMarche);
}

struct Suite {
  extended zmin, zmax, gz;
  std::vector<extended> niveaux;
};

TEST(LevelSequence, UpToTheFirstPastZmaxThenDownInside) {
  const Suite cas[] = {
      {-4, 4, 1, {0, 1, 2, 3, 4, 3, 2, 1, 0, -1, -2, -3}},
      {-4, 3.5L, 1, {0, 1, 2, 3, 4, 3, 2, 1, 0, -1, -2, -3}},
      {-4, 4, 2, {0, 2, 4, 2, 0, -2}},
      {-1, 1, 3, {0, 3, 0}},
      // the box leaves 0 out: levels below the box are passed over, not an end
      {1.5L, 4, 1, {0, 2, 3, 4, 3, 2}},
      {-4, -1.5L, 1, {0, 1, -2, -3}},
      {1e6L, 1e6L + 3, 1, {0, 1e6L + 1, 1e6L + 2, 1e6L + 3, 1e6L + 2, 1e6L + 1}},
      {-1e6L - 3, -1e6L, 1, {0, 1, -1e6L - 1, -1e6L - 2}},
  };
  for (const Suite& c : cas) {
    const auto n = levelSequence(c.zmin, c.zmax, c.gz);
    EXPECT_EQ(n, c.niveaux) << static_cast<double>(c.zmin) << " " << static_cast<double>(c.zmax);
  }
  EXPECT_LE(levelSequence(-1e9L, 1e9L, 1).size(), 2u * kMaxNiveaux + 1);
}

TEST(TexteNombre, GeneralFormat15DigitsThatTheEngineReadsBack) {
  const std::pair<extended, const char*> cas[] = {
      {0, "0"},
      {-4, "-4"},
      {1.0L / 3, "0.333333333333333"},
      {-3.9333333333333333333L, "-3.93333333333333"},
      {1.2e-17L, "1.2E-17"},
      {1e15L, "1E15"},
      {123456789012345678.0L, "1.23456789012346E17"},
  };
  // a decimal comma in the process locale must change nothing
  const char* avant = std::setlocale(LC_ALL, nullptr);
  const std::string sauve = avant ? avant : "C";
  std::setlocale(LC_ALL, "fr_FR.UTF-8");
  for (const auto& [v, texte] : cas) {
    EXPECT_EQ(texteNombre(v), texte);
    TExpress e;
    e.setExpression(normalise("x-(" + texteNombre(v) + ")"));
    ASSERT_FALSE(e.CompileError()) << texte;
    EXPECT_NEAR(static_cast<double>(e.Evaluate(v, 0, 0)), 0, 1e-14 * std::fabs((double)v));
  }
  std::setlocale(LC_ALL, sauve.c_str());
}

}  // namespace
}  // namespace quadrel
