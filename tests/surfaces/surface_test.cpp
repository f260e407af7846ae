#include "surfaces/surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "surfaces/aides.h"
#include "view/glconst.h"

namespace quadrel {
namespace {

using essai::sceneAvec;

// Triangles of the mesh, three vertices each.
std::vector<std::array<Vec3, 3>> triangles(const DrawList& d) {
  std::vector<std::array<Vec3, 3>> out;
  for (const Primitive& p : d.primitives()) {
    EXPECT_EQ(p.mode, gl::TRIANGLES);
    EXPECT_EQ(p.vertices.size() % 3, 0u);
    for (std::size_t k = 0; k + 2 < p.vertices.size(); k += 3)
      out.push_back({p.vertices[k], p.vertices[k + 1], p.vertices[k + 2]});
  }
  return out;
}

TEST(Surface, ConstantIsOneFlatSheetFacingUp) {
  for (const double gz : {1.0, 2.0, 0.5}) {
    Scene s = sceneAvec("2");
    s.gradz = gz;
    const auto d = buildSurface(s);
    ASSERT_TRUE(d);
    const auto t = triangles(*d);
    // 30 or 31 rows and columns: the last ones may stick out of the box
    EXPECT_GE(t.size(), 2u * 30 * 30) << gz;
    EXPECT_LE(t.size(), 2u * 31 * 31) << gz;
    for (const auto& tri : t)
      for (const Vec3& v : tri) ASSERT_DOUBLE_EQ(v.z, 2 / gz);
    const auto normals = d->filter(Op::Normal);
    EXPECT_EQ(normals.size(), t.size() / 2);
    for (const Command& n : normals) {
      EXPECT_EQ(n.d[0], 0);
      EXPECT_EQ(n.d[1], 0);
      EXPECT_EQ(n.d[2], 1);
    }
  }
}

TEST(Surface, TrianglesWindCounterClockwiseUnderTheUserUnitNormal) {
  Scene s = sceneAvec("x+2y");
  s.gradz = 2;  // the normal stays the one of the surface in user units
  const auto d = buildSurface(s);
  ASSERT_TRUE(d);
  const auto t = triangles(*d);
  ASSERT_FALSE(t.empty());
  for (const auto& [a, b, c] : t) {
    const double cz = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    ASSERT_GT(cz, 0);
  }
  const double l = std::sqrt(6.0);
  for (const Command& n : d->filter(Op::Normal)) {
    EXPECT_FLOAT_EQ(n.d[0], -1 / l);
    EXPECT_FLOAT_EQ(n.d[1], -2 / l);
    EXPECT_FLOAT_EQ(n.d[2], 1 / l);
    // sent as single floats
    EXPECT_EQ(n.d[0], static_cast<double>(static_cast<float>(n.d[0])));
  }
}

// Formulas whose drawn cells must all lie in a part of the plane, and must reach both sides.
struct Regions {
  const char* formule;
  bool (*dedans)(double x, double y);  // every vertex of every drawn cell
  bool (*cote)(double x, double y);    // some cell on this side, some on the other, none
                                       // across (when given)
};

class SurfaceRegions : public testing::TestWithParam<Regions> {};

TEST_P(SurfaceRegions, SkippedCellsLeaveTheExpectedParts) {
  Scene s = sceneAvec(GetParam().formule, 12);
  const auto d = buildSurface(s);
  ASSERT_TRUE(d);
  bool un = false, autre = false;
  for (const auto& tri : triangles(*d)) {
    bool tousCote = true, aucunCote = true;
    for (const Vec3& v : tri) {
      ASSERT_TRUE(GetParam().dedans(v.x, v.y)) << v.x << " " << v.y;
      ASSERT_LE(std::fabs(v.z), 14);  // [zmin - 10, zmax + 10]
      const bool c = !GetParam().cote || GetParam().cote(v.x, v.y);
      tousCote = tousCote && c;
      aucunCote = aucunCote && !c;
    }
    ASSERT_TRUE(tousCote || aucunCote) << "a cell joins both sides";
    (tousCote ? un : autre) = true;
  }
  EXPECT_TRUE(un);
  if (GetParam().cote) {
    EXPECT_TRUE(autre);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Formules, SurfaceRegions,
    testing::Values(
        // 1/x: no wall between the two branches
        Regions{"1/x", [](double, double) { return true; }, [](double x, double) { return x > 0; }},
        // ln(x*y): only the quadrants where x*y > 0
        Regions{"ln(x*y)", [](double x, double y) { return x * y >= 0; },
                [](double x, double) { return x > 0; }},
        // 10x goes beyond zmax + 10 = 14 past x = 1.4: those cells are left out
        Regions{"10x", [](double x, double) { return std::fabs(x) <= 1.4 + 1e-9; }, nullptr}));

struct Pas {
  extended ymin, ymax;
  int precision;
  extended h;
};

TEST(Surface, StepFollowsTheYRangeWithAFloor) {
  const Pas cas[] = {
      {-4, 4, 3, 8.0L / 30}, {-4, 4, 12, 8.0L / 120}, {0, 0.5L, 3, 0.05L},
      {0, 1, 12, 0.05L},     {-10, 10, 5, 0.4L},      {3, -3, 3, 0.2L},
  };
  for (const Pas& c : cas) {
    Scene s = sceneAvec("x");
    s.ymin = c.ymin, s.ymax = c.ymax, s.precision = c.precision;
    EXPECT_DOUBLE_EQ(static_cast<double>(surfaceStep(s)), static_cast<double>(c.h));
    s.pasx = 0;
    ASSERT_TRUE(buildSurface(s));
    EXPECT_DOUBLE_EQ(static_cast<double>(s.pasx), static_cast<double>(c.h));
  }
}

TEST(Surface, TinyYRangeSamplesEvery005) {
  Scene s = sceneAvec("x");
  s.ymin = 0, s.ymax = 0.5L;
  const auto d = buildSurface(s);
  ASSERT_TRUE(d);
  std::set<double> ys;
  for (const auto& tri : triangles(*d))
    for (const Vec3& v : tri) ys.insert(std::round(v.y * 1e6) / 1e6);
  EXPECT_EQ(ys.size(), 11u);  // 10 rows of cells
  EXPECT_NEAR(*std::next(ys.begin()) - *ys.begin(), 0.05, 1e-9);
}

TEST(Surface, WideXRangeGivesMoreColumnsThanRows) {
  Scene s = sceneAvec("y");
  s.xmin = -40, s.xmax = 40;
  const auto d = buildSurface(s);
  ASSERT_TRUE(d);
  std::set<double> xs, ys;
  for (const auto& tri : triangles(*d))
    for (const Vec3& v : tri) xs.insert(std::round(v.x * 1e6)), ys.insert(std::round(v.y * 1e6));
  EXPECT_NEAR(ys.size(), 31, 1);
  EXPECT_NEAR(xs.size(), 301, 1);
}

TEST(Surface, VerticesAreInDrawingUnits) {
  Scene s = sceneAvec("x*y");
  s.gradx = 2, s.grady = 0.5L, s.gradz = 4;
  const auto d = buildSurface(s);
  ASSERT_TRUE(d);
  for (const auto& tri : triangles(*d))
    for (const Vec3& v : tri) ASSERT_NEAR(v.z * 4, (v.x * 2) * (v.y * 0.5), 1e-9);
}

TEST(Surface, NotCompilingGivesNothingAndNotAcceptedGivesAnEmptyList) {
  Scene s = sceneAvec("x*+");
  EXPECT_FALSE(buildSurface(s));
  s.formule = "";
  EXPECT_FALSE(buildSurface(s));
  for (const EtatChamp e : {EtatChamp::attente, EtatChamp::refuse}) {
    s.formule = "x\xB2+y\xB2";
    s.etatformule = e;
    const auto d = buildSurface(s);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->size(), 2u);
    EXPECT_EQ((*d)[0].op, Op::PushMatrix);
    EXPECT_EQ((*d)[1].op, Op::PopMatrix);
  }
}

TEST(Surface, HugeXRangeStaysWithinTheCellBudget) {
  Scene s = sceneAvec("x", 12);
  s.xmin = -1e7, s.xmax = 1e7;
  const auto d = buildSurface(s);
  ASSERT_TRUE(d);
  EXPECT_LE(static_cast<long>(d->count(Op::Normal)), kMaxCellules);
}

}  // namespace
}  // namespace quadrel
