#include "view/frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "view/glconst.h"
#include "view/mat4.h"

namespace quadrel {
namespace {

constexpr unsigned kSolidMarker = 900;

// A scene with one of everything: solid, surface, section, free point.
Scene full() {
  Scene s;
  s.etatformule = EtatChamp::accepte;
  s.quadriqueok = true;
  s.typequadrique = 1;
  s.choixsectionVisible = true;
  s.typesection = 1;
  s.pointlibreVisible = true;
  return s;
}

struct Calls {
  std::vector<bool> solids;  // transparent flag of each solid drawn
};

FrameHooks hooks(Calls& c) {
  FrameHooks h;
  h.dessinesolide = [&c](const EntreesSolide&, DrawList& d, bool transparent) {
    c.solids.push_back(transparent);
    d.callList(kSolidMarker + (transparent ? 1 : 0));
  };
  return h;
}

// The frame read as named events: lists called, the point's ball, the solid.
std::string events(const DrawList& d) {
  static const std::map<unsigned, std::string> names{
      {0, "axes"},   {1, "surface"},  {2, "lx"},      {3, "ly"},
      {4, "lz"},     {5, "planx"},    {6, "plany"},   {7, "planz"},
      {8, "planxy"}, {9, "pyramide"}, {900, "solid"}, {901, "solid~"}};
  std::string out;
  for (const Command& c : d.commands()) {
    std::string e;
    if (c.op == Op::CallList) e = names.at(c.list());
    if (c.op == Op::Sphere) e = "point";
    if (!e.empty()) out += (out.empty() ? "" : " ") + e;
  }
  return out;
}

struct PassCase {
  const char* name;
  bool transpsurf, transplan, transquad;
  std::string expected;
};

void PrintTo(const PassCase& c, std::ostream* os) {
  *os << c.name;
}

class PassOrderTest : public ::testing::TestWithParam<PassCase> {};

TEST_P(PassOrderTest, OpaqueFirstTransparentLast) {
  const PassCase& p = GetParam();
  Scene s = full();
  s.transpsurf = p.transpsurf, s.transplan = p.transplan, s.transquad = p.transquad;
  Calls c;
  const Frame f = buildFrame(s, hooks(c));
  EXPECT_EQ(events(f.commands), p.expected);  // one section pass per frame, never two
}

INSTANTIATE_TEST_SUITE_P(
    Passes, PassOrderTest,
    ::testing::Values(
        PassCase{"opaque", false, false, false, "axes solid surface lx ly lz planx point"},
        PassCase{"surface", true, false, false, "axes solid planx point surface lx ly lz"},
        PassCase{"section", false, true, false, "axes solid surface lx ly lz point planx"},
        PassCase{"solid", false, false, true, "axes surface lx ly lz planx point solid~"},
        // Only the dialog keeps the options exclusive; the frame still orders them.
        PassCase{"all", true, true, true, "axes point surface lx ly lz planx solid~"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ConditionCase {
  const char* name;
  void (*change)(Scene&);
  std::string expected;
};

void PrintTo(const ConditionCase& c, std::ostream* os) {
  *os << c.name;
}

class ConditionTest : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(ConditionTest, PassesDrawOnlyWhatExists) {
  Scene s = full();
  GetParam().change(s);
  Calls c;
  EXPECT_EQ(events(buildFrame(s, hooks(c)).commands), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, ConditionTest,
    ::testing::Values(
        ConditionCase{"empty", [](Scene& s) { s = Scene{}; }, "axes"},
        ConditionCase{"pending", [](Scene& s) { s.etatformule = EtatChamp::attente; },
                      "axes solid planx point"},
        ConditionCase{"refused", [](Scene& s) { s.etatformule = EtatChamp::refuse; },
                      "axes solid planx point"},
        ConditionCase{"linesonly", [](Scene& s) { s.rendu3d = false, s.foncblanc = false; },
                      "axes solid lx ly lz planx point"},
        ConditionCase{"white", [](Scene& s) { s.rendu3d = false, s.foncblanc = true; },
                      "axes solid surface lx ly lz planx point"},
        ConditionCase{"noxy", [](Scene& s) { s.niveauxy = false; },
                      "axes solid surface lz planx point"},
        ConditionCase{"noz", [](Scene& s) { s.niveauz = false; },
                      "axes solid surface lx ly planx point"},
        ConditionCase{"nosolid", [](Scene& s) { s.quadriqueok = false; },
                      "axes surface lx ly lz planx point"},
        ConditionCase{"grads", [](Scene& s) { s.gradz = 2; }, "axes surface lx ly lz planx point"},
        ConditionCase{"kind0", [](Scene& s) { s.typequadrique = 0; },
                      "axes surface lx ly lz planx point"},
        ConditionCase{"kind10", [](Scene& s) { s.typequadrique = 10; },
                      "axes surface lx ly lz planx point"},
        ConditionCase{"nosection", [](Scene& s) { s.choixsectionVisible = false; },
                      "axes solid surface lx ly lz point"},
        ConditionCase{"sectiony", [](Scene& s) { s.typesection = 2; },
                      "axes solid surface lx ly lz plany point"},
        ConditionCase{"sectionz", [](Scene& s) { s.typesection = 3; },
                      "axes solid surface lx ly lz planz point"},
        ConditionCase{"general", [](Scene& s) { s.typesection = 4; },
                      "axes solid surface lx ly lz planxy point"},
        ConditionCase{"nokind", [](Scene& s) { s.typesection = 0; },
                      "axes solid surface lx ly lz point"},
        ConditionCase{"badkind", [](Scene& s) { s.typesection = 7; },
                      "axes solid surface lx ly lz point"},
        ConditionCase{"nopoint", [](Scene& s) { s.pointlibreVisible = false; },
                      "axes solid surface lx ly lz planx"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Frame, UnsetHooksAreAllowed) {
  Scene t = full();
  EXPECT_EQ(events(buildFrame(t).commands), "axes surface lx ly lz planx point");
}

// The capabilities switched by the render options, each on and off.
struct OptionCase {
  bool Scene::*option;
  std::vector<int> caps;
};

void PrintTo(const OptionCase& c, std::ostream* os) {
  *os << c.caps.front();
}

class OptionTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionTest, EnablesWhenOnDisablesWhenOff) {
  for (bool on : {true, false}) {
    Scene s;
    s.*GetParam().option = on;
    const DrawList d = buildFrame(s).commands;
    for (int cap : GetParam().caps) {
      EXPECT_EQ(d.count(Op::Enable, cap), on ? 1u : 0u) << cap;
      EXPECT_EQ(d.count(Op::Disable, cap), on ? 0u : 1u) << cap;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionTest,
    ::testing::Values(OptionCase{&Scene::brouillard, {gl::FOG}},
                      OptionCase{&Scene::aliasing, {gl::POINT_SMOOTH, gl::LINE_SMOOTH}},
                      OptionCase{&Scene::eclairage, {gl::LIGHTING, gl::LIGHT0}}));

// A frame of a stream draws as with the option off; the still picture smooths.
TEST(Frame, StreamFramesLeaveLinesUnsmoothed) {
  Scene s;
  s.aliasing = true;
  for (bool flux : {false, true}) {
    const DrawList d = buildFrame(s, {}, flux).commands;
    EXPECT_EQ(d.count(Op::Enable, gl::LINE_SMOOTH), flux ? 0u : 1u) << flux;
    EXPECT_EQ(d.count(Op::Disable, gl::BLEND), flux ? 1u : 0u) << flux;
  }
}

TEST(Frame, FogIsLinearFromOneToThirty) {
  Scene s;
  s.brouillard = true;
  const DrawList d = buildFrame(s).commands;
  EXPECT_EQ(d.filter(Op::FogMode).at(0).i[0], gl::LINEAR);
  std::map<int, double> fog;
  for (const Command& c : d.filter(Op::Fog)) fog[c.i[0]] = c.d[0];
  EXPECT_EQ(fog[gl::FOG_START], 1);
  EXPECT_EQ(fog[gl::FOG_END], 30);
  EXPECT_EQ(fog[gl::FOG_DENSITY], 0.8);
  EXPECT_LT(d.find(Op::Fog), d.find(Op::Enable, gl::FOG));
}

TEST(Frame, StartsFromAClearWhiteIdentity) {
  Scene s;
  const DrawList d = buildFrame(s).commands;
  ASSERT_GE(d.size(), 4u);
  EXPECT_EQ(d[0].op, Op::ClearColor);
  EXPECT_EQ(d[0].d[0] + d[0].d[1] + d[0].d[2] + d[0].d[3], 4);
  EXPECT_EQ(d[1].i[0], gl::COLOR_BUFFER_BIT | gl::DEPTH_BUFFER_BIT);
  EXPECT_LT(d.find(Op::LoadIdentity), d.find(Op::LookAt));
  EXPECT_EQ(d.filter(Op::DepthFunc).at(0).i[0], gl::LEQUAL);
  EXPECT_EQ(d.filter(Op::Material).at(0).d[0], 120);  // shininess, both faces
  EXPECT_EQ(d.filter(Op::Material).at(0).i[0], gl::FRONT_AND_BACK);
  // matrix stack balanced at the end
  EXPECT_EQ(d.count(Op::PushMatrix), d.count(Op::PopMatrix));
}

// The light follows pan and zoom but not the turn of the scene.
TEST(Frame, LightIgnoresTheTurn) {
  Scene s;
  s.decaly = 1, s.decalz = 2, s.zoom = 0.5f, s.rotz = 30, s.inclinaison = 20;
  const DrawList d = buildFrame(s).commands;
  const std::size_t k = d.find(Op::Light, gl::LIGHT0, d.find(Op::LookAt));
  const Command* pos = nullptr;
  for (std::size_t j = k; j < d.size() && !pos; ++j)
    if (d[j].op == Op::Light && d[j].i[1] == gl::POSITION) pos = &d[j];
  ASSERT_NE(pos, nullptr);
  EXPECT_EQ(pos->d[0], 4);
  EXPECT_EQ(pos->d[1], -4);
  const std::size_t at = static_cast<std::size_t>(pos - d.commands().data());
  const Mat4 m = MatrixTracker::at(d, at);
  const Mat4 want = Mat4::lookAt({10, 10, 10}, {}, {0, 0, 1}) * Mat4::translation(0, 1, 2) *
                    Mat4::scaling(0.5, 0.5, 0.5);
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(m.m[i], want.m[i], 1e-12);
  // while the axes are drawn under the full scene transform
  const Mat4 scene = MatrixTracker::at(d, d.findList(Liste::axes));
  const Mat4 full = want * Mat4::rotation(-30, 0, 0, 1) * Mat4::rotation(20, -1, 1, 0);
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(scene.m[i], full.m[i], 1e-6);
}

// Each plane, installed as the frame installs it, keeps the box and cuts outside it.
TEST(Frame, ClipPlanesAfterAxesKeepTheBox) {
  Scene s;
  s.clipxmin = {1, 0, 0, 3}, s.clipxmax = {1, 0, 0, 2};
  s.clipymin = {0, 1, 0, 5}, s.clipymax = {0, 1, 0, 1};
  s.clipzmin = {0, 0, 1, 4}, s.clipzmax = {0, 0, 1, 6};
  const DrawList d = buildFrame(s).commands;
  const std::size_t axes = d.findList(Liste::axes);
  std::vector<int> order;
  std::map<int, std::pair<Vec3, Vec3>> keepCut{
      {gl::CLIP_PLANE5, {{-3, 0, 0}, {-3.01, 0, 0}}}, {gl::CLIP_PLANE0, {{2, 0, 0}, {2.01, 0, 0}}},
      {gl::CLIP_PLANE4, {{0, -5, 0}, {0, -5.01, 0}}}, {gl::CLIP_PLANE3, {{0, 1, 0}, {0, 1.01, 0}}},
      {gl::CLIP_PLANE2, {{0, 0, -4}, {0, 0, -4.01}}}, {gl::CLIP_PLANE1, {{0, 0, 6}, {0, 0, 6.01}}}};
  for (std::size_t k = axes; k < d.size(); ++k) {
    if (d[k].op != Op::ClipPlane) continue;
    order.push_back(d[k].i[0]);
    MatrixTracker t;  // relative to the scene transform
    for (std::size_t j = axes; j < k; ++j) t.apply(d, d[j]);
    const Mat4& r = t.current();  // a rotation: its inverse is its transpose
    auto side = [&](const Vec3& v) {
      const Vec3 u{r.m[0] * v.x + r.m[1] * v.y + r.m[2] * v.z,
                   r.m[4] * v.x + r.m[5] * v.y + r.m[6] * v.z,
                   r.m[8] * v.x + r.m[9] * v.y + r.m[10] * v.z};
      return d[k].d[0] * u.x + d[k].d[1] * u.y + d[k].d[2] * u.z + d[k].d[3];
    };
    const auto& [keep, cut] = keepCut.at(d[k].i[0]);
    EXPECT_NEAR(side(keep), 0, 1e-9) << d[k].i[0];
    EXPECT_LT(side(cut), 0) << d[k].i[0];
    EXPECT_GT(side({0, 0, 0}), 0) << d[k].i[0];
    EXPECT_LT(d.find(Op::Enable, d[k].i[0], k), d.find(Op::Disable, d[k].i[0], k));
  }
  EXPECT_EQ(order, (std::vector<int>{gl::CLIP_PLANE2, gl::CLIP_PLANE4, gl::CLIP_PLANE5,
                                     gl::CLIP_PLANE1, gl::CLIP_PLANE3, gl::CLIP_PLANE0}));
  EXPECT_EQ(d.find(Op::ClipPlane), d.find(Op::ClipPlane, axes));  // none before the axes
  std::vector<int> off;
  for (const Command& c : d.filter(Op::Disable))
    if (c.i[0] >= gl::CLIP_PLANE0 && c.i[0] <= gl::CLIP_PLANE5) off.push_back(c.i[0]);
  EXPECT_EQ(off, (std::vector<int>{gl::CLIP_PLANE0, gl::CLIP_PLANE1, gl::CLIP_PLANE2,
                                   gl::CLIP_PLANE3, gl::CLIP_PLANE4, gl::CLIP_PLANE5}));
}

TEST(Frame, SolidColourSetUpByRenderMode) {
  struct Case {
    bool rendu3d, foncblanc, transparent;
    Op colour;
    std::array<double, 4> rgba;
    bool plein;
  };
  const Case cases[] = {{true, false, false, Op::Color4, {1, 1, 0, 1}, true},
                        {true, false, true, Op::Color4, {1, 1, 0, 0.4}, true},
                        {false, true, false, Op::Color4, {0.75, 0.75, 0.75, 1}, true},
                        {false, true, true, Op::Color4, {0.75, 0.75, 0.75, 0.4}, true},
                        {false, false, false, Op::Color3, {0, 0, 0, 0}, false},
                        {false, false, true, Op::Color3, {0, 0, 0, 0}, false}};
  for (const Case& k : cases) {
    Scene s;
    s.quadriqueok = true, s.typequadrique = 2;
    s.rendu3d = k.rendu3d, s.foncblanc = k.foncblanc, s.transquad = k.transparent;
    bool plein = !k.plein;
    FrameHooks h;
    h.dessinesolide = [&](const EntreesSolide& sc, DrawList& d, bool) {
      plein = sc.plein;
      d.callList(kSolidMarker);
    };
    const DrawList d = buildFrame(s, h).commands;
    const std::size_t marker = d.findList(kSolidMarker);
    ASSERT_NE(marker, DrawList::npos);
    EXPECT_EQ(plein, k.plein);
    std::size_t colour = DrawList::npos;
    for (std::size_t j = 0; j < marker; ++j)
      if (d[j].op == Op::Color3 || d[j].op == Op::Color4) colour = j;
    ASSERT_NE(colour, DrawList::npos);
    EXPECT_EQ(d[colour].op, k.colour);
    for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(d[colour].d[i], k.rgba[i]);
    const bool wire = !k.plein;
    const std::size_t mode = d.find(Op::PolygonMode, gl::FRONT_AND_BACK, colour - 4);
    EXPECT_EQ(d[mode].i[1], wire ? gl::LINE : gl::FILL);
    EXPECT_EQ(d.find(Op::Disable, gl::LIGHTING, colour) < marker, wire);
    const auto width = d.find(Op::LineWidth, colour);
    EXPECT_LT(width, marker);
    EXPECT_EQ(d[width].d[0], 2);
    // Only the grey solid of white mode gets unit normals, and only around itself.
    const bool gris = k.foncblanc && !k.rendu3d;
    EXPECT_EQ(d.find(Op::Enable, gl::NORMALIZE, colour) < marker, gris);
    EXPECT_EQ(d.find(Op::Disable, gl::NORMALIZE, marker) != DrawList::npos, gris);
  }
}

TEST(Frame, FreePointBallAndProjections) {
  struct Case {
    TypeRepere style;
    extended gradz;
    Vec3 origin;  // the corner the rectangles reach
  };
  // Grid and hidden frames project onto the lower faces of the box, in drawing units.
  const Case cases[] = {{TypeRepere::axes, 1, {0, 0, 0}},
                        {TypeRepere::grille, 2, {-2, -8, -2}},
                        {TypeRepere::masque, 4, {-2, -8, -1}}};
  for (const Case& k : cases) {
    Scene s;
    s.pointlibreVisible = true;
    s.typerepere = k.style;
    s.xmin = -4, s.gradx = 2, s.ymin = -4, s.grady = 0.5L, s.zmin = -4, s.gradz = k.gradz;
    s.pointx = 3, s.pointy = 1, s.pointz = 0.75;
    const DrawList d = buildFrame(s).commands;
    const std::size_t ball = d.find(Op::Sphere);
    ASSERT_NE(ball, DrawList::npos);
    EXPECT_EQ(d[ball].i[0], kQuadPoint);
    EXPECT_EQ(d[ball].d[0], 0.2);
    EXPECT_EQ(d[ball].i[1], 5);
    EXPECT_EQ(d[ball].i[2], 5);
    const Vec3 c = MatrixTracker::at(d, ball).point({});
    const Vec3 want = (MatrixTracker::at(d, d.findList(Liste::axes))).point({1.5, 2, 0.75});
    EXPECT_NEAR(c.x, want.x, 1e-9);
    EXPECT_NEAR(c.y, want.y, 1e-9);
    EXPECT_NEAR(c.z, want.z, 1e-9);
    const auto prims = d.primitives();
    ASSERT_EQ(prims.size(), 1u);
    ASSERT_EQ(prims[0].mode, gl::QUADS);
    const auto& v = prims[0].vertices;
    ASSERT_EQ(v.size(), 12u);
    const Vec3 p{1.5, 2, 0.75}, o = k.origin;
    EXPECT_EQ(v, (std::vector<Vec3>{p,
                                    {p.x, p.y, o.z},
                                    {o.x, p.y, o.z},
                                    {o.x, p.y, p.z},
                                    p,
                                    {p.x, p.y, o.z},
                                    {p.x, o.y, o.z},
                                    {p.x, o.y, p.z},
                                    p,
                                    {o.x, p.y, p.z},
                                    {o.x, o.y, p.z},
                                    {p.x, o.y, p.z}}));
    EXPECT_EQ(d[d.find(Op::PolygonMode, gl::FRONT_AND_BACK, ball)].i[1], gl::LINE);
  }
}

TEST(Frame, CaptionShowsTheHeightInUserUnits) {
  struct Case {
    double x, y, z;
    extended gradz;
    std::string caption;
  };
  const Case cases[] = {{1.5, -2, 1.0 / 3, 1, "M(1.5;-2;0.333)"},
                        {2, 3, -1.25, 1, "M(2;3;-1.25)"},
                        {2, 3, -0.625, 2, "M(2;3;-1.25)"},
                        {-0.0001, 0.0004999, 0, 1, "M(0;0;0)"}};
  for (const Case& k : cases) {
    Scene s;
    s.pointlibreVisible = true;
    s.pointx = k.x, s.pointy = k.y, s.pointz = k.z, s.gradz = k.gradz;
    const Frame f = buildFrame(s);
    ASSERT_TRUE(f.caption.has_value());
    EXPECT_EQ(*f.caption, k.caption);
  }
  Scene s;
  EXPECT_FALSE(buildFrame(s).caption.has_value());
}

TEST(Texte3, RoundsToThreeDecimalsShortestForm) {
  const std::pair<double, const char*> cases[] = {
      {0, "0"},           {1.5, "1.5"},        {-2, "-2"},
      {1.0 / 3, "0.333"}, {2.0 / 3, "0.667"},  {-1.25, "-1.25"},
      {0.0625, "0.062"},  {-0.0625, "-0.062"}, {1234567.89012, "1234567.89"},
      {-0.0004, "0"},     {1e20, "1e+20"}};
  for (const auto& [v, text] : cases) EXPECT_EQ(texte3(v), text) << v;
}

TEST(GardeDessin, NestedFrameReturnsAndFlagAlwaysClears) {
  Scene s;
  {
    GardeDessin outer(s);
    ASSERT_TRUE(outer);
    EXPECT_TRUE(s.dessinencours);
    GardeDessin nested(s);
    EXPECT_FALSE(nested);
  }
  EXPECT_FALSE(s.dessinencours);
  try {
    GardeDessin g(s);
    throw std::runtime_error("frame failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(s.dessinencours);
}

}  // namespace
}  // namespace quadrel
