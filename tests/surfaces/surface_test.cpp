#include "surfaces/surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
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

// One normal per cell, as the mesh stores them.
std::vector<Vec3> normales(const DrawList& d) {
  std::vector<Vec3> out;
  for (const PackedMesh& m : d.meshes()) {
    EXPECT_EQ(m.perNormal, 6);
    EXPECT_EQ(m.normalCount() * 6, m.vertexCount());
    for (std::size_t k = 0; k < m.normalCount(); ++k) out.push_back(m.normal(k));
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
    const auto normals = normales(*d);
    EXPECT_EQ(normals.size(), t.size() / 2);
    for (const Vec3& n : normals) EXPECT_EQ(n, (Vec3{0, 0, 1}));
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
  for (const Vec3& n : normales(*d)) {
    EXPECT_FLOAT_EQ(n.x, -1 / l);
    EXPECT_FLOAT_EQ(n.y, -2 / l);
    EXPECT_FLOAT_EQ(n.z, 1 / l);
  }
}

// The cells past the frame's x or y bound (the walk's last column or row, when its step
// does not divide the range) come after all the others, each with its own normal.
TEST(Surface, CellsPastTheFrameComeLast) {
  const struct {
    const char* formule;
    int precision;
    long double xmax;
    bool depasse;
  } cas[] = {{"sin(x)*cos(y)", 12, 4, true}, {"x*y", 7, 3, true}, {"x+y", 4, 4, false}};
  for (const auto& c : cas) {
    Scene s = sceneAvec(c.formule, c.precision);
    s.xmax = c.xmax;
    const auto d = buildSurface(s);
    ASSERT_TRUE(d);
    const auto t = triangles(*d);
    const auto n = normales(*d);
    bool dehors = false;
    for (std::size_t k = 0; k < t.size(); ++k) {
      bool ici = false;
      for (const Vec3& v : t[k]) ici = ici || v.x > double(s.xmax) || v.y > double(s.ymax);
      ASSERT_TRUE(ici || !dehors) << c.formule << " triangle " << k;
      dehors = ici;
      // The cell's normal is square to its edges from a to b (first triangle) and from a
      // to d (second): each cell keeps its own.
      const Vec3& m = n[k / 2];
      const Vec3 &a = t[k][0], &b = t[k][k % 2 ? 2 : 1];
      ASSERT_NEAR(m.x * (b.x - a.x) + m.y * (b.y - a.y) + m.z * (b.z - a.z), 0, 1e-4)
          << c.formule << " triangle " << k;
    }
    EXPECT_EQ(dehors, c.depasse) << c.formule;
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
    ASSERT_TRUE(buildSurface(s));
    EXPECT_DOUBLE_EQ(static_cast<double>(meshStep(s)), static_cast<double>(c.h));
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
    for (const Vec3& v : tri) ASSERT_NEAR(v.z * 4, (v.x * 2) * (v.y * 0.5), 1e-5);
}

TEST(Surface, NotCompilingGivesNothingAndNotAcceptedGivesAnEmptyList) {
  Scene s = sceneAvec("x*+");
  EXPECT_FALSE(buildSurface(s));
  essai::poseFormule(s, "");
  EXPECT_FALSE(buildSurface(s));
  for (const EtatChamp e : {EtatChamp::attente, EtatChamp::refuse}) {
    essai::poseFormule(s, "x\xB2+y\xB2");
    s.etatformule = e;
    const auto d = buildSurface(s);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->size(), 2u);
    EXPECT_EQ((*d)[0].op, Op::PushMatrix);
    EXPECT_EQ((*d)[1].op, Op::PopMatrix);
  }
}

// Past the cell budget the step grows, and the mesh still reaches both ends of the frame.
TEST(Surface, WideFramesAreCoveredWithinTheCellBudget) {
  struct Cas {
    extended xmin, xmax;
    int precision;
    bool plusGros;  // step coarser than the usual one
  };
  const Cas cas[] = {
      {-4, 4, 12, false}, {-100, 100, 12, true}, {-1e7, 1e7, 12, true}, {-1000, 1000, 3, false}};
  for (const Cas& c : cas) {
    Scene s = sceneAvec("x", c.precision);
    s.xmin = c.xmin, s.xmax = c.xmax;
    s.zmin = -2e7, s.zmax = 2e7;
    const auto d = buildSurface(s);
    ASSERT_TRUE(d);
    EXPECT_LE(static_cast<long>(normales(*d).size()), kMaxCellules);
    EXPECT_EQ(meshStep(s) > surfaceStep(s), c.plusGros) << static_cast<double>(c.xmax);
    double lo = 1e300, hi = -1e300;
    for (const auto& tri : triangles(*d))
      for (const Vec3& v : tri) lo = std::min(lo, v.x), hi = std::max(hi, v.x);
    EXPECT_LE(lo, static_cast<double>(c.xmin) * (1 - 1e-6)) << static_cast<double>(c.xmax);
    EXPECT_GE(hi, static_cast<double>(c.xmax) * (1 - 1e-6)) << static_cast<double>(c.xmax);
  }
}

// The faces are pushed back so that the lines drawn on them are not hidden in part.
TEST(Surface, FacesAreDrawnWithAPolygonOffset) {
  Scene s = sceneAvec("x\xB2+y\xB2");
  const auto d = buildSurface(s);
  ASSERT_TRUE(d);
  const std::size_t on = d->find(Op::Enable, gl::POLYGON_OFFSET_FILL);
  const std::size_t mesh = d->find(Op::Mesh);
  const std::size_t off = d->find(Op::Disable, gl::POLYGON_OFFSET_FILL);
  ASSERT_NE(mesh, DrawList::npos);
  EXPECT_LT(on, mesh);
  EXPECT_LT(mesh, off);
  EXPECT_NE(off, DrawList::npos);
  const auto offset = d->filter(Op::PolygonOffset);
  ASSERT_EQ(offset.size(), 1u);
  EXPECT_GE(offset[0].d[0], 2);  // a 2-pixel line reaches a pixel off a steep face
  EXPECT_GT(offset[0].d[1], 0);
}

std::vector<float> octets(const DrawList& d, bool normales) {
  std::vector<float> out;
  for (const PackedMesh& m : d.meshes()) {
    const auto& v = normales ? m.normals : m.vertices;
    out.insert(out.end(), v.begin(), v.end());
  }
  return out;
}

bool memesBits(const std::vector<float>& a, const std::vector<float>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

}  // namespace

// The row walk gives the point walk's mesh bit for bit: domain errors (in a box tall enough
// to hold the error value, so that only the flag leaves them out), values outside the box,
// graduations, native code at precision 12.
TEST(Surface, RowEvaluationGivesThePointByPointMesh) {
  struct Cas {
    const char* formule;
    int precision;
    double gradz, hauteur;
  };
  for (const Cas& c : {Cas{"x*x+y*y", 12, 1, 10}, Cas{"sin(x)*cos(y)", 3, 0.5, 10},
                       Cas{"ln(x)+sqrt(y)/x", 12, 2, 1e8}, Cas{"1/(x*y)-tan(x)", 5, 1, 1e8},
                       Cas{"sqrt(4-x*x-y*y)", 4, 1, 10}, Cas{"2", 3, 1, 10}}) {
    Scene s = sceneAvec(c.formule, c.precision);
    s.gradx = 1.5;
    s.gradz = c.gradz;
    s.zmin = -c.hauteur;
    s.zmax = c.hauteur;
    const auto rangees = buildSurface(s, SurfaceEvaluation::rows);
    const auto points = buildSurface(s, SurfaceEvaluation::points);
    ASSERT_TRUE(rangees && points) << c.formule;
    EXPECT_FALSE(octets(*points, false).empty()) << c.formule;
    for (const bool n : {false, true})
      EXPECT_TRUE(memesBits(octets(*rangees, n), octets(*points, n))) << c.formule << n;
  }
}

}  // namespace quadrel
