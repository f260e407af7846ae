#include "view/drawlist.h"

#include <gtest/gtest.h>

#include <cmath>

#include "view/glconst.h"
#include "view/glexec.h"
#include "view/mat4.h"

namespace quadrel {
namespace {

TEST(DrawList, PrimitivesGroupVerticesByBatch) {
  DrawList d;
  d.vertex(9, 9, 9);  // outside any batch: not part of a primitive
  d.begin(gl::LINES);
  d.vertex(1, 2, 3);
  d.color(0, 0, 0);
  d.vertex(4, 5, 6);
  d.end();
  d.begin(gl::TRIANGLES);
  d.end();
  const auto p = d.primitives();
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].mode, gl::LINES);
  EXPECT_EQ(p[0].at, 1u);
  EXPECT_EQ(p[0].vertices, (std::vector<Vec3>{{1, 2, 3}, {4, 5, 6}}));
  EXPECT_TRUE(p[1].vertices.empty());
}

TEST(DrawList, GlyphsCallOneListPerByte) {
  DrawList d;
  d.glyphs(1000, std::string("x'\xB2", 3));  // bytes above 127 are codes, not negatives
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].list(), 1000u + 'x');
  EXPECT_EQ(d[1].list(), 1000u + '\'');
  EXPECT_EQ(d[2].list(), 1000u + 0xB2);
  EXPECT_EQ(d.findList(1000u + 0xB2), 2u);
  EXPECT_EQ(d.findList(1000u), DrawList::npos);
}

TEST(DrawList, AppendKeepsMatricesApart) {
  std::array<double, 16> a{}, b{};
  a[0] = 1, b[0] = 2;
  DrawList d, e;
  d.multMatrix(a);
  e.enable(gl::FOG);
  e.multMatrix(b);
  d.append(e);
  ASSERT_EQ(d.count(Op::MultMatrix), 2u);
  EXPECT_EQ(d.matrix(d[0])[0], 1);
  EXPECT_EQ(d.matrix(d[2])[0], 2);
  EXPECT_EQ(d.count(Op::Enable, gl::FOG), 1u);
  EXPECT_EQ(d.find(Op::Enable, gl::LIGHTING), DrawList::npos);
}

// A packed mesh reads back as one batch among the others, and keeps its own data when
// lists are appended.
TEST(DrawList, PackedMeshesReadBackAsBatches) {
  PackedMesh m;
  m.mode = gl::TRIANGLES;
  m.perNormal = 3;
  m.normals = {0, 0, 1};
  m.vertices = {0, 0, 0, 1, 0, 0, 0, 1, 0};
  DrawList d, e;
  d.begin(gl::LINES);
  d.vertex(5, 5, 5);
  d.end();
  e.mesh(m);
  m.vertices[0] = 7;
  e.mesh(m);
  d.append(e);
  const auto p = d.primitives();
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[1].mode, gl::TRIANGLES);
  EXPECT_EQ(p[1].vertices, (std::vector<Vec3>{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}));
  EXPECT_EQ(p[2].vertices[0], (Vec3{7, 0, 0}));
  EXPECT_EQ(d.mesh(d[p[2].at]).normal(0), (Vec3{0, 0, 1}));
}

// Strokes scale with the picture, from the pixels they show at the usual scale.
TEST(LargeurTrait, ScalesWhatShowsAtTheUsualScale) {
  const struct {
    double largeur, facteur, attendu;
  } cas[] = {{0.5, 1, 0.5}, {2, 1, 2}, {0.5, 2, 2}, {2, 2, 4}, {3, 4, 12}, {0.5, 1.5, 1.5}};
  for (const auto& c : cas)
    EXPECT_EQ(largeurTrait(c.largeur, c.facteur), c.attendu) << c.largeur << " x" << c.facteur;
}

TEST(MatrixTracker, FollowsTheModelViewStackOnly) {
  DrawList d;
  d.matrixMode(gl::PROJECTION);
  d.translate(100, 0, 0);  // not the model-view
  d.matrixMode(gl::MODELVIEW);
  d.translate(1, 0, 0);
  d.pushMatrix();
  d.rotate(90, 0, 0, 1);
  d.scale(2, 2, 2);
  d.vertex(0, 0, 0);
  d.popMatrix();
  d.vertex(0, 0, 0);
  const Mat4 in = MatrixTracker::at(d, 7);
  const Vec3 p = in.point({1, 0, 0});
  EXPECT_NEAR(p.x, 1, 1e-12);
  EXPECT_NEAR(p.y, 2, 1e-12);
  const Vec3 q = MatrixTracker::at(d, 9).point({0, 0, 0});
  EXPECT_NEAR(q.x, 1, 1e-12);
}

TEST(MatrixTracker, LookAtPutsTheCentreOnTheViewAxis) {
  const Mat4 m = Mat4::lookAt({10, 10, 10}, {0, 0, 0}, {0, 0, 1});
  const Vec3 o = m.point({0, 0, 0});
  EXPECT_NEAR(o.x, 0, 1e-12);
  EXPECT_NEAR(o.y, 0, 1e-12);
  EXPECT_NEAR(o.z, -std::sqrt(300.0), 1e-12);
  EXPECT_GT(m.direction({0, 0, 1}).y, 0);  // z up on screen
}

}  // namespace
}  // namespace quadrel
