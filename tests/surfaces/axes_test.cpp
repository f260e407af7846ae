#include "surfaces/axes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "view/glconst.h"
#include "view/mat4.h"
#include "view/scene.h"

namespace quadrel {
namespace {

constexpr unsigned kBase = kBaseGlyphes;

Scene scene() {
  Scene s;
  return s;
}

// Ticks read back by their shape: x ticks cross y, y ticks cross z, z ticks cross x.
struct Ticks {
  std::set<double> x, y, z;
};

Ticks ticksOf(const DrawList& d) {
  Ticks t;
  for (const Primitive& p : d.primitives()) {
    if (p.mode != gl::LINES || p.vertices.size() != 2) continue;
    const Vec3 &a = p.vertices[0], &b = p.vertices[1];
    if (a.y == -0.2 && b.y == 0.2) t.x.insert(a.x);
    if (a.z == -0.2 && b.z == 0.2) t.y.insert(a.y);
    if (a.x == 0.2 && b.x == -0.2) t.z.insert(a.z);
  }
  return t;
}

std::set<double> range(int from, int to) {
  std::set<double> out;
  for (int q = from; q <= to; ++q)
    if (q != 0) out.insert(q);
  return out;
}

struct AxesCase {
  const char* name;
  void (*change)(Scene&);
  double xlo, xhi;  // x axis ends, drawing units
  std::set<double> xticks, yticks, zticks;
};

void PrintTo(const AxesCase& c, std::ostream* os) {
  *os << c.name;
}

class AxesTest : public ::testing::TestWithParam<AxesCase> {};

TEST_P(AxesTest, AxisEndsTicksAndArrows) {
  const AxesCase& k = GetParam();
  Scene s = scene();
  k.change(s);
  const DrawList d = buildAxes(s);
  const auto prims = d.primitives();
  ASSERT_FALSE(prims.empty());
  const Primitive& axes = prims[0];
  ASSERT_EQ(axes.mode, gl::LINES);
  ASSERT_EQ(axes.vertices.size(), 6u);
  EXPECT_EQ(axes.vertices[0], (Vec3{k.xlo, 0, 0}));
  EXPECT_EQ(axes.vertices[1], (Vec3{k.xhi, 0, 0}));
  const Ticks t = ticksOf(d);
  EXPECT_EQ(t.x, k.xticks);
  EXPECT_EQ(t.y, k.yticks);
  EXPECT_EQ(t.z, k.zticks);
  // one filled triangle per axis at its positive end, from +1.8 to +2
  const auto arrow = std::find_if(prims.begin(), prims.end(),
                                  [](const Primitive& p) { return p.mode == gl::TRIANGLES; });
  ASSERT_NE(arrow, prims.end());
  ASSERT_EQ(arrow->vertices.size(), 9u);
  EXPECT_EQ(arrow->vertices[0], (Vec3{k.xhi, 0, 0}));
  EXPECT_EQ(arrow->vertices[1], (Vec3{k.xhi - 0.2, 0.2, 0}));
  EXPECT_EQ(arrow->vertices[2], (Vec3{k.xhi - 0.2, -0.2, 0}));
}

INSTANTIATE_TEST_SUITE_P(
    Frames, AxesTest,
    ::testing::Values(AxesCase{"defaults", [](Scene&) {}, -6, 6, range(-4, 4), range(-4, 4),
                               range(-4, 4)},
                      AxesCase{"gradhalf", [](Scene& s) { s.gradx = 0.5L; }, -10, 10, range(-8, 8),
                               range(-4, 4), range(-4, 4)},
                      AxesCase{"xmaxzero", [](Scene& s) { s.xmax = 0; }, -6, 2, range(-4, -1),
                               range(-4, 4), range(-4, 4)},
                      AxesCase{"grad2",
                               [](Scene& s) { s.xmin = -2, s.xmax = 8, s.gradx = 2; },
                               -3,
                               6,
                               {-1, 1, 2, 3, 4},
                               range(-4, 4),
                               range(-4, 4)},
                      // the loop runs on until the longest axis is covered
                      AxesCase{"longz", [](Scene& s) { s.zmin = -1, s.zmax = 10; }, -6, 6,
                               range(-4, 4), range(-4, 4), range(-1, 10)},
                      AxesCase{"offgrid", [](Scene& s) { s.ymax = 2.5L, s.ymin = -0.5L; }, -6, 6,
                               range(-4, 4), range(1, 2), range(-4, 4)}),
    [](const auto& info) { return std::string(info.param.name); });

// A label: its text and where its first glyph is drawn.
struct Label {
  std::string text;
  Mat4 m;
};

std::vector<Label> labelsOf(const DrawList& d) {
  std::vector<Label> out;
  MatrixTracker t;
  bool inText = false;
  for (const Command& c : d.commands()) {
    const bool glyph = c.op == Op::CallList && c.list() >= kBase && c.list() < kBase + 256;
    if (glyph) {
      if (!inText) out.push_back({"", t.current()});
      out.back().text += static_cast<char>(c.list() - kBase);
    }
    inText = glyph;
    t.apply(d, c);
  }
  return out;
}

void expectNear(const Vec3& a, const Vec3& b, const std::string& what) {
  EXPECT_NEAR(a.x, b.x, 1e-12) << what;
  EXPECT_NEAR(a.y, b.y, 1e-12) << what;
  EXPECT_NEAR(a.z, b.z, 1e-12) << what;
}

struct LabelWant {
  std::string text;
  Vec3 origin, along, up;
};

void expectLabels(const DrawList& d, const std::vector<LabelWant>& want) {
  const auto got = labelsOf(d);
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t k = 0; k < want.size(); ++k) {
    const LabelWant& w = want[k];
    EXPECT_EQ(got[k].text, w.text);
    // 0.625 drawing units per font unit
    expectNear(got[k].m.point({0, 0, 0}), w.origin, w.text + " origin");
    expectNear(got[k].m.direction({1, 0, 0}), w.along, w.text + " along");
    expectNear(got[k].m.direction({0, 1, 0}), w.up, w.text + " up");
  }
}

TEST(AxesLabels, NamesAtBothEndsOfEachAxis) {
  Scene s = scene();
  s.ymin = -3, s.zmax = 2, s.gradz = 0.5L;
  const Vec3 y{0, 0.625, 0}, up{0, 0, 0.625};
  expectLabels(buildAxes(s), {{"y", {0, 6, 0}, y, up},
                              {"y'", {0, -5, 0}, y, up},
                              {"z", {0, 0, 6}, y, up},
                              {"z'", {0, 0, -10}, y, up},
                              {"x", {6, 0, 0}, y, up},
                              {"x'", {-6, 0, 0}, y, up}});
}

TEST(AxesLabels, GridLabelsStartAtTheGraduation) {
  Scene s = scene();
  s.typerepere = TypeRepere::grille;
  s.gradx = 2, s.grady = 0.5L;
  const Vec3 up{0, 0, 0.625};
  expectLabels(buildAxes(s), {{"- x +", {-2, -9, 0}, {0.625, 0, 0}, up},
                              {"- y +", {3, -0.5, 0}, {0, 0.625, 0}, up}});
}

TEST(AxesGrid, FamiliesOnFloorAndWallsThenThickTraces) {
  Scene s = scene();
  s.typerepere = TypeRepere::grille;
  s.gradz = 2;
  const DrawList d = buildAxes(s);
  EXPECT_EQ(d.count(Op::Begin, gl::TRIANGLES), 0u);  // no arrows
  const auto prims = d.primitives();
  ASSERT_EQ(prims.size(), 10u + 10u + 6u + 1u);  // 0 drawn in both directions
  // x family first: floor line then back-wall line at x = q
  EXPECT_EQ(prims[1].vertices, (std::vector<Vec3>{{1, -4, -2}, {1, 4, -2}, {1, 4, -2}, {1, 4, 2}}));
  // z family: back wall and left wall at z = q, q in drawing units
  EXPECT_EQ(prims[21].vertices,
            (std::vector<Vec3>{{-4, 4, 1}, {4, 4, 1}, {-4, -4, 1}, {-4, 4, 1}}));
  const Primitive& traces = prims.back();
  ASSERT_EQ(traces.vertices.size(), 12u);
  EXPECT_EQ(traces.vertices[0], (Vec3{-4, 4, 0}));
  EXPECT_EQ(traces.vertices[11], (Vec3{0, 4, -2}));
  const auto widths = d.filter(Op::LineWidth);
  EXPECT_EQ(widths.back().d[0], 4);
  EXPECT_LT(d.findIf([](const Command& c) { return c.op == Op::LineWidth && c.d[0] == 4; }),
            traces.at);
}

TEST(AxesHidden, OnlyTheStateChanges) {
  Scene s = scene();
  s.typerepere = TypeRepere::masque;
  s.xmax = 2;
  const DrawList d = buildAxes(s);
  std::vector<Op> ops;
  for (const Command& c : d.commands()) ops.push_back(c.op);
  EXPECT_EQ(ops, (std::vector<Op>{Op::PushMatrix, Op::PolygonMode, Op::LineWidth, Op::Material,
                                  Op::Material, Op::Material, Op::PopMatrix}));
}

struct PlaneCase {
  const char* name;
  void (*change)(Scene&);
  ClipPlane xmin, xmax, ymin, ymax, zmin, zmax;
};

void PrintTo(const PlaneCase& c, std::ostream* os) {
  *os << c.name;
}

class ClipPlaneTest : public ::testing::TestWithParam<PlaneCase> {};

TEST_P(ClipPlaneTest, BoxWidenedByAThousandthOfAUnit) {
  const PlaneCase& k = GetParam();
  Scene s = scene();
  s.clipxmin = s.clipxmax = s.clipymin = s.clipymax = s.clipzmin = s.clipzmax = {9, 9, 9, 9};
  k.change(s);
  computeClipPlanes(s);
  const std::pair<ClipPlane, ClipPlane> pairs[] = {{s.clipxmin, k.xmin}, {s.clipxmax, k.xmax},
                                                   {s.clipymin, k.ymin}, {s.clipymax, k.ymax},
                                                   {s.clipzmin, k.zmin}, {s.clipzmax, k.zmax}};
  for (const auto& [got, want] : pairs)
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Frames, ClipPlaneTest,
                         ::testing::Values(PlaneCase{"defaults",
                                                     [](Scene&) {},
                                                     {1, 0, 0, 4.001},
                                                     {1, 0, 0, 4.001},
                                                     {0, 1, 0, 4.001},
                                                     {0, 1, 0, 4.001},
                                                     {0, 0, 1, 4.001},
                                                     {0, 0, 1, 4.001}},
                                           PlaneCase{"grads",
                                                     [](Scene& s) {
                                                       s.gradx = 0.5L, s.grady = 2, s.zmax = 0,
                                                       s.zmin = -1;
                                                     },
                                                     {1, 0, 0, 8.002},
                                                     {1, 0, 0, 8.002},
                                                     {0, 1, 0, 2.0005},
                                                     {0, 1, 0, 2.0005},
                                                     {0, 0, 1, 1.001},
                                                     {0, 0, 1, 0.001}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Axes, DefaultSceneStartsWithTheBoxPlanes) {
  Scene fresh = scene();
  Scene built = fresh;
  computeClipPlanes(built);
  EXPECT_EQ(fresh.clipxmin, built.clipxmin);
  EXPECT_EQ(fresh.clipzmax, built.clipzmax);
}

// Graduations the dialog would refuse must not hang or exhaust memory.
TEST(Axes, DegenerateGraduationsStayBounded) {
  const extended bad[] = {0, -1, 1e-12L, std::numeric_limits<extended>::quiet_NaN(),
                          std::numeric_limits<extended>::infinity()};
  for (extended g : bad)
    for (TypeRepere style : {TypeRepere::axes, TypeRepere::grille}) {
      Scene s = scene();
      s.typerepere = style;
      s.gradx = g;
      const DrawList d = buildAxes(s);
      EXPECT_LT(d.size(), 20u * static_cast<std::size_t>(kMaxPas)) << static_cast<double>(g);
    }
}

}  // namespace
}  // namespace quadrel
