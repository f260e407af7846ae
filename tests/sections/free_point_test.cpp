#include "sections/free_point.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "surfaces/aides.h"
#include "view/frame.h"

namespace quadrel {
namespace {

using essai::sceneAvec;

TEST(FreePointStart, ScanOfTheGraduations) {
  const struct {
    const char* formule;
    EtatChamp etat;
    double x, y;
  } cas[] = {
      {"x\xB2+y\xB2", EtatChamp::accepte, -1, -1},  // (-4, -4) gives 32: the scan starts
      {"", EtatChamp::attente, -4, -4},
      {"x+y", EtatChamp::accepte, -3, 0},          // -4 at (-3, -1) is not strictly inside
      {"x+y+4", EtatChamp::accepte, -4, -4},       // -4 = zmin: stays at the corner
      {"x\xB2+y\xB2", EtatChamp::refuse, -4, -4},  // no surface
      {"100", EtatChamp::accepte, 5, 5},           // nothing qualifies: the last point tried
  };
  for (const auto& c : cas) {
    Scene s = sceneAvec(c.formule);
    s.etatformule = c.etat;
    s.pointz = 7;
    positionDepart(s);
    EXPECT_DOUBLE_EQ(s.pointx, c.x) << c.formule;
    EXPECT_DOUBLE_EQ(s.pointy, c.y) << c.formule;
    EXPECT_EQ(s.pointz, 0);
  }
}

TEST(FreePointMoves, HeightButtonsOnlyWithoutFormula) {
  Scene s;  // no formula
  positionDepart(s);
  const double attendu[] = {1, 2, 3, 4, 4};
  for (double h : attendu) {
    deplacePoint(s, Deplacement::zplus, true);
    EXPECT_DOUBLE_EQ(s.pointz * double(s.gradz), h);
  }
  deplacePoint(s, Deplacement::zmoins, false);
  EXPECT_DOUBLE_EQ(s.pointz, 3.9);
  // Typed, even refused: the height no longer moves by hand. (assign(): GCC 12 at -O3
  // warns falsely on operator= with a literal.)
  s.formule.assign(1, 'x');
  deplacePoint(s, Deplacement::zmoins, true);
  EXPECT_DOUBLE_EQ(s.pointz, 3.9);
}

TEST(FreePointMoves, BoundCheckedBeforeTheMoveAndSmallSteps) {
  const struct {
    Deplacement sens;
    bool graduations;
    extended gradx, grady;
    double x0, y0, x1, y1;
  } cas[] = {
      {Deplacement::xplus, true, 1, 1, 3.5, 0, 4.5, 0},
      {Deplacement::xplus, true, 1, 1, 4.5, 0, 4.5, 0},
      {Deplacement::xmoins, true, 1, 1, -3.5, 0, -4.5, 0},
      {Deplacement::xmoins, true, 1, 1, -4, 0, -4, 0},
      {Deplacement::yplus, true, 1, 2, 0, 3, 0, 5},
      {Deplacement::ymoins, false, 2, 1, 0, 1, 0, 0.8},
      {Deplacement::xplus, false, 2, 1, 1, 0, 1.2, 0},
  };
  for (const auto& c : cas) {
    Scene s;
    s.gradx = c.gradx, s.grady = c.grady;
    s.pointx = c.x0, s.pointy = c.y0;
    deplacePoint(s, c.sens, c.graduations);
    EXPECT_DOUBLE_EQ(s.pointx, c.x1);
    EXPECT_DOUBLE_EQ(s.pointy, c.y1);
  }
}

TEST(FreePointHeight, FollowsTheSurfaceWithinTwiceTheFrame) {
  const struct {
    const char* formule;
    EtatChamp etat;
    double x, z;
  } cas[] = {
      {"x\xB2", EtatChamp::accepte, 1.5, 2.25 / 2},
      {"x\xB2", EtatChamp::accepte, 5, 8},  // 25 / 2 is beyond 2 * zmax
      {"-x\xB2", EtatChamp::accepte, 5, -8},
      {"x\xB2", EtatChamp::refuse, 1, 5},
  };
  for (const auto& c : cas) {
    Scene s = sceneAvec(c.formule);
    s.etatformule = c.etat;
    s.gradz = 2;
    s.pointx = c.x;
    s.pointz = 5;
    hauteurpoint(s);
    EXPECT_DOUBLE_EQ(s.pointz, c.z) << c.formule << " " << c.x;
  }
}

// Where the surface is undefined M has no height: not drawn, "?" in its caption, whether
// it got there by a move, by the section or by the start scan's last resort.
TEST(FreePointHeight, UndefinedWhereTheSurfaceIs) {
  const struct {
    const char* formule;
    extended bord;  // the frame: -bord .. bord on every axis
    double x, y;
    Deplacement sens;
    const char* legende;  // after one graduation move from (x, y)
  } cas[] = {
      {"1/x", 4, -1, -4, Deplacement::xplus, "M(0;-4;?)"},
      {"1/x", 4, 0, -4, Deplacement::xplus, "M(1;-4;1)"},
      {"ln(x*y)", 1e6L, -1e6, 19, Deplacement::yplus, "M(-1000000;20;?)"},
      {"V(x)", 4, 0, 0, Deplacement::xmoins, "M(-1;0;?)"},
      {"x\xB2", 4, 1, 0, Deplacement::xplus, "M(2;0;4)"},
  };
  for (const auto& c : cas) {
    Scene s = sceneAvec(c.formule);
    s.xmin = s.ymin = s.zmin = -c.bord;
    s.xmax = s.ymax = s.zmax = c.bord;
    s.pointlibreVisible = true;
    s.pointx = c.x, s.pointy = c.y;
    deplacePoint(s, c.sens, true);
    EXPECT_EQ(captionPoint(s), c.legende) << c.formule;
    hauteurpoint(s);  // as the sheet does before each frame
    const Frame f = buildFrame(s);
    EXPECT_EQ(f.caption, c.legende);
    EXPECT_EQ(f.commands.count(Op::Sphere),
              std::string(c.legende).find('?') == std::string::npos ? 1u : 0u);
  }
  // The height buttons start again from 0 when no height was left.
  Scene s;
  s.pointz = std::nan("");
  deplacePoint(s, Deplacement::zplus, true);
  EXPECT_EQ(s.pointz, 1);
  // The start scan never stops on an undefined point, even in a frame tall enough for the
  // error value: V(x+y) is first defined inside at (-3, 3).
  Scene t = sceneAvec("V(x+y)");
  t.zmin = -2e7L, t.zmax = 2e7L;
  positionDepart(t);
  hauteurpoint(t);
  EXPECT_EQ(captionPoint(t), "M(-3;3;0)");
}

}  // namespace
}  // namespace quadrel
