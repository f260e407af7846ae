#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "solids/solide.h"
#include "view/glconst.h"
#include "view/scene.h"

namespace quadrel {
namespace {

Scene pyramide(Variant cotes, Variant rayon, Variant hauteur, extended gx = 1, extended gz = 1) {
  Scene s;
  s.solx = cotes, s.soltaille = rayon, s.soly = hauteur;
  s.gradx = s.grady = gx, s.gradz = gz;
  return s;
}

void proche(const Vec3& a, const Vec3& b) {
  EXPECT_NEAR(a.x, b.x, 1e-12);
  EXPECT_NEAR(a.y, b.y, 1e-12);
  EXPECT_NEAR(a.z, b.z, 1e-12);
}

double scalaire(const Vec3& a, const Vec3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

TEST(Pyramide, BaseAndApexInDrawingUnits) {
  const double r3 = std::sqrt(3.0);
  struct Case {
    Scene s;
    std::vector<Vec3> base;  // corners, the first repeated at the end
    Vec3 sommet;
  };
  const Case cases[] = {
      {pyramide(4, 2, 3), {{2, 0, 0}, {0, 2, 0}, {-2, 0, 0}, {0, -2, 0}, {2, 0, 0}}, {0, 0, 3}},
      {pyramide(3.9L, 2, 3), {{2, 0, 0}, {-1, r3, 0}, {-1, -r3, 0}, {2, 0, 0}}, {0, 0, 3}},
      // All graduations 2: half size. The base follows x, the apex z.
      {pyramide(4, 2, 3, 2, 2),
       {{1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, -1, 0}, {1, 0, 0}},
       {0, 0, 1.5}},
      {pyramide(4, 2, 3, 1, 3),
       {{2, 0, 0}, {0, 2, 0}, {-2, 0, 0}, {0, -2, 0}, {2, 0, 0}},
       {0, 0, 1}},
  };
  for (const Case& k : cases) {
    const auto prims = buildPyramid(k.s).primitives();
    const std::size_t n = k.base.size() - 1;
    ASSERT_EQ(prims.size(), n + 1);
    EXPECT_EQ(prims[0].mode, gl::POLYGON);
    ASSERT_EQ(prims[0].vertices.size(), n + 1);
    for (std::size_t i = 0; i <= n; ++i) proche(prims[0].vertices[i], k.base[i]);
    for (std::size_t c = 0; c < n; ++c) {
      const Primitive& t = prims[c + 1];
      EXPECT_EQ(t.mode, gl::TRIANGLES);
      ASSERT_EQ(t.vertices.size(), 3u);
      proche(t.vertices[0], k.base[c]);
      proche(t.vertices[1], k.base[c + 1]);
      proche(t.vertices[2], k.sommet);
    }
  }
}

// Lit faces need normals: unit, square to their face, pointing out of the solid.
TEST(Pyramide, OutwardUnitNormalOnEveryFace) {
  for (const Scene& s : {pyramide(4, 2, 3), pyramide(3, 1, 5), pyramide(19, 3, 0.5L, 2, 2)}) {
    const DrawList d = buildPyramid(s);
    const auto prims = d.primitives();
    ASSERT_FALSE(prims.empty());
    for (const Primitive& p : prims) {
      const std::size_t j = d.find(Op::Normal, p.at);
      ASSERT_LT(j, p.at + 2) << "normal right after the begin";
      const Vec3 n{d[j].d[0], d[j].d[1], d[j].d[2]};
      EXPECT_NEAR(scalaire(n, n), 1, 1e-12);
      const Vec3& a = p.vertices[0];
      for (const Vec3& v : p.vertices)
        EXPECT_NEAR(scalaire(n, {v.x - a.x, v.y - a.y, v.z - a.z}), 0, 1e-12);
      // The base centre is inside; every face's own points lie away from it along n.
      EXPECT_GT(scalaire(n, {a.x, a.y, a.z - 1e-3}), 0);
    }
  }
}

TEST(Pyramide, NothingBuiltWithoutARealSideCount) {
  for (const Variant& cotes : {Variant{}, Variant{2.99L}, Variant{20}, Variant{-4}, Variant{1e18L}})
    EXPECT_TRUE(buildPyramid(pyramide(cotes, 2, 3)).empty());
  EXPECT_TRUE(buildPyramid(pyramide(4, 1e4000L, 3)).empty());
  EXPECT_EQ(buildPyramid(pyramide(19, 2, 3)).primitives().size(), 20u);
}

// An apex below the base (a negative height) turns the solid over: every face's normal
// still points away from the inside, whose centroid lies at a quarter of the height.
TEST(Pyramide, NormalsPointOutWhateverTheSignOfTheHeight) {
  for (const Scene& s :
       {pyramide(4, 2, -3), pyramide(5, 1, -0.5L), pyramide(6, 3, -4, 2, 2), pyramide(3, 2, 3)}) {
    const DrawList d = buildPyramid(s);
    const double quart = double(valeur(s.soly) / s.gradz) / 4;
    const auto prims = d.primitives();
    ASSERT_EQ(prims.size(), std::size_t(valeur(s.solx)) + 1);
    for (const Primitive& p : prims) {
      const Command& n = d[d.find(Op::Normal, p.at)];
      const Vec3& a = p.vertices[0];
      EXPECT_GT(scalaire({n.d[0], n.d[1], n.d[2]}, {a.x, a.y, a.z - quart}), 0)
          << "height " << double(valeur(s.soly)) << ", face at " << p.at;
    }
  }
}

}  // namespace
}  // namespace quadrel
