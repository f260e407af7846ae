#include "sections/plans.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <utility>

#include "matutil.h"
#include "program.h"
#include "sections/free_point.h"
#include "sections/memoire_plan.h"
#include "sections/plan_commun.h"
#include "sections/planz.h"
#include "sections/section_rules.h"
#include "surfaces/aides.h"
#include "surfaces/lignes.h"
#include "surfaces/surface.h"
#include "view/glconst.h"

namespace quadrel {
namespace {

using essai::sceneAvec;

// The vertices drawn after the curve's width is set (the last LineWidth 3): the curve and
// the solid's section.
std::vector<Vec3> courbe(const DrawList& d) {
  std::size_t debut = 0;
  for (std::size_t i = 0; i < d.size(); ++i)
    if (d[i].op == Op::LineWidth && d[i].d[0] == 3) debut = i;
  std::vector<Vec3> out;
  for (const Primitive& p : d.primitives())
    if (p.at > debut && p.mode == gl::LINES)
      out.insert(out.end(), p.vertices.begin(), p.vertices.end());
  return out;
}

TEST(SectionSteps, RangeOverTenPrecisionsWithAFloor) {
  const struct {
    extended lo, hi;
    int precision;
    extended pas;
  } cas[] = {{-4, 4, 3, 8.0L / 30}, {-4, 4, 12, 8.0L / 120}, {-0.5L, 0.5L, 12, 0.05L}};
  for (const auto& c : cas) {
    Scene s = sceneAvec("x", c.precision);
    s.xmin = s.ymin = c.lo;
    s.xmax = s.ymax = c.hi;
    EXPECT_DOUBLE_EQ(double(pasCourbe(s.ymin, s.ymax, s.precision)), double(c.pas));
    EXPECT_DOUBLE_EQ(double(pasCourbe(s.xmin, s.xmax, s.precision)), double(c.pas));
  }
  EXPECT_DOUBLE_EQ(double(pasCourbeZ(3)), 1.0 / 3);
  EXPECT_DOUBLE_EQ(double(pasCourbeZ(4)), 0.25);
  EXPECT_DOUBLE_EQ(double(pasCourbeZ(12)), 0.25);
}

TEST(SectionCurves, GapsOutsideTheDomainAndNothingOutsideTheFrame) {
  Scene s = sceneAvec("V(1-x\xB2-y\xB2)", 12);
  const std::vector<Vec3> v = courbe(buildPlanX(s, 0));
  ASSERT_GT(v.size(), 10u);
  for (const Vec3& p : v) {
    EXPECT_LE(std::fabs(p.y), 1.0);
    EXPECT_NEAR(p.z, std::sqrt(std::max(0.0, 1 - p.y * p.y)), 1e-6);
  }
  // x = 6 lies beyond the frame: the plane and its frame only.
  Scene t = sceneAvec("x\xB2+y\xB2");
  t.quadriqueok = true, t.typequadrique = 1, t.soltaille = 2;
  EXPECT_TRUE(courbe(buildPlanX(t, 6)).empty());
  EXPECT_EQ(buildPlanX(t, 6).count(Op::Disk), 0u);
  EXPECT_FALSE(courbe(buildPlanY(t, 1)).empty());
  // An undefined formula never reaches the list.
  t.etatformule = EtatChamp::refuse;
  EXPECT_TRUE(courbe(buildPlanY(t, 1)).empty());
}

TEST(SectionCurves, YTraceEndsExactlyOnTheFrame) {
  Scene s = sceneAvec("x+y", 3);
  const std::vector<Vec3> v = courbe(buildPlanY(s, 1));
  ASSERT_FALSE(v.empty());
  EXPECT_DOUBLE_EQ(v.front().x, -4);
  EXPECT_DOUBLE_EQ(v.back().x, 4);
  for (const Vec3& p : v) EXPECT_NEAR(p.z, p.x + 1, 1e-9);
}

TEST(GeneralPlane, CornersTraceAndSamples) {
  EXPECT_EQ(texteLigne(1, 2, -3), "-0.5*x+(1.5)");
  Scene s = sceneAvec("y");
  const std::optional<DrawList> d = buildPlanXY(s, "-0.5*x+(1.5)", 0);
  ASSERT_TRUE(d);
  const std::vector<Primitive> p = d->primitives();
  ASSERT_GE(p.size(), 3u);
  EXPECT_EQ(p[0].mode, gl::QUADS);
  const std::vector<Vec3> coins{{-4, 3.5, -4}, {-4, 3.5, 4}, {4, -0.5, 4}, {4, -0.5, -4}};
  EXPECT_EQ(p[0].vertices, coins);
  EXPECT_EQ(p[1].vertices, (std::vector<Vec3>{{-4, 3.5, 0}, {4, -0.5, 0}}));
  // f = y on the trace: z = y; samples from xmin every pasx, xmax itself not sampled.
  const std::vector<Vec3> v = courbe(*d);
  ASSERT_FALSE(v.empty());
  EXPECT_DOUBLE_EQ(v.front().x, -4);
  EXPECT_NEAR(v.back().x, 4 - double(pasCourbe(s.xmin, s.xmax, s.precision)), 1e-9);
  for (const Vec3& q : v) EXPECT_NEAR(q.z, -0.5 * q.x + 1.5, 1e-9);
  // A trace undefined at the frame's ends keeps the list as it was.
  EXPECT_FALSE(buildPlanXY(s, "ln(x)", 0));
}

TEST(SolidSections, SphereCircleAndCubeSquare) {
  const struct {
    int type;
    int axe;  // 0 x, 1 y, 2 z
    extended k, g;
    std::size_t disques, quads;
    double rayon;
  } cas[] = {
      {1, 0, 1, 1, 1, 0, std::sqrt(3.0)},
      {1, 1, -2, 1, 1, 0, 0},
      {1, 0, 3, 1, 0, 0, 0},
      {1, 0, 1, 2, 1, 0, std::sqrt(3.0) / 2},
      {2, 0, 0.5L, 1, 0, 1, 0},
      {2, 1, 0.5L, 1, 0, 1, 0},
      {2, 0, 1.5L, 1, 0, 0, 0},
  };
  for (const auto& c : cas) {
    Scene s = sceneAvec("x");
    s.quadriqueok = true;
    s.typequadrique = c.type;
    s.soltaille = 2;
    s.gradx = s.grady = s.gradz = c.g;
    DrawList d;
    sectionSolide(s, d, Axe(c.axe), c.k);
    EXPECT_EQ(d.count(Op::Disk), c.disques) << c.type << " " << c.axe << " " << double(c.k);
    EXPECT_EQ(d.count(Op::Begin, gl::QUADS), c.quads);
    if (c.disques) {
      EXPECT_NEAR(d[d.find(Op::Disk)].d[1], c.rayon, 1e-12);
    }
  }
  // Unequal graduations or no intersections: nothing.
  Scene s = sceneAvec("x");
  s.quadriqueok = true, s.typequadrique = 1, s.soltaille = 2;
  s.gradz = 2;
  EXPECT_EQ(buildPlanX(s, 0).count(Op::Disk), 0u);
  s.gradz = 1;
  EXPECT_EQ(buildPlanX(s, 0).count(Op::Disk), 1u);
  s.intersections = false;
  EXPECT_EQ(buildPlanX(s, 0).count(Op::Disk), 0u);
}

TEST(SectionPlanes, OwnClipPlaneOffAndViewOption) {
  for (const bool voir : {true, false}) {
    Scene s = sceneAvec("x\xB2+y\xB2");
    s.voirplan = voir;
    const struct {
      DrawList d;
      int clip;
    } listes[] = {{buildPlanX(s, 1), gl::CLIP_PLANE5},
                  {buildPlanY(s, 1), gl::CLIP_PLANE4},
                  {*buildPlanXY(s, "1*x+(0)", 1), gl::CLIP_PLANE5}};
    for (const auto& l : listes) {
      EXPECT_EQ(l.d[1].op, Op::Disable);
      EXPECT_EQ(l.d[1].i[0], l.clip);
      EXPECT_EQ(l.d[l.d.size() - 2].op, Op::Enable);
      EXPECT_EQ(l.d[l.d.size() - 2].i[0], l.clip);
      EXPECT_EQ(l.d.count(Op::Begin, gl::QUADS), voir ? 1u : 0u);
      EXPECT_EQ(l.d.count(Op::PolygonMode), voir ? 2u : 1u);
      EXPECT_FALSE(courbe(l.d).empty());
    }
  }
}

// Each plane is lit by its own normal, set before its rectangle, whatever was drawn last.
TEST(SectionPlanes, OwnNormalBeforeTheRectangle) {
  Scene s = sceneAvec("x\xB2+y\xB2");
  const double u = 1 / std::sqrt(5.0);  // the trace y = -x / 2 + 1.5 runs along (2, -1)
  const struct {
    DrawList d;
    std::array<double, 3> normale;
  } cas[] = {{buildPlanX(s, 1), {1, 0, 0}},
             {buildPlanY(s, 1), {0, 1, 0}},
             {buildPlanZ(s, 1), {0, 0, 1}},
             {*buildPlanXY(s, "-0.5*x+(1.5)", 1), {u, 2 * u, 0}}};
  for (const auto& c : cas) {
    const std::size_t n = c.d.find(Op::Normal);
    ASSERT_LT(n, c.d.find(Op::Begin, gl::QUADS));
    for (int i = 0; i < 3; ++i)
      EXPECT_NEAR(c.d[n].d[i], c.normale[i], 1e-12) << c.normale[0] << " " << c.normale[1];
  }
}

TEST(ZSection, LevelCurveOfTheSurface) {
  const struct {
    const char* formule;
    extended k;
    int precision;
    bool (*sur)(const Vec3&);  // every vertex lies on the expected curve
    std::size_t minimum;       // at least this many vertices (0: none at all)
  } cas[] = {
      {"x\xB2+y\xB2", 1, 3,
       [](const Vec3& v) { return std::fabs(std::hypot(v.x, v.y) - 1) < 1e-3; }, 20},
      {"x\xB2+y\xB2", 1, 12,
       [](const Vec3& v) { return std::fabs(std::hypot(v.x, v.y) - 1) < 1e-3; }, 20},
      {"y", 2, 3, [](const Vec3& v) { return std::fabs(v.y - 2) < 1e-9; }, 40},
      {"3", 3, 3, [](const Vec3&) { return false; }, 0},
      {"x\xB2+y\xB2", 10, 3,
       [](const Vec3& v) { return std::fabs(std::hypot(v.x, v.y) - std::sqrt(10.0)) < 1e-3; }, 20},
  };
  for (const auto& c : cas) {
    Scene s = sceneAvec(c.formule, c.precision);
    const std::vector<Vec3> v = courbe(buildPlanZ(s, c.k));
    EXPECT_EQ(v.empty(), c.minimum == 0) << c.formule << " " << double(c.k);
    EXPECT_GE(v.size(), c.minimum);
    for (const Vec3& p : v) {
      EXPECT_TRUE(c.sur(p)) << c.formule << " (" << p.x << ", " << p.y << ")";
      EXPECT_DOUBLE_EQ(p.z, double(c.k));
    }
  }
  // The line y = 2 of f = y: points every pasx / 2 along x, one polyline.
  Scene s = sceneAvec("y", 3);
  const std::vector<Vec3> v = courbe(buildPlanZ(s, 2));
  std::set<double> xs;
  for (const Vec3& p : v) xs.insert(p.x);
  ASSERT_EQ(xs.size(), 48u);
  double avant = -4 - 1.0 / 6;
  for (double x : xs) EXPECT_NEAR(x - std::exchange(avant, x), 1.0 / 6, 1e-9);
}

TEST(ZSection, PlaneFrameSolidAndOwnClip) {
  for (const bool voir : {true, false}) {
    Scene s = sceneAvec("x\xB2+y\xB2");
    s.voirplan = voir;
    s.quadriqueok = true, s.typequadrique = 1, s.soltaille = 2;
    const DrawList d = buildPlanZ(s, 1);
    EXPECT_EQ(d[1].op, Op::Disable);
    EXPECT_EQ(d[1].i[0], gl::CLIP_PLANE2);
    EXPECT_EQ(d[d.size() - 2].op, Op::Enable);
    EXPECT_EQ(d.count(Op::Begin, gl::QUADS), voir ? 1u : 0u);
    EXPECT_EQ(d.count(Op::PolygonMode, gl::FRONT_AND_BACK), 2u);  // fill, then lines always
    ASSERT_EQ(d.count(Op::Disk), 1u);
    EXPECT_NEAR(d[d.find(Op::Disk)].d[1], std::sqrt(3.0), 1e-12);
    EXPECT_FALSE(courbe(d).empty());
    if (voir) {
      const std::vector<Vec3> coins{{-4, -4, 1}, {-4, 4, 1}, {4, 4, 1}, {4, -4, 1}};
      EXPECT_EQ(d.primitives()[0].vertices, coins);
    }
  }
  // Beyond the frame the curve is still searched, the solid's section not drawn.
  Scene s = sceneAvec("x\xB2+y\xB2");
  s.quadriqueok = true, s.typequadrique = 2, s.soltaille = 30;
  EXPECT_EQ(buildPlanZ(s, 10).count(Op::Begin, gl::QUADS), 1u);  // the plane only
}

// Frames within +-100 with graduations of 0.1 and more: the bounded search gives exactly
// the points of the search without a budget on the grid of step max(1 / p, 0.25).
TEST(ZSection, BudgetLeavesOrdinaryFramesAlone) {
  const struct {
    extended lo, hi, g;
    const char* formule;
  } cas[] = {
      {-4, 4, 1, "sin(x)*cos(y)"},      {-4, 4, 1, "sin(x*y)"},
      {-10, 10, 0.5L, "sin(x*y)"},      {-10, 10, 0.5L, "V(x\xB2-y)"},
      {-100, 100, 0.1L, "x\xB2+y\xB2"}, {-100, 100, 0.1L, "sin(x*y)"},
      {-100, 100, 10, "1/(x*y)"},       {0, 100, 1, "x*y/10"},
  };
  for (const auto& c : cas) {
    Scene s = sceneAvec(c.formule, 12);
    s.xmin = s.ymin = s.zmin = c.lo;
    s.xmax = s.ymax = s.zmax = c.hi;
    s.gradx = s.grady = s.gradz = c.g;
    TExpress e;
    e.setExpression(normalise(s.formule));
    LevelSearch sans = sectionZSearch(s, 0.5L);
    sans.pasx = sans.pasy = pasCourbeZ(s.precision);
    sans.budget = 1L << 50, sans.budgetEtale = 0;
    const LevelPoints r = collectLevelPoints(e, sectionZSearch(s, 0.5L));
    const LevelPoints ref = collectLevelPoints(e, sans);
    EXPECT_TRUE(r.complete) << c.formule << " " << double(c.hi);
    ASSERT_EQ(r.points.size(), ref.points.size()) << c.formule << " " << double(c.hi);
    for (std::size_t i = 0; i < r.points.size(); ++i) {
      EXPECT_EQ(r.points[i].x, ref.points[i].x);
      EXPECT_EQ(r.points[i].y, ref.points[i].y);
    }
  }
}

// Past its budget the search starts again over rows and columns spread across the whole
// frame: fewer points, all inside, rows and columns on both sides, for bounded work.
TEST(ZSection, PastTheBudgetCoarserOverTheWholeFrame) {
  Scene s = sceneAvec("sin(x*y)", 12);
  s.xmin = s.ymin = s.zmin = -1e6L;
  s.xmax = s.ymax = s.zmax = 1e6L;
  s.gradx = s.grady = s.gradz = 0.001L;
  TExpress e;
  e.setExpression(normalise(s.formule));
  const LevelPoints r = collectLevelPoints(e, sectionZSearch(s, 0.5L));
  EXPECT_TRUE(r.etale);
  EXPECT_LT(r.work, kBudgetSectionZLarge * 4 / 3 + 100000);
  ASSERT_FALSE(r.points.empty());
  int moities[2] = {};  // rows above the middle, columns right of it
  for (const PointNiveau& p : r.points) {
    ASSERT_LE(std::fabs(p.x), 1e6);
    ASSERT_LE(std::fabs(p.y), 1e6);
    moities[0] += p.y > 0;
    moities[1] += p.x > 0;
  }
  EXPECT_GT(moities[0], 0);
  EXPECT_GT(moities[1], 0);
  // A circle of radius 1e5 in the middle of the frame: rows spread over the whole frame
  // meet it (the first 1000 rows from the frame's edge would not).
  e.setExpression(normalise("(x/100000)\xB2+(y/100000)\xB2"));
  const LevelPoints c = collectLevelPoints(e, sectionZSearch(s, 1));
  EXPECT_FALSE(c.points.empty());
  for (const PointNiveau& p : c.points) EXPECT_NEAR(std::hypot(p.x, p.y), 1e5, 1e-2);
}

// A list is kept only for the very inputs it was built from, never for random formulas.
TEST(SectionMemory, UnchangedInputsOnly) {
  const struct {
    const char* formule;
    void (*change)(Scene&);
    int genre;
    extended k;
    bool garde;
  } cas[] = {
      {"x\xB2+y\xB2", [](Scene&) {}, 3, 1, true},
      {"x\xB2+y\xB2", [](Scene&) {}, 3, 1.5L, false},
      {"x\xB2+y\xB2", [](Scene&) {}, 1, 1, false},  // another kind's list
      {"x\xB2+y\xB2", [](Scene& s) { s.precision = 4; }, 3, 1, false},
      {"x\xB2+y\xB2", [](Scene& s) { s.soltaille = 2; }, 3, 1, false},
      {"x\xB2+y\xB2", [](Scene& s) { s.inclinaison = 30; }, 3, 1, true},
  };
  for (const auto& c : cas) {
    Scene s = sceneAvec(c.formule);
    MemoirePlan m;
    EXPECT_FALSE(m.inchange(s, 3, 1));
    c.change(s);
    EXPECT_EQ(m.inchange(s, c.genre, c.k), c.garde) << c.formule;
  }
  Scene s = essai::sceneMoteur("x+rn(1,2)");
  MemoirePlan m;
  EXPECT_FALSE(m.inchange(s, 3, 1));
  EXPECT_FALSE(m.inchange(s, 3, 1));
}

// Every builder evaluates the program compiled when the formula was accepted: none compiles
// it again (the general plane compiles its own trace line, once).
TEST(Builders, EvaluateTheAcceptedProgramWithoutCompilingIt) {
  const struct {
    const char* quoi;
    void (*construit)(Scene&);
    long compilations;
  } cas[] = {
      {"surface", [](Scene& s) { buildSurface(s); }, 0},
      {"level lines", [](Scene& s) { buildLevelLines(s); }, 0},
      {"x = k", [](Scene& s) { buildPlanX(s, 1); }, 0},
      {"y = k", [](Scene& s) { buildPlanY(s, 1); }, 0},
      {"z = k", [](Scene& s) { buildPlanZ(s, 0.5L); }, 0},
      {"general plane", [](Scene& s) { buildPlanXY(s, texteLigne(1, 2, 0), 0.5L); }, 1},
      {"free point",
       [](Scene& s) {
         positionDepart(s);
         hauteurpoint(s);
       },
       0},
      {"section memory", [](Scene& s) { MemoirePlan().inchange(s, 3, 1); }, 0},
  };
  for (const auto& c : cas) {
    Scene s = essai::sceneMoteur("sin(x)*cos(y)+rn(1,2)/100");
    ASSERT_TRUE(s.programme);
    const long avant = expr::compileCount();
    c.construit(s);
    EXPECT_EQ(expr::compileCount() - avant, c.compilations) << c.quoi;
  }
}

}  // namespace
}  // namespace quadrel
