#include "sections/planz.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "matutil.h"
#include "opcodes.h"
#include "sections/plan_commun.h"
#include "surfaces/niveaux.h"
#include "view/glconst.h"

namespace quadrel {

namespace {

constexpr double kFleche = 0.2;  // arrowheads and ticks, drawing units

// The plane's rectangle, its x and y axes with arrowheads, and the ticks (y then x, upwards
// then downwards), in black.
void planEtRepere(const EntreesPlan& s, DrawList& d, double z) {
  const double x0 = dessin(s.xmin, s.gradx), x1 = dessin(s.xmax, s.gradx);
  const double y0 = dessin(s.ymin, s.grady), y1 = dessin(s.ymax, s.grady);
  d.begin(gl::QUADS);
  d.vertex(x0, y0, z), d.vertex(x0, y1, z), d.vertex(x1, y1, z), d.vertex(x1, y0, z);
  d.end();
  d.lineWidth(2);
  d.color(0, 0, 0);
  d.disable(gl::LIGHTING);
  d.begin(gl::LINES);
  d.vertex(x0, 0, z), d.vertex(x1, 0, z);
  d.vertex(0, y0, z), d.vertex(0, y1, z);
  d.vertex(x1 - kFleche, kFleche, z), d.vertex(x1, 0, z);
  d.vertex(x1 - kFleche, -kFleche, z), d.vertex(x1, 0, z);
  d.vertex(kFleche, y1 - kFleche, z), d.vertex(0, y1, z);
  d.vertex(-kFleche, y1 - kFleche, z), d.vertex(0, y1, z);
  d.end();
  d.begin(gl::LINES);
  for (const int sens : {1, -1}) {
    for (const double y : graduationsPlan(s.ymin, s.ymax, s.grady, sens))
      d.vertex(kFleche, y, z), d.vertex(-kFleche, y, z);
    for (const double x : graduationsPlan(s.xmin, s.xmax, s.gradx, sens))
      d.vertex(x, kFleche, z), d.vertex(x, -kFleche, z);
  }
  d.end();
}

// Units of one sample of a row, its two evaluations: the elementary functions cost most
// (sinl, expl, powl: hundreds of ns each, the arithmetic a few ns).
long coutEchantillon(const EntreesPlan& s) {
  using expr::Op;
  static constexpr Op kCheres[] = {Op::Power, Op::Cos,    Op::Sin,   Op::Exp,  Op::Ln,
                                   Op::Sqrt,  Op::Arctan, Op::Sinh,  Op::Cosh, Op::Tan,
                                   Op::Tanh,  Op::Arcsin, Op::Arccos};
  long fonctions = 0;
  const std::vector<int> codes = s.programme ? s.programme->operationCodes() : std::vector<int>{};
  for (const int code : codes)
    fonctions += std::count(std::begin(kCheres), std::end(kCheres), static_cast<Op>(code));
  return 2 * (1 + 8 * fonctions);
}

}  // namespace

LevelSearch sectionZSearch(const EntreesPlan& s, extended k) {
  LevelSearch p;
  p.xmin = s.xmin, p.xmax = s.xmax, p.ymin = s.ymin, p.ymax = s.ymax;
  // A frame of +-100 keeps its grid and sampling; a wider one gets as many rows, columns
  // and samples, spread over the whole frame.
  const extended pas = pasCourbeZ(s.precision);
  p.maxLignes = kLignesSectionZ;
  p.maxIntervalles = kIntervallesSectionZ;
  p.pasx = std::max(pas, std::fabs(s.xmax - s.xmin) / kLignesSectionZ);
  p.pasy = std::max(pas, std::fabs(s.ymax - s.ymin) / kLignesSectionZ);
  p.budget = kBudgetSectionZ;
  p.budgetEtale = kBudgetSectionZEtale;
  // Wider frames are searched on a coarser grid anyway: their budget counts the evaluations
  // along the rows too, and is smaller, so that a move of k stays quick.
  if (p.pasx > pas || p.pasy > pas) {
    p.budget = kBudgetSectionZLarge;
    p.budgetEtale = kBudgetSectionZLarge / 3;
    p.coutEchantillon = coutEchantillon(s);
  }
  p.levels = {k};  // searched even outside [zmin, zmax]
  p.scanStep = 0.5L;
  p.scanStepYOnly = 0.25L, p.divisionYOnly = 2;
  p.scanStepXOnly = 0.5L, p.divisionXOnly = 2;
  return p;
}

DrawList buildPlanZ(const EntreesPlan& s, extended k, LignesGardees* gardees) {
  DrawList d;
  debutPlan(s, d, gl::CLIP_PLANE2, {0, 0, 1});
  const double z = dessin(k, s.gradz);
  if (s.voirplan) planEtRepere(s, d, z);
  // Lines whatever voirplan says: the solid's disk shows as its circle.
  d.polygonMode(gl::FRONT_AND_BACK, gl::LINE);
  d.lineWidth(3);
  d.color(0, 0, 0);
  if (fonctionvalide(s) && s.intersections) {
    if (s.programme) {
      const LevelSearch p = sectionZSearch(s, k);
      LevelPoints r;
      if (gardees) {
        r = collectLevelPoints(s.programme, p, *gardees);
      } else {
        TExpress e(*s.programme);
        r = collectLevelPoints(e, p);
      }
      appendLevelSegments(d, r.points, s.gradx, s.grady, s.gradz);
    }
  }
  sectionSolide(s, d, Axe::z, k);
  finPlan(d, gl::CLIP_PLANE2);
  return d;
}

}  // namespace quadrel
