#include "view/camera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <ostream>

#include "view/glconst.h"

namespace quadrel {
namespace {

struct Drag {
  int dx, dy;
  float inclinaison, rotz;
};

void PrintTo(const Drag& d, std::ostream* os) {
  *os << d.dx << "," << d.dy;
}

class TurnTest : public ::testing::TestWithParam<Drag> {};

TEST_P(TurnTest, HalfADegreePerPixel) {
  const Drag& p = GetParam();
  Scene s;
  EXPECT_FALSE(mouseDown(s, MouseButton::left, 100, 200));
  EXPECT_TRUE(mouseMove(s, 100 + p.dx, 200 + p.dy));
  EXPECT_FLOAT_EQ(s.inclinaison, p.inclinaison);
  EXPECT_FLOAT_EQ(s.rotz, p.rotz);
  EXPECT_EQ(s.sourisx, 100 + p.dx);
  EXPECT_EQ(s.sourisy, 200 + p.dy);
}

INSTANTIATE_TEST_SUITE_P(Drags, TurnTest,
                         ::testing::Values(Drag{10, 0, 0, -5}, Drag{0, 10, 5, 0},
                                           Drag{-10, 0, 0, 5}, Drag{0, -3, -1.5f, 0},
                                           Drag{1, 1, 0.5f, -0.5f}, Drag{0, 0, 0, 0},
                                           Drag{1440, 0, 0, -720}));  // never wrapped

TEST(Turn, AccumulatesOverEvents) {
  Scene s;
  mouseDown(s, MouseButton::left, 0, 0);
  for (int x = 1; x <= 10; ++x) mouseMove(s, x, 0);
  EXPECT_FLOAT_EQ(s.rotz, -5);
}

struct PanMove {
  int dx, dy;
  float decaly, decalz;
};

void PrintTo(const PanMove& d, std::ostream* os) {
  *os << d.dx << "," << d.dy;
}

class PanTest : public ::testing::TestWithParam<PanMove> {};

TEST_P(PanTest, FixedStepPerEventAndDirection) {
  const PanMove& p = GetParam();
  Scene s;
  mouseDown(s, MouseButton::right, 300, 300);
  EXPECT_EQ(s.modesouris, 2);
  EXPECT_TRUE(mouseMove(s, 300 + p.dx, 300 + p.dy));
  EXPECT_FLOAT_EQ(s.decaly, p.decaly);
  EXPECT_FLOAT_EQ(s.decalz, p.decalz);
  EXPECT_FLOAT_EQ(s.rotz, 0);
  EXPECT_FLOAT_EQ(s.inclinaison, 0);
}

INSTANTIATE_TEST_SUITE_P(Moves, PanTest,
                         ::testing::Values(PanMove{200, 0, 0.25f, 0}, PanMove{-1, 0, -0.25f, 0},
                                           PanMove{0, 7, 0, -0.25f}, PanMove{0, -90, 0, 0.25f},
                                           PanMove{5, 5, 0.25f, -0.25f},
                                           PanMove{-5, -5, -0.25f, 0.25f}, PanMove{0, 0, 0, 0}));

TEST(Mouse, IdleMoveChangesNothing) {
  Scene s;
  EXPECT_FALSE(mouseMove(s, 50, 60));
  EXPECT_EQ(s.sourisx, 0);
  EXPECT_FLOAT_EQ(s.rotz, 0);
}

TEST(Mouse, LastPressWinsAndAnyReleaseStops) {
  Scene s;
  mouseDown(s, MouseButton::right, 0, 0);
  mouseDown(s, MouseButton::left, 0, 0);
  EXPECT_EQ(s.modesouris, 1);
  mouseDown(s, MouseButton::middle, 0, 0);
  EXPECT_EQ(s.modesouris, 1);  // the reset keeps the drag going
  mouseUp(s);
  EXPECT_EQ(s.modesouris, 0);
  mouseMove(s, 20, 20);
  EXPECT_FLOAT_EQ(s.rotz, 0);
}

struct Notches {
  float start;
  int notches;  // > 0 away from the user, < 0 towards
  float zoom;   // after them
  bool redraw;  // after the last one
};

void PrintTo(const Notches& n, std::ostream* os) {
  *os << n.start << " by " << n.notches;
}

class WheelTest : public ::testing::TestWithParam<Notches> {};

TEST_P(WheelTest, ScalesWithinTheBounds) {
  const Notches& n = GetParam();
  Scene s;
  s.zoom = n.start;
  bool redraw = false;
  for (int k = 0; k < std::abs(n.notches); ++k) redraw = mouseWheel(s, n.notches > 0 ? 120 : -120);
  EXPECT_FLOAT_EQ(s.zoom, n.zoom);
  EXPECT_EQ(redraw, n.redraw);
}

constexpr float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Zoom, WheelTest,
    ::testing::Values(Notches{0.75f, 1, 0.675f, true}, Notches{0.75f, -1, 0.825f, true},
                      Notches{0.75f, 2000, kZoomMin, false},        // once unbounded: zero
                      Notches{0.75f, -2000, kZoomMax, false},       // once unbounded: infinite
                      Notches{kZoomMax, 1, kZoomMax * 0.9f, true},  // one notch undoes it
                      Notches{kZoomMin, -1, kZoomMin * 1.1f, true},
                      Notches{kInf, 1, kZoomMax, true}, Notches{0, -1, kZoomMin, true},
                      Notches{std::numeric_limits<float>::quiet_NaN(), 1, kZoomMin, true}));

TEST(Wheel, ZeroDeltaZoomsIn) {
  Scene s;
  mouseWheel(s, 0);  // not away from the user
  EXPECT_FLOAT_EQ(s.zoom, 0.825f);
}

TEST(Wheel, TenNotchesEachWayDoNotComeBack) {
  Scene s;
  for (int k = 0; k < 10; ++k) mouseWheel(s, 120);
  for (int k = 0; k < 10; ++k) mouseWheel(s, -120);
  EXPECT_NE(s.zoom, 0.75f);
  EXPECT_NEAR(s.zoom, 0.75 * std::pow(0.99, 10), 1e-6);
}

struct Reset {
  TypeRepere style;
  float inclinaison, rotz;
};

void PrintTo(const Reset& r, std::ostream* os) {
  *os << static_cast<int>(r.style);
}

class ResetTest : public ::testing::TestWithParam<Reset> {};

TEST_P(ResetTest, MiddleButtonRestoresTheStyleView) {
  Scene s;
  s.typerepere = GetParam().style;
  s.inclinaison = 33, s.rotz = -71, s.zoom = 3, s.decaly = 1.25f, s.decalz = -0.5f;
  EXPECT_TRUE(mouseDown(s, MouseButton::middle, 7, 8));
  EXPECT_FLOAT_EQ(s.inclinaison, GetParam().inclinaison);
  EXPECT_FLOAT_EQ(s.rotz, GetParam().rotz);
  EXPECT_FLOAT_EQ(s.zoom, 0.75f);
  EXPECT_FLOAT_EQ(s.decaly, 0);
  EXPECT_FLOAT_EQ(s.decalz, 0);
  EXPECT_EQ(s.sourisx, 7);
}

INSTANTIATE_TEST_SUITE_P(Styles, ResetTest,
                         ::testing::Values(Reset{TypeRepere::axes, 0, 0},
                                           Reset{TypeRepere::grille, 4, -133.5f},
                                           Reset{TypeRepere::masque, 4, -133.5f}));

TEST(Sheet, SizeAndProjectionFromOuterSize) {
  const SheetSize z = sheetSize(1280, 1024);
  EXPECT_EQ(z.width, 1100);
  EXPECT_EQ(z.height, 924);
  const DrawList d = sheetSetup(1100, 924);
  const auto vp = d.filter(Op::Viewport);
  ASSERT_EQ(vp.size(), 1u);
  EXPECT_EQ(vp[0].i, (std::array<int, 4>{0, 0, 1100, 924}));
  const std::size_t p = d.find(Op::Perspective);
  ASSERT_NE(p, DrawList::npos);
  EXPECT_DOUBLE_EQ(d[p].d[0], 45);
  EXPECT_DOUBLE_EQ(d[p].d[1], 1100.0 / 924.0);
  EXPECT_DOUBLE_EQ(d[p].d[2], 0.1);
  EXPECT_DOUBLE_EQ(d[p].d[3], 500);
  // projection loaded fresh, model-view selected last
  EXPECT_LT(d.find(Op::MatrixMode, gl::PROJECTION), d.find(Op::LoadIdentity));
  EXPECT_LT(d.find(Op::LoadIdentity), p);
  EXPECT_EQ(d.filter(Op::MatrixMode).back().i[0], gl::MODELVIEW);
  EXPECT_TRUE(std::isfinite(sheetSetup(10, 0).filter(Op::Perspective)[0].d[1]));
}

}  // namespace
}  // namespace quadrel

