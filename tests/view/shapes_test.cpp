#include "view/shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>

#include "view/glconst.h"

namespace quadrel {
namespace {

struct P {
  double x, y, z;
};
P operator-(P a, P b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
P croix(P a, P b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double scal(P a, P b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
P sommet(const ShapeArrays& f, std::size_t k) {
  return {f.vertices[3 * k], f.vertices[3 * k + 1], f.vertices[3 * k + 2]};
}
P normale(const ShapeArrays& f, std::size_t k) {
  return {f.normals[3 * k], f.normals[3 * k + 1], f.normals[3 * k + 2]};
}

// The draws follow one another over the indices (or the vertices) with none left over, and
// name only vertices that exist.
void verifierappels(const ShapeArrays& f) {
  std::size_t suivant = 0;
  for (const ShapeArrays::Draw& d : f.draws) {
    if (!d.indexed) {
      EXPECT_LE(std::size_t(d.first + d.count), f.vertexCount());
      continue;
    }
    EXPECT_EQ(std::size_t(d.first), suivant);
    suivant += std::size_t(d.count);
  }
  EXPECT_EQ(suivant, f.indices.size());
  for (auto i : f.indices) EXPECT_LT(i, f.vertexCount());
  EXPECT_EQ(f.normals.size(), f.vertices.size());
}

// Every triangle that has an area turns counter-clockwise seen from outside: GL culls and
// lights its front faces. Strips alternate their winding.
int triangles(const ShapeArrays& f, const std::function<P(P)>& dehors) {
  int n = 0;
  for (const ShapeArrays::Draw& d : f.draws) {
    const bool bande = d.mode == gl::TRIANGLE_STRIP;
    if (!bande && d.mode != gl::TRIANGLES) continue;
    for (int k = 0; k + 2 < d.count; k += bande ? 1 : 3) {
      std::size_t t[3];
      for (int j = 0; j < 3; ++j) t[j] = f.indices[std::size_t(d.first + k + j)];
      if (bande && k % 2) std::swap(t[0], t[1]);
      const P a = sommet(f, t[0]), b = sommet(f, t[1]), c = sommet(f, t[2]);
      const P aire = croix(b - a, c - a);
      if (scal(aire, aire) < 1e-12) continue;
      const P centre{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
      EXPECT_GT(scal(aire, dehors(centre)), 0) << "triangle " << k << " of a draw";
      ++n;
    }
  }
  return n;
}

TEST(Shapes, SphereVerticesLieOnItWithOutwardUnitNormals) {
  struct Cas {
    bool plein;
    double rayon;
    int tranches, etages;
    std::size_t appels;
  };
  const Cas cas[] = {{true, 1.5, 30, 30, 30}, {true, 0.5, 10, 10, 10},
                     {true, 2, 3, 2, 2},      {false, 1.5, 10, 10, 10 + 9},
                     {false, 2, 7, 5, 7 + 4}, {false, 1, 1, 2, 1 + 1}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << c.tranches << "x" << c.etages << (c.plein ? " solid" : ""));
    const ShapeArrays f = glutSphereArrays(c.plein, c.rayon, c.tranches, c.etages);
    ASSERT_EQ(f.vertexCount(), std::size_t(c.tranches * (c.etages - 1) + 2));
    EXPECT_EQ(f.draws.size(), c.appels);
    verifierappels(f);
    for (std::size_t k = 0; k < f.vertexCount(); ++k) {
      const P n = normale(f, k), v = sommet(f, k);
      EXPECT_NEAR(scal(n, n), 1, 1e-6);
      EXPECT_NEAR(v.x, c.rayon * n.x, 1e-6);
      EXPECT_NEAR(v.y, c.rayon * n.y, 1e-6);
      EXPECT_NEAR(v.z, c.rayon * n.z, 1e-6);
    }
    // North pole first, south pole last; the first ring turns clockwise seen from the north.
    EXPECT_EQ(normale(f, 0).z, 1);
    EXPECT_EQ(normale(f, f.vertexCount() - 1).z, -1);
    if (c.tranches > 2) {
      EXPECT_LT(sommet(f, 2).y, 0);
    }
    if (c.plein) {
      EXPECT_EQ(triangles(f, [](P p) { return p; }), 2 * c.tranches * (c.etages - 1));
    }
    // Wire: a line from pole to pole per slice, then a loop per inner stack.
    for (std::size_t k = 0; k < f.draws.size(); ++k) {
      const ShapeArrays::Draw& d = f.draws[k];
      if (c.plein) {
        EXPECT_EQ(d.mode, gl::TRIANGLE_STRIP);
      } else if (k < std::size_t(c.tranches)) {
        EXPECT_EQ(d.mode, gl::LINE_STRIP);
        EXPECT_EQ(f.indices[std::size_t(d.first)], 0);
        EXPECT_EQ(f.indices[std::size_t(d.first + d.count - 1)], f.vertexCount() - 1);
      } else {
        EXPECT_EQ(d.mode, gl::LINE_LOOP);
        EXPECT_EQ(d.count, c.tranches);
      }
    }
  }
}

TEST(Shapes, SphereOutOfRangeDrawsNothing) {
  for (auto [tranches, etages] : {std::pair{0, 10}, {-4, 10}, {10, 1}, {10, -3}, {300, 300}})
    EXPECT_TRUE(glutSphereArrays(true, 1, tranches, etages).draws.empty())
        << tranches << "x" << etages;
  EXPECT_FALSE(glutSphereArrays(true, 1, 255, 256).draws.empty());  // 65027 vertices
}

TEST(Shapes, CubeFacesLieOnTheirPlanesAndFaceOutward) {
  for (bool plein : {true, false}) {
    const double arete = 1.7;
    const ShapeArrays f = glutCubeArrays(plein, arete);
    ASSERT_EQ(f.vertexCount(), 24u);
    verifierappels(f);
    for (std::size_t k = 0; k < 24; ++k) {
      const P n = normale(f, k), v = sommet(f, k);
      EXPECT_EQ(std::abs(n.x) + std::abs(n.y) + std::abs(n.z), 1);
      EXPECT_NEAR(scal(v, n), arete / 2, 1e-6);
      for (double c : {v.x, v.y, v.z}) EXPECT_NEAR(std::abs(c), arete / 2, 1e-6);
      EXPECT_EQ(scal(normale(f, k - k % 4), n), 1);  // one normal per face of four
    }
    if (plein) {
      ASSERT_EQ(f.draws.size(), 1u);
      EXPECT_EQ(f.draws[0].mode, gl::TRIANGLES);
      EXPECT_EQ(f.indices.size(), 36u);
      EXPECT_EQ(triangles(f, [](P p) { return p; }), 12);
    } else {
      ASSERT_EQ(f.draws.size(), 6u);
      for (const ShapeArrays::Draw& d : f.draws) EXPECT_EQ(d.mode, gl::LINE_LOOP);
    }
  }
}

}  // namespace
}  // namespace quadrel
