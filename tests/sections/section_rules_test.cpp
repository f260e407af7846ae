#include "sections/section_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quadrel {
namespace {

// Records what appelplan asks of the sheet.
struct Enregistreur : FeuilleSections {
  std::vector<std::string> appels;
  void prepareplanx(extended k) override { appels.push_back("x " + texteK(k)); }
  void prepareplany(extended k) override { appels.push_back("y " + texteK(k)); }
  void prepareplanz(extended k) override { appels.push_back("z " + texteK(k)); }
  void prepareplanxy(const std::string& l, extended k) override {
    appels.push_back("xy " + l + " " + texteK(k));
  }
};

LectureSection lecture(int genre, std::vector<std::string> textes, int position) {
  LectureSection l;
  l.actives.fill(false);
  if (genre < 3) {
    l.actives[genre] = true;
    l.formules[genre] = textes[0];
  } else {
    for (int i = 0; i < 3; ++i) l.actives[3 + i] = true, l.formules[3 + i] = textes[i];
  }
  l.position = position;
  l.choixsectionVisible = true;
  return l;
}

// The controls put into the model (k on the track bar), then the section they give.
ResultatAppel appelplan(Scene& s, const LectureSection& l, FeuilleSections& f) {
  const int avant = s.typesection;
  static_cast<Section&>(s) = l;
  s.typesection = avant;
  s.k = valeurK(l).k;
  return quadrel::appelplan(s, f);
}

TEST(Appelplan, KindsPositionsPointAndCut) {
  const ClipPlane boite{1, 0, 0, 4.001};
  const struct {
    LectureSection l;
    int type;
    std::vector<std::string> appels;
    double pointx, pointy;
    ClipPlane clip;  // the cut of this kind (x: clipxmin, y: clipymin, z: clipzmin)
  } cas[] = {
      {lecture(0, {""}, 0), 0, {}, 9, 9, boite},
      {lecture(0, {"k"}, 0), 1, {"x k=-4"}, -4, 9, {1, 0, 0, 4.01}},
      {lecture(0, {"k"}, 20), 1, {"x k=0"}, 0, 9, {1, 0, 0, 0.01}},
      {lecture(0, {"k/2"}, 30), 1, {"x k=1"}, 1, 9, {1, 0, 0, -0.99}},
      {lecture(1, {"k"}, 30), 2, {"y k=2"}, 9, 2, {0, 1, 0, -1.99}},
      {lecture(2, {"k"}, 30), 3, {"z k=2"}, 9, 9, {0, 0, 1, -2}},
      {lecture(3, {"1", "2", "-3"}, 0), 4, {"xy -0.5*x+(1.5) k=-4"}, 9, -3, {1, 2, 0, -3}},
      {lecture(3, {"0", "2", "-3"}, 0), 0, {}, 9, 9, boite},
      {lecture(3, {"1", "0", "-3"}, 0), 0, {}, 9, 9, boite},
  };
  for (const auto& c : cas) {
    Scene s;
    s.pointx = s.pointy = 9;
    Enregistreur f;
    appelplan(s, c.l, f);
    EXPECT_EQ(s.typesection, c.type);
    EXPECT_EQ(f.appels, c.appels);
    EXPECT_DOUBLE_EQ(s.pointx, c.pointx);
    EXPECT_DOUBLE_EQ(s.pointy, c.pointy);
    const ClipPlane& coupe = c.type == 2 ? s.clipymin : c.type == 3 ? s.clipzmin : s.clipxmin;
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(coupe[i], c.clip[i], 1e-12) << c.type;
  }
}

TEST(Appelplan, GeneralPlaneFieldColours) {
  const struct {
    std::vector<std::string> textes;
    std::array<std::optional<EtatChamp>, 3> couleurs;
  } cas[] = {
      {{"0", "2", "3"}, {EtatChamp::refuse, std::nullopt, std::nullopt}},
      {{"1", "k-k", "3"}, {EtatChamp::accepte, EtatChamp::refuse, std::nullopt}},
      {{"1", "2", "-"}, {EtatChamp::accepte, EtatChamp::accepte, EtatChamp::refuse}},
      {{"1", "2", "k"}, {EtatChamp::accepte, EtatChamp::accepte, EtatChamp::accepte}},
  };
  for (const auto& c : cas) {
    Scene s;
    Enregistreur f;
    EXPECT_EQ(appelplan(s, lecture(3, c.textes, 0), f).coefficients, c.couleurs);
  }
}

// A value too large to be drawn (a position, k, the range of k, the line's -a/b or -c/b)
// shows nothing and moves nothing; the general plane's field that brings it turns red.
TEST(Appelplan, ValuesTooLargeToDrawShowNothing) {
  using C = std::array<std::optional<EtatChamp>, 3>;
  const auto oui = EtatChamp::accepte, non = EtatChamp::refuse;
  const struct {
    int genre;
    std::vector<std::string> textes;
    const char *kmin, *kmax;
    C couleurs;
  } cas[] = {
      {0, {"1E4000"}, "-4", "4", {}},
      {1, {"k*k*k"}, "-1E200", "4", {}},
      {0, {"k"}, "-1E4932", "1E4932", {}},
      {2, {"k"}, "-1E300", "1E300", {}},
      {3, {"1E4000", "1", "1"}, "-4", "4", {non, {}, {}}},
      {3, {"1", "1E-4000", "0"}, "-4", "4", {oui, non, {}}},
      {3, {"1E300", "0.5", "0"}, "-4", "4", {oui, non, {}}},
      {3, {"1", "0.5", "1E300"}, "-4", "4", {oui, oui, non}},
  };
  for (const auto& c : cas) {
    LectureSection l = lecture(c.genre, c.textes, 0);
    l.kmin = c.kmin, l.kmax = c.kmax;
    Scene s;
    s.pointx = s.pointy = 9;
    Enregistreur f;
    EXPECT_EQ(appelplan(s, l, f).coefficients, c.couleurs) << c.textes[0];
    EXPECT_EQ(s.typesection, 0) << c.textes[0];
    EXPECT_TRUE(f.appels.empty()) << c.textes[0];
    EXPECT_EQ(s.pointx, 9);
    EXPECT_EQ(s.pointy, 9);
  }
}

// Bounds, their range, or the k they give beyond what can be drawn: refused, no label.
TEST(Bounds, TooLargeToDraw) {
  const struct {
    const char *kmin, *kmax;
    int position;
  } cas[] = {{"-1E4932", "4", 0}, {"-4", "1E301", 0}, {"-1E300", "1E300", 0}, {"1E300", "0", 40}};
  for (const auto& c : cas) {
    LectureSection l;
    l.kmin = c.kmin, l.kmax = c.kmax, l.position = c.position;
    const VerificationBornes v = verifieBornes(l);
    EXPECT_FALSE(v.kminOk || v.kmaxOk || v.curseurActif) << c.kmin << " " << c.kmax;
    EXPECT_EQ(v.affk, std::nullopt) << c.kmin << " " << c.kmax;
  }
}

// A section that cannot be shown (formula or bound unreadable, formula undefined at k)
// leaves the sheet: no list, no point moved, no cut; a change is reported when that
// changes what the sheet shows, and only then.
TEST(Appelplan, ASectionThatCannotBeShownLeavesTheSheet) {
  const struct {
    int genre;
    std::vector<std::string> textes;
    const char *kmin, *kmax;
  } cas[] = {
      {0, {"k+"}, "-4", "4"},
      {1, {"k"}, "-", "4"},
      {2, {"k"}, "-4", "V(-1)"},
      {0, {"V(k)"}, "-4", "4"},
      {1, {"1/(k-k)"}, "-4", "4"},
      {2, {"ln(k)"}, "-4", "4"},
      {3, {"1", "2", "V(k)"}, "-4", "4"},
      {3, {"k-k", "2", "3"}, "-4", "4"},
  };
  Scene boite;  // the frame box, uncut
  for (const auto& c : cas) {
    for (const bool montree : {true, false}) {
      LectureSection l = lecture(c.genre, c.textes, 0);
      l.kmin = c.kmin, l.kmax = c.kmax;
      Scene s;
      s.pointx = s.pointy = 9;
      if (montree) {  // the kind was shown, with its cut
        s.typesection = c.genre + 1;
        s.clipxmin[3] = s.clipymin[3] = s.clipzmin[3] = -1;
      }
      Enregistreur f;
      const ResultatAppel r = appelplan(s, l, f);
      const std::string cas = c.textes.back() + (montree ? " shown" : " hidden");
      EXPECT_EQ(s.typesection, 0) << cas;
      EXPECT_TRUE(f.appels.empty()) << cas;
      EXPECT_EQ(r.change, montree) << cas;
      EXPECT_EQ(s.clipxmin, boite.clipxmin) << cas;
      EXPECT_EQ(s.clipymin, boite.clipymin) << cas;
      EXPECT_EQ(s.clipzmin, boite.clipzmin) << cas;
      EXPECT_EQ(s.pointx, 9) << cas;
      EXPECT_EQ(s.pointy, 9) << cas;
    }
  }
}

TEST(Appelplan, CutOnlyWithTheOptionOnAVisibleDialog) {
  for (const bool option : {false, true})
    for (const bool visible : {false, true}) {
      Scene s;
      s.coupeplan = option;
      LectureSection l = lecture(0, {"1"}, 0);
      l.choixsectionVisible = visible;
      Enregistreur f;
      appelplan(s, l, f);
      EXPECT_EQ(s.clipxmin[3] < 0, option && visible);
    }
}

TEST(Bounds, ColoursTrackBarAndLabel) {
  const struct {
    const char *kmin, *kmax;
    int position;
    bool ok;
    std::optional<std::string> affk;
  } cas[] = {
      {"-4", "4", 20, true, "k=0"},   {"3", "1", 0, false, "k=3"},    {"-", "4", 0, false, {}},
      {"0", "1", 1, true, "k=0.025"}, {"0", "1", 3, true, "k=0.075"}, {"1", "1", 0, false, "k=1"},
  };
  for (const auto& c : cas) {
    LectureSection l;
    l.kmin = c.kmin, l.kmax = c.kmax, l.position = c.position;
    const VerificationBornes v = verifieBornes(l);
    EXPECT_EQ(v.kminOk, c.ok) << c.kmin << " " << c.kmax;
    EXPECT_EQ(v.kmaxOk, c.ok);
    EXPECT_EQ(v.curseurActif, c.ok);
    EXPECT_EQ(v.affk, c.affk);
  }
}

// The sweep of k: from kmin toward kmax as the track bar maps them (kmax below kmin too),
// back at either end, at the chosen speed.
TEST(Animation, SweepsAndBounces) {
  const struct {
    const char *kmin, *kmax;
    double t0;
    int sens0;
    double duree, vitesse, t;
    int sens;
    double k;
  } cas[] = {
      {"-4", "4", 0, 1, 1, 1, 0.25, 1, -2},      {"-4", "4", 0.9, 1, 1, 1, 0.85, -1, 2.8},
      {"-4", "4", 0.1, -1, 1, 1, 0.15, 1, -2.8}, {"-4", "4", 0, 1, 1, 2, 0.5, 1, 0},
      {"-4", "4", 0, 1, 1, 0.5, 0.125, 1, -3},   {"3", "1", 0, 1, 2, 1, 0.5, 1, 4},
  };
  for (const auto& c : cas) {
    Section l;
    l.kmin = c.kmin, l.kmax = c.kmax;
    double t = c.t0;
    int sens = c.sens0;
    const extended k = pasAnimation(l, c.duree, c.vitesse, t, sens);
    EXPECT_NEAR(t, c.t, 1e-12) << c.t0;
    EXPECT_EQ(sens, c.sens) << c.t0;
    EXPECT_NEAR(double(k), c.k, 1e-9) << c.t0;
  }
}

}  // namespace
}  // namespace quadrel