namespace quadrel {
namespace {

// The view by keyboard: each key moves one value by one step, Shift turns arrows into pans,
// and Home is the middle button.
TEST(ViewKeys, OneStepPerKey) {
  const struct {
    ToucheVue t;
    bool decaler;
    float inclinaison, rotz, decaly, decalz, zoom;
  } cas[] = {
      {ToucheVue::gauche, false, 10, 25, 1, 1, 0.5f},
      {ToucheVue::droite, false, 10, 15, 1, 1, 0.5f},
      {ToucheVue::haut, false, 5, 20, 1, 1, 0.5f},
      {ToucheVue::bas, false, 15, 20, 1, 1, 0.5f},
      {ToucheVue::gauche, true, 10, 20, 0.75f, 1, 0.5f},
      {ToucheVue::haut, true, 10, 20, 1, 1.25f, 0.5f},
      {ToucheVue::plus, false, 10, 20, 1, 1, 0.45f},
      {ToucheVue::moins, false, 10, 20, 1, 1, 0.55f},
      {ToucheVue::origine, false, 0, 0, 0, 0, 0.75f},
  };
  for (const auto& c : cas) {
    Scene s;
    s.inclinaison = 10, s.rotz = 20, s.decaly = 1, s.decalz = 1, s.zoom = 0.5f;
    EXPECT_TRUE(toucheVue(s, c.t, c.decaler));
    EXPECT_FLOAT_EQ(s.inclinaison, c.inclinaison) << int(c.t);
    EXPECT_FLOAT_EQ(s.rotz, c.rotz) << int(c.t);
    EXPECT_FLOAT_EQ(s.decaly, c.decaly) << int(c.t);
    EXPECT_FLOAT_EQ(s.decalz, c.decalz) << int(c.t);
    EXPECT_FLOAT_EQ(s.zoom, c.zoom) << int(c.t);
  }
}

}  // namespace
}  // namespace quadrel
