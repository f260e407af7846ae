#include "files/mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "files/coques.h"
#include "matutil.h"
#include "surfaces/surface.h"
#include "view/scene.h"

namespace quadrel {
namespace {

using essai::fauteFermeture;
using essai::triplets;
using essai::volume;

constexpr double kPi = std::numbers::pi;

EntreesMaillage surface(const char* formule, bool ferme) {
  EntreesMaillage e;
  e.programme = compileformule(formule);
  e.ferme = ferme;
  return e;
}

// Closed: one shell, paired edges, outward. The constants give exact volumes in mm³
// (64 cm² of frame, 10 mm a unit, a 1 mm base plate: 6400 mm³ of it).
TEST(Maillage, ClosedSurfaceIsOneOutwardShell) {
  struct Cas {
    const char* formule;
    double vmin, vmax;
  } const cas[] = {
      {"2", 390400, 390400},           // 64 × 60 × 100 + 6400
      {"9", 518400, 518400},           // held to zmax
      {"-9", 6400, 6400},              // held to zmin: the base plate alone
      {"x^2+y^2", 262400, 518400},     // above 0 everywhere
      {"ln(x)", 130000, 160000},       // undefined for x <= 0: on the floor there
      {"V(1-x^2-y^2)", 15000, 60000},  // a dome on the floor
  };
  for (const Cas& c : cas) {
    for (const int precision : {3, 8}) {
      EntreesMaillage e = surface(c.formule, true);
      e.precision = precision;
      const Maillage m = construitMaillage(e);
      ASSERT_EQ(m.coques.size(), 1u) << c.formule;
      const auto t = triplets(m.coques[0]);
      EXPECT_TRUE(m.coques[0].fermee);
      EXPECT_EQ(fauteFermeture(t), "") << c.formule << " " << precision;
      const double v = volume(t);
      EXPECT_GE(v, c.vmin * (1 - 1e-9)) << c.formule;
      EXPECT_LE(v, c.vmax * (1 + 1e-9)) << c.formule;
    }
  }
}

// Frames whose sides are no whole number of steps: the last column and row are narrower,
// and the shell still closes over exactly the frame.
TEST(Maillage, ClosedSurfaceCoversOddFrames) {
  struct Cadre {
    extended xmin, xmax, ymin, ymax;
  } const cadres[] = {{-3, 5.03L, -2, 2.5L}, {0, 1, -10, 10}, {-0.3L, 0.31L, 0, 0.2L}};
  for (const Cadre& c : cadres) {
    EntreesMaillage e = surface("1", true);
    e.xmin = c.xmin, e.xmax = c.xmax, e.ymin = c.ymin, e.ymax = c.ymax;
    const Maillage m = construitMaillage(e);
    ASSERT_EQ(m.coques.size(), 1u);
    const auto t = triplets(m.coques[0]);
    EXPECT_EQ(fauteFermeture(t), "") << static_cast<double>(c.xmax);
    const double aire = static_cast<double>((c.xmax - c.xmin) * (c.ymax - c.ymin)) * 100;
    EXPECT_NEAR(volume(t), aire * (50 + 1), aire * 51 * 1e-9);
  }
}

// The solid kinds, each alone (no formula) and closed; volumes in mm³ (10 mm a unit), the
// round ones within the facets' shortfall.
TEST(Maillage, SolidsAreClosedOutwardShells) {
  struct Cas {
    int type;
    double x, y, z, taille;
    std::size_t coques;
    double volume;
  } const cas[] = {
      {1, 1, -1, 0.5, 2, 1, 4.0 / 3 * kPi * 8000},
      {2, 3, 3, 3, 2, 1, 8000},                     // at the origin, whatever the point
      {3, 1, 1, 0, 1, 1, kPi * 8 * 1000},           // along z across the frame
      {4, 0, 6, 1, 1.5, 1, kPi * 2.25 * 6 * 1000},  // along y, drawn from -2: kept to 4
      {5, 0, 0, 0, 1, 1, kPi * 8 * 1000},
      {6, 0, 0, 1, 0.25, 2, kPi * 0.25 * (27 + 125) / 3 * 1000},  // apex at z = 1
      {7, 0, 4, 0, 1, 1, kPi * 512 / 3 * 1000},  // apex on the frame's face: one nappe
      {8, -4, 0, 0, 0.04, 1, kPi * 0.04 * 512 / 3 * 1000},
      {9, 4, 3, 0, 2, 1, 8000},  // a square: 8 cm² of base, 3 high
  };
  for (const Cas& c : cas) {
    EntreesMaillage e;
    e.ferme = true;
    e.quadriqueok = true;
    e.typequadrique = c.type;
    e.solx = c.x, e.soly = c.y, e.solz = c.z, e.soltaille = c.taille;
    const Maillage m = construitMaillage(e);
    ASSERT_EQ(m.coques.size(), c.coques) << c.type;
    double v = 0;
    for (const Coque& s : m.coques) {
      EXPECT_TRUE(s.fermee);
      const auto t = triplets(s);
      EXPECT_EQ(fauteFermeture(t), "") << c.type;
      EXPECT_GT(volume(t), 0) << c.type;
      v += volume(t);
    }
    EXPECT_NEAR(v, c.volume, c.volume * 0.02) << c.type;
  }
}

// What the sheet does not show gives no shell: the formula and solid state, the frame and
// the scale.
TEST(Maillage, NothingWhereNothingIsShown) {
  const auto avec = [](auto change) {
    EntreesMaillage e;
    e.ferme = true;
    e.quadriqueok = true;
    e.typequadrique = 1;
    e.soltaille = 1;
    change(e);
    return construitMaillage(e).coques.size();
  };
  EXPECT_EQ(avec([](EntreesMaillage&) {}), 1u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.quadriqueok = false; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.gradz = 2; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.typequadrique = 0; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.solx = NAN; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.soltaille = 1e4000L; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.typequadrique = 6, e.soltaille = 0; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.typequadrique = 6, e.soltaille = -1; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.typequadrique = 6, e.soltaille = 1e-300; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.solx = 1e12, e.soltaille = 1e-6; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.typequadrique = 9, e.solx = 20, e.soly = 1; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.typequadrique = 3, e.solz = 30; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.echelle = -10; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.echelle = NAN; }), 0u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.socle = 0; }), 0u);
  // A surface needs a frame: the solid stays.
  EXPECT_EQ(avec([](EntreesMaillage& e) {
              e.programme = compileformule("x");
              e.xmax = e.xmin;
            }),
            1u);
  EXPECT_EQ(avec([](EntreesMaillage& e) { e.programme = compileformule("x"); }), 2u);
}

