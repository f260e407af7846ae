#include "surfaces/niveaux.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "matutil.h"
#include "surfaces/texte_nombre.h"
#include "view/scene.h"

namespace quadrel {
namespace {

// Every single-letter name `from` replaced by `to` (so the x of exp stays).
std::string remplaceVariable(const std::string& f, char from, const std::string& to) {
  std::string out;
  for (std::size_t i = 0; i < f.size();) {
    std::size_t j = i;
    while (j < f.size() && std::isalpha(static_cast<unsigned char>(f[j]))) ++j;
    if (j == i) {
      out += f[i++];
      continue;
    }
    out += (j - i == 1 && f[i] == from) ? to : f.substr(i, j - i);
    i = j;
  }
  return out;
}

// The collection done with texts: every row and level written out and given to
// chercheracines, uniqueness by a full scan.
std::vector<PointNiveau> collecteParTextes(const LevelSearch& p, const std::string& f) {
  const std::string echange = remplaceVariable(remplaceVariable(f, 'x', "Q"), 'y', "x");
  std::vector<PointNiveau> t;
  auto ajoute = [&](extended x, extended y, extended z) {
    const PointNiveau q{double(x), double(y), double(z)};
    for (const PointNiveau& u : t)
      if (u.x == q.x && u.y == q.y && u.z == q.z) return;
    t.push_back(q);
  };
  for (const bool enX : {true, false}) {
    for (const extended k : p.levels) {
      extended v = enX ? p.ymin : p.xmin;
      for (int n = 0; v < (enX ? p.ymax : p.xmax) && n < 1000 && t.size() < 6000;
           ++n, v += enX ? p.pasy : p.pasx) {
        // Built by appending: GCC 12 at -O3 warns falsely on "(" + std::string&&.
        std::string valeur = "(";
        valeur += texteNombre(v);
        valeur += ")";
        const std::string texte =
            (enX ? remplaceVariable(f, 'y', valeur) : remplaceVariable(echange, 'Q', valeur)) +
            "-(" + texteNombre(k) + ")";
        racines r;
        const bool ok = enX ? chercheracines(texte, p.xmin, p.xmax, 0.1L, r)
                            : chercheracines(texte, p.ymin, p.ymax, 0.1L, r);
        for (int i = 0; ok && i < r.count && t.size() < 6000; ++i)
          enX ? ajoute(r.value[i], v, k) : ajoute(v, r.value[i], k);
      }
    }
  }
  return t;
}

void memeTable(const std::vector<PointNiveau>& a, const std::vector<PointNiveau>& b,
               const std::string& quoi) {
  ASSERT_EQ(a.size(), b.size()) << quoi;
  for (std::size_t i = 0; i < a.size(); ++i) {
    ASSERT_EQ(a[i].x, b[i].x) << quoi << " point " << i;
    ASSERT_EQ(a[i].y, b[i].y) << quoi << " point " << i;
    ASSERT_EQ(a[i].z, b[i].z) << quoi << " point " << i;
  }
}

struct Cadre {
  const char* formule;
  extended xmin, xmax, ymin, ymax, zmin, zmax, gz;
  int precision;
  long budget = kBudgetRecherche;
};

LevelSearch recherche(const Cadre& c) {
  Scene s;
  s.xmin = c.xmin, s.xmax = c.xmax, s.ymin = c.ymin, s.ymax = c.ymax;
  s.zmin = c.zmin, s.zmax = c.zmax, s.gradz = c.gz, s.precision = c.precision;
  LevelSearch p = levelLinesSearch(s);
  p.budget = c.budget;
  return p;
}

// On frames whose ranges keep the 0.1 sampling (up to 200 wide), the table is the one the
// written-out texts give to chercheracines: the formula normalised once, the numbers
// written at 15 digits.
TEST(LevelPoints, SameTableAsTheTextsGivenToTheRootFinder) {
  const Cadre cas[] = {
      {"x\xB2+y\xB2", -4, 4, -4, 4, -4, 4, 1, 3},
      {"sin(x)*cos(y)", -4, 4, -4, 4, -4, 4, 1, 6},
      {"e(x/4)cos(y)", -4, 4, -4, 4, -2, 2, 0.3L, 3},  // inexact levels
      {"3e(-x\xB2-y\xB2)", -4, 4, -4, 4, -4, 4, 1, 4},
      {"sin(px/4)+y/2", -4, 4, -4, 4, -1, 1, 0.05L, 8},  // pi; a full table
      {"xy/2000", -100, 100, -100, 100, -1, 1, 1, 3},    // the widest unchanged range
  };
  for (const Cadre& c : cas) {
    TExpress e;
    e.setExpression(normalise(c.formule));
    ASSERT_FALSE(e.CompileError()) << c.formule;
    const LevelSearch p = recherche(c);
    const LevelPoints r = collectLevelPoints(e, p);
    EXPECT_TRUE(r.complete);
    ASSERT_GT(r.points.size(), 10u) << c.formule;
    memeTable(r.points, collecteParTextes(p, e.Expression()), c.formule);
  }
}

// The cached search gives the reference's table bit for bit: formulas with domain errors,
// ties between neighbours, tangent zeros, random functions, one variable, wide frames
// (coarser sampling), several precisions.
TEST(LevelPoints, CachedSearchGivesTheReferenceTable) {
  const Cadre cas[] = {
      {"sin(x)*cos(y)", -4, 4, -4, 4, -4, 4, 1, 8},
      {"x\xB2+y\xB2", -4, 4, -4, 4, -4, 4, 1, 5},
      {"ln(x*y)", -4, 4, -4, 4, -4, 4, 0.5L, 5},  // domain borders
      {"sqrt(4-x\xB2-y\xB2)", -3, 3, -3, 3, -1, 3, 0.5L, 6},
      {"1/(x-y)", -4, 4, -4, 4, -4, 4, 1, 4},             // poles
      {"abs(x)+abs(y)", -4, 4, -4, 4, -4, 4, 1, 3},       // corners, ties
      {"(x-y)\xB2", -4, 4, -4, 4, -4, 4, 1, 5},           // tangent zeros
      {"sgn(x)+y/2", -3, 3, -3, 3, -3, 3, 1, 4},          // a step
      {"x*y+rm(0,0)", -4, 4, -4, 4, -4, 4, 1, 3},         // random functions: not cached
      {"y^3-y", -4, 4, -4, 4, -4, 4, 1, 3},               // y only
      {"ln(x)", -4, 4, -4, 4, -4, 4, 0.5L, 9},            // x only
      {"xy", -10000, 10000, -10000, 10000, -4, 4, 1, 3},  // coarser sampling
      {"sin(x)+y/100", -500, 500, -2, 2, -1, 1, 0.25L, 3},
      {"sin(30x)+y/8", -4, 4, -4, 4, -1, 1, 0.5L, 3},  // rows of over 100 roots
      // the work budget running out at various points, levels met again among them
      {"sin(x)*cos(y)", -4, 4, -4, 4, -4, 4, 1, 6, 300000},
      {"sin(x)*cos(y)", -4, 4, -4, 4, -4, 4, 1, 6, 1234567},
      {"x\xB2+y\xB2", -4, 4, -4, 4, -4, 4, 1, 6, 777777},
      {"y^3-y", -4, 4, -4, 4, -4, 4, 1, 3, 5000},
  };
  for (const Cadre& c : cas) {
    TExpress e;
    // The random functions take two arguments: written in the engine's notation, as the
    // normaliser reads a comma as a decimal point.
    const std::string f = c.formule;
    e.setExpression(f.find(',') == std::string::npos ? normalise(f) : f);
    ASSERT_FALSE(e.CompileError()) << c.formule;
    const LevelSearch p = recherche(c);
    const LevelPoints rapide = collectLevelPoints(e, p);
    const LevelPoints reference = collectLevelPoints(e, p, SearchMethod::reference);
    EXPECT_EQ(rapide.complete, reference.complete) << c.formule;
    EXPECT_EQ(rapide.work, reference.work) << c.formule;
    EXPECT_EQ(rapide.complete, c.budget == kBudgetRecherche) << c.formule;
    ASSERT_FALSE(rapide.points.empty()) << c.formule;
    memeTable(rapide.points, reference.points, c.formule);
  }
}

// Lines kept from one search to the next, as a section whose k moves keeps them, find what
// a search afresh finds, with the same work: k up and back, a level with no curve, another
// box, another formula with domain borders, a budget cut short (then spread), a grid too
// large to keep.
TEST(LevelPoints, KeptLinesGiveTheFreshTable) {
  const struct {
    const char* formule;
    extended bord, k;
    long budget = 12000000;
  } pas[] = {
      {"sin(x)*cos(y)", 4, 0.5L},        {"sin(x)*cos(y)", 4, 0.45L},
      {"sin(x)*cos(y)", 4, -0.9L},       {"sin(x)*cos(y)", 4, 0.5L},
      {"sin(x)*cos(y)", 4, 3},           {"sin(x)*cos(y)", 3, 0.2L},
      {"sqrt(4-x\xB2-y\xB2)", 3, 1},     {"sqrt(4-x\xB2-y\xB2)", 3, 1.9L},
      {"sin(x)*cos(y)", 4, 0.3L, 20000}, {"sin(x)*cos(y)", 4, 0.35L},
      {"sin(x)*cos(y)", 40, 0.35L},      {"sin(x)*cos(y)", 4, 0.6L},
  };
  LignesGardees gardees;
  for (const auto& c : pas) {
    const auto f = expr::CompiledFormula::compile(normalise(c.formule));
    ASSERT_TRUE(f) << c.formule;
    LevelSearch p = recherche({c.formule, -c.bord, c.bord, -c.bord, c.bord, -4, 4, 1, 12});
    p.levels = {c.k};
    p.pasx = p.pasy = 0.25L;
    p.scanStep = 0.5L;
    p.budget = c.budget;
    p.budgetEtale = c.budget / 3;
    TExpress e(*f);
    const LevelPoints afresh = collectLevelPoints(e, p);
    const LevelPoints kept = collectLevelPoints(f, p, gardees);
    const std::string quoi = std::string(c.formule) + " k=" + std::to_string(double(c.k));
    EXPECT_EQ(kept.complete, afresh.complete) << quoi;
    EXPECT_EQ(kept.work, afresh.work) << quoi;
    EXPECT_EQ(kept.etale, afresh.etale) << quoi;
    memeTable(kept.points, afresh.points, quoi);
  }
}

TEST(LevelPoints, WorkIsBoundedOnHugeFramesAndManyLevels) {
  struct Cas {
    Cadre c;
    bool complete;
  };
  const Cas cas[] = {
      {{"xy", -1e4L, 1e4L, -1e4L, 1e4L, -4, 4, 1, 6}, true},
      {{"sin(x)*cos(y)/1000", -4, 4, -4, 4, -1000, 1000, 0.001L, 12}, false},
  };
  for (const Cas& k : cas) {
    TExpress e;
    e.setExpression(normalise(k.c.formule));
    const LevelPoints r = collectLevelPoints(e, recherche(k.c));
    EXPECT_EQ(r.complete, k.complete) << k.c.formule;
  }
}

// The cached search skips an interval only beyond doubt, as its double copies of the values
// and slopes round: each case finds a root the reference finds only near that rounding.
TEST(LevelPoints, CachedSearchKeepsIntervalsAtTheEdgeOfItsBounds) {
  const struct {
    const char* formule;
    extended niveau;
    double racine;
  } cas[] = {
      // f - k at x = 0 is 10 - 1e-17, exactly 10 in double: still within the bound of 10.
      {"40x+9.99999999999999999", 0, -0.25},
      // The slope at x = 0 is 0 once k is subtracted, 1e-18 without: a tangent zero.
      {"x^3", 1e-5L, 0},
  };
  for (const auto& c : cas) {
    TExpress e;
    e.setExpression(normalise(c.formule));
    ASSERT_FALSE(e.CompileError()) << c.formule;
    LevelSearch p;
    p.levels = {c.niveau};
    const LevelPoints reference = collectLevelPoints(e, p, SearchMethod::reference);
    ASSERT_FALSE(reference.points.empty()) << c.formule;
    EXPECT_EQ(reference.points[0].x, c.racine) << c.formule;
    memeTable(collectLevelPoints(e, p).points, reference.points, c.formule);
  }
}

}  // namespace
}  // namespace quadrel
