#include "solids/solide.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "view/frame.h"
#include "view/glconst.h"
#include "view/mat4.h"
#include "view/scene.h"

namespace quadrel {
namespace {

Scene solide(int type, Variant x, Variant y, Variant z, Variant taille, extended g = 1) {
  Scene s;
  s.typequadrique = type;
  s.quadriqueok = true;
  s.solx = x, s.soly = y, s.solz = z, s.soltaille = taille;
  s.gradx = s.grady = s.gradz = g;
  return s;
}

DrawList dessin(const Scene& s, bool plein, bool transparent = false) {
  DrawList d;
  dessinesolide(EntreesSolide(s, plein), d, transparent);
  return d;
}

void proche(const Vec3& a, const Vec3& b, const char* quoi) {
  EXPECT_NEAR(a.x, b.x, 1e-9) << quoi;
  EXPECT_NEAR(a.y, b.y, 1e-9) << quoi;
  EXPECT_NEAR(a.z, b.z, 1e-9) << quoi;
}

TEST(Solide, SphereAndCubeBySizeModeAndGraduation) {
  struct Case {
    int type;
    extended g;
    bool plein, transparent;
    Op op;
    std::vector<int> solides;  // solid flag of each GLUT shape, in order
    double taille;
    int tranches;
    Vec3 centre;
  };
  const Case cases[] = {
      {1, 1, true, false, Op::GlutSphere, {1}, 2, 30, {1, 2, 0}},
      {1, 2, true, false, Op::GlutSphere, {1}, 1, 30, {0.5, 1, 0}},
      {1, 1, true, true, Op::GlutSphere, {1}, 2, 30, {1, 2, 0}},
      {1, 1, false, false, Op::GlutSphere, {0}, 2, 10, {1, 2, 0}},
      {1, 0.5L, false, true, Op::GlutSphere, {0}, 4, 10, {2, 4, 0}},
      // The cube stays at the origin and gets black edges in every mode.
      {2, 1, true, false, Op::GlutCube, {1, 0}, 2, 0, {0, 0, 0}},
      {2, 2, true, true, Op::GlutCube, {1, 0}, 1, 0, {0, 0, 0}},
      {2, 2, false, false, Op::GlutCube, {0}, 1, 0, {0, 0, 0}},
  };
  for (const Case& k : cases) {
    const DrawList d = dessin(solide(k.type, 1, 2, 0, 2, k.g), k.plein, k.transparent);
    const std::vector<Command> formes = d.filter(k.op);
    ASSERT_EQ(formes.size(), k.solides.size()) << k.type;
    for (std::size_t j = 0; j < formes.size(); ++j) {
      EXPECT_EQ(formes[j].i[0], k.solides[j]);
      EXPECT_DOUBLE_EQ(formes[j].d[0], k.taille);
      if (k.tranches) {
        EXPECT_EQ(formes[j].i[1], k.tranches);
        EXPECT_EQ(formes[j].i[2], k.tranches);
      }
    }
    const std::size_t premiere = d.find(k.op);
    proche(MatrixTracker::at(d, premiere).point({}), k.centre, "centre");
    if (k.type == 2) {
      // Edges last, unlit and black.
      const std::size_t aretes = d.find(k.op, 0, premiere + (k.plein ? 1 : 0));
      EXPECT_LT(d.find(Op::Disable, gl::LIGHTING), aretes);
      const std::size_t noir = d.find(Op::Color3);
      ASSERT_LT(noir, aretes);
      EXPECT_EQ(d[noir].d, (std::array<double, 9>{}));
    }
  }
}

// Where the quadric's own axis and base land, and what is drawn on it.
struct Quadrique {
  int id;
  double base, sommet, longueur;
  int tranches, style;
  Vec3 origine, axe;
};

std::vector<Quadrique> quadriques(const DrawList& d) {
  std::vector<Quadrique> out;
  int style = 0;
  for (std::size_t j = 0; j < d.size(); ++j) {
    if (d[j].op == Op::QuadricDrawStyle) style = d[j].i[1];
    if (d[j].op != Op::Cylinder) continue;
    const Mat4 m = MatrixTracker::at(d, j);
    out.push_back({d[j].i[0], d[j].d[0], d[j].d[1], d[j].d[2], d[j].i[1], style, m.point({}),
                   m.direction({0, 0, 1})});
    EXPECT_EQ(d[j].i[1], d[j].i[2]) << "stacks as slices";
  }
  return out;
}

TEST(Solide, CylinderAlongItsAxisInDrawingUnits) {
  struct Case {
    int type;
    extended g;
    bool plein, transparent;
    Quadrique attendu;
  };
  // Default frame: L = 8. The cylinder runs from L below to L above the stored point.
  const Case cases[] = {
      {3, 1, true, false, {kQuadCyl, 1.5, 1.5, 16, 20, glu::FILL, {1, 2, -5}, {0, 0, 1}}},
      {4, 1, true, false, {kQuadCyl, 1.5, 1.5, 16, 20, glu::FILL, {1, 10, 3}, {0, -1, 0}}},
      {5, 1, true, false, {kQuadCyl, 1.5, 1.5, 16, 20, glu::FILL, {-7, 2, 3}, {1, 0, 0}}},
      {3, 1, false, false, {kQuadCyl, 1.5, 1.5, 16, 20, glu::LINE, {1, 2, -5}, {0, 0, 1}}},
      {3, 1, false, true, {kQuadCyl, 1.5, 1.5, 16, 40, glu::FILL, {1, 2, -5}, {0, 0, 1}}},
      {3, 1, true, true, {kQuadCyl, 1.5, 1.5, 16, 40, glu::FILL, {1, 2, -5}, {0, 0, 1}}},
      // Graduation 2: centre, radius and extent all halved, so it matches its equation.
      {3, 2, true, false, {kQuadCyl, 0.75, 0.75, 8, 20, glu::FILL, {0.5, 1, -2.5}, {0, 0, 1}}},
      {4, 2, true, false, {kQuadCyl, 0.75, 0.75, 8, 20, glu::FILL, {0.5, 5, 1.5}, {0, -1, 0}}},
  };
  for (const Case& k : cases) {
    const auto q = quadriques(dessin(solide(k.type, 1, 2, 3, 1.5L, k.g), k.plein, k.transparent));
    ASSERT_EQ(q.size(), 1u) << k.type;
    const Quadrique& a = k.attendu;
    EXPECT_EQ(q[0].id, a.id);
    EXPECT_DOUBLE_EQ(q[0].base, a.base);
    EXPECT_DOUBLE_EQ(q[0].sommet, a.sommet);
    EXPECT_DOUBLE_EQ(q[0].longueur, a.longueur);
    EXPECT_EQ(q[0].tranches, a.tranches);
    EXPECT_EQ(q[0].style, a.style);
    proche(q[0].origine, a.origine, "base");
    proche(q[0].axe, a.axe, "axis");
  }
}

TEST(Solide, DoubleConeMatchesItsEquation) {
  struct Case {
    int type;
    extended g, c;
    bool transparent;
    double rayon, longueur;
    int tranches;
    Vec3 sommet, axe;
  };
  // Radius √c·t at distance t from the apex, both nappes 2L long.
  const Case cases[] = {
      {6, 1, 1, false, 16, 16, 20, {1, 2, 3}, {0, 0, 1}},
      {6, 1, 0.25L, true, 8, 16, 40, {1, 2, 3}, {0, 0, 1}},
      {7, 1, 4, false, 32, 16, 20, {1, 2, 3}, {0, -1, 0}},
      {8, 1, 1, false, 16, 16, 20, {1, 2, 3}, {1, 0, 0}},
      // Graduation 2: apex and extent halved; c is a ratio and stays.
      {6, 2, 4, false, 16, 8, 20, {0.5, 1, 1.5}, {0, 0, 1}},
      // A nearly flat cone stops where it leaves any frame: twice the three spans (48).
      {6, 1, 1e255L, false, 48, 48 / std::sqrt(1e255), 20, {1, 2, 3}, {0, 0, 1}},
  };
  for (const Case& k : cases) {
    const auto q = quadriques(dessin(solide(k.type, 1, 2, 3, k.c, k.g), true, k.transparent));
    ASSERT_EQ(q.size(), 2u) << k.type;
    const int ids[] = {kQuadCyl, kQuadCone};
    for (int n = 0; n < 2; ++n) {
      EXPECT_EQ(q[n].id, ids[n]);
      EXPECT_EQ(q[n].base, 0);
      EXPECT_DOUBLE_EQ(q[n].sommet, k.rayon);
      EXPECT_DOUBLE_EQ(q[n].longueur, k.longueur);
      EXPECT_EQ(q[n].tranches, k.tranches);
      proche(q[n].origine, k.sommet, "apex");
      const double sens = n == 0 ? 1 : -1;  // the second nappe on the other side
      proche(q[n].axe, {sens * k.axe.x, sens * k.axe.y, sens * k.axe.z}, "axis");
    }
  }
}

TEST(Solide, FlatConeIsItsAxisAndNegativeConeNothing) {
  struct Case {
    int type;
    extended c;
    std::vector<Vec3> ligne;  // empty: nothing drawn
  };
  const Case cases[] = {{6, 0, {{1, 2, -13}, {1, 2, 19}}},
                        {7, 0, {{1, 18, 3}, {1, -14, 3}}},
                        {8, 0, {{-15, 2, 3}, {17, 2, 3}}},
                        {6, -1, {}}};
  for (const Case& k : cases) {
    const DrawList d = dessin(solide(k.type, 1, 2, 3, k.c), true);
    EXPECT_EQ(d.count(Op::Cylinder), 0u);
    const auto prims = d.primitives();
    if (k.ligne.empty()) {
      EXPECT_TRUE(d.empty());
      continue;
    }
    ASSERT_EQ(prims.size(), 1u);
    EXPECT_EQ(prims[0].mode, gl::LINES);
    EXPECT_LT(d.find(Op::Disable, gl::LIGHTING), prims[0].at);
    EXPECT_LT(d.find(Op::Color3), prims[0].at);
    const Mat4 m = MatrixTracker::at(d, prims[0].at);
    for (int j = 0; j < 2; ++j) proche(m.point(prims[0].vertices[j]), k.ligne[j], "end");
  }
}

TEST(Solide, PyramidListTwiceSecondAsBlackEdges) {
  for (bool plein : {true, false}) {
    const DrawList d = dessin(solide(9, 4, 3, 0, 2), plein);
    const std::size_t un = d.findList(Liste::pyramide), deux = d.findList(Liste::pyramide, un + 1);
    ASSERT_NE(deux, DrawList::npos);
    EXPECT_EQ(d.count(Op::CallList), 2u);
    const std::size_t mode = d.find(Op::PolygonMode, gl::FRONT_AND_BACK, un);
    EXPECT_EQ(d[mode].i[1], gl::LINE);
    EXPECT_LT(d.find(Op::Color3, un), deux);
    EXPECT_LT(d.find(Op::Disable, gl::LIGHTING, un), deux);
    EXPECT_EQ(d.find(Op::PolygonMode), mode) << "the first call keeps the frame's mode";
  }
}

TEST(Solide, NothingWithoutEqualGraduationsOrKindOrFiniteValues) {
  struct Case {
    int type;
    extended gx, gy, gz;
    Variant taille;
  };
  const Case cases[] = {{1, 1, 2, 1, 2},  {2, 2, 2, 1, 2},      {3, 1, 1, 0.5L, 2},
                        {6, 3, 1, 1, 1},  {9, 1, 1, 2, 2},      {0, 1, 1, 1, 2},
                        {10, 1, 1, 1, 2}, {1, 1, 1, 1, 1e4000L}};
  for (const Case& k : cases) {
    Scene s = solide(k.type, 1, 2, 3, k.taille);
    s.gradx = k.gx, s.grady = k.gy, s.gradz = k.gz;
    EXPECT_TRUE(dessin(s, true).empty()) << k.type;
    // Through the frame's hook as well: nothing between the pass's push and pop.
    FrameHooks h;
    h.dessinesolide = dessinesolide;
    const DrawList f = buildFrame(s, h).commands;
    const std::size_t largeur = f.find(Op::LineWidth);
    ASSERT_NE(largeur, DrawList::npos);
    EXPECT_EQ(f[largeur + 1].op, Op::PopMatrix);
  }
}

}  // namespace
}  // namespace quadrel