// Open: everything inside the frame box, the surface cut where it leaves it (not dropped),
// and no cell where the formula is undefined.
TEST(Maillage, OpenMeshStaysInTheBox) {
  struct Cas {
    const char* formule;
    int solide;
    double xmin;  // least x the surface may reach, mm
    bool touchezmax;
  } const cas[] = {
      {"x^2+y^2", 0, -40, true},
      {"ln(x)", 0, 0, false},
      {"x^2+y^2", 5, -40, true},  // a cylinder along x, wider than the frame
      {"0", 1, -40, false},       // a sphere sticking out of it
  };
  for (const Cas& c : cas) {
    EntreesMaillage e = surface(c.formule, false);
    e.precision = 5;
    e.quadriqueok = c.solide != 0;
    e.typequadrique = c.solide;
    e.solx = 3, e.soly = 0, e.solz = 0, e.soltaille = 5;
    const Maillage m = construitMaillage(e);
    ASSERT_EQ(m.coques.size(), c.solide ? 2u : 1u) << c.formule;
    bool touche = false;
    for (const Coque& s : m.coques) {
      EXPECT_FALSE(s.fermee);
      for (const auto& t : s.triangles)
        for (const PointMaillage& p : t) {
          ASSERT_TRUE(p.x >= -40 && p.x <= 40 && p.y >= -40 && p.y <= 40 && p.z >= -40 && p.z <= 40)
              << c.formule << " " << p.x << " " << p.y << " " << p.z;
          if (&s == &m.coques[0]) {
            ASSERT_GE(p.x, c.xmin) << c.formule;
            touche = touche || p.z == 40;
          }
        }
    }
    EXPECT_EQ(touche, c.touchezmax) << c.formule;
  }
}

// The same grid step as the sheet's surface, including the coarser one of a wide frame.
TEST(Maillage, StepIsTheSurfaces) {
  struct Cadre {
    extended xmin, xmax, ymin, ymax;
    int precision;
  } const cadres[] = {
      {-4, 4, -4, 4, 3}, {-4, 4, -4, 4, 12}, {-1000, 1000, -1, 1, 12}, {0, 1, 0, 0.1L, 6}};
  for (const Cadre& c : cadres) {
    EntreesMaillage e;
    Scene s;
    e.xmin = s.xmin = c.xmin, e.xmax = s.xmax = c.xmax;
    e.ymin = s.ymin = c.ymin, e.ymax = s.ymax = c.ymax;
    e.precision = s.precision = c.precision;
    EXPECT_EQ(pasMaillage(e), meshStep(s)) << static_cast<double>(c.xmax);
  }
}

}  // namespace
}  // namespace quadrel
