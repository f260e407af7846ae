// Collecting the points of the level lines f(x, y) = k: roots along the rows and columns of
// a grid, for a list of levels. The z lines of the surface and the z section both use it,
// each with its own parameters.
//
// Use:
//   TExpress e(*scene.programme);                        // compiled once, on acceptance
//   LevelSearch p = levelLinesSearch(scene);             // or fill the fields yourself
//   LevelPoints r = collectLevelPoints(e, p);
//   appendLevelSegments(d, r.points, gx, gy, gz);        // joined, as GL_LINES
//
// A section by the plane z = k, say, fills the box from the frame, levels = {k} and its
// own steps (grid, scan steps, spacing divisions); nothing else differs. The table is the
// same whichever SearchMethod, so a caller may rely on exact point values.
//
// The search never builds a formula text: the formula's program is evaluated with the row's
// value in place of the fixed variable, and the level subtracted afterwards. Both numbers
// are first written and read back at 15 significant digits, as they would be in a text, so
// the roots are those of f(x, "y0") - "k" exactly. Each root search samples its interval at
// a regular step and refines by bisection (sign changes, tangent zeros, borders of the
// domain), with the arithmetic of chercheracines.
#pragma once

#include <memory>
#include <vector>

#include "parsor.h"
#include "surfaces/entrees_fonction.h"
#include "surfaces/jonction.h"
#include "view/drawlist.h"

namespace quadrel {

inline constexpr int kMaxPoints = 6000;           // size of the point table
inline constexpr int kMaxLignesParNiveau = 1000;  // rows (or columns) solved per level
inline constexpr long kMaxNiveaux = 10000;        // levels walked each way
// Intervals one root search may sample: a wider interval is sampled at a coarser step
// (range / this). With the usual step 0.1, ranges up to 200 keep their step.
inline constexpr long kMaxIntervalles = 2000;
// Work units (one per sampled interval, 48 per bisection step) one collection may
// spend; when they run out, collecting stops as when the table is full.
inline constexpr long kBudgetRecherche = 120000000;

// Levels in the order they are solved: 0; then up by gz, keeping those strictly inside
// (zmin, zmax), plus the first one that reaches zmax; then down by gz, keeping those inside,
// until one reaches zmin. 0, 1, 2, 3, 4, 3, 2, 1, 0, -1, -2, -3 for the default frame.
std::vector<extended> levelSequence(extended zmin, extended zmax, extended gz);

// What to search. All values in user units.
struct LevelSearch {
  extended xmin = -4, xmax = 4, ymin = -4, ymax = 4;  // the box
  // Grid: pass 1 solves in x along the rows y = ymin, ymin + pasy, ... < ymax; pass 2 in y
  // along the columns x = xmin, xmin + pasx, ... < xmax. At most kMaxLignesParNiveau each.
  extended pasx = 0.2L, pasy = 0.2L;
  std::vector<extended> levels;  // in the order solved; a point's z is its level
  extended scanStep = 0.1L;      // both variables used: sampling step of each root search
  // One variable used: the curves are lines parallel to the other axis; their roots are
  // searched once per level at these steps, and drawn as points every pasx / division
  // (formula in y only) or pasy / division (formula in x only).
  extended scanStepYOnly = 0.25L, scanStepXOnly = 0.25L;
  int divisionYOnly = 4, divisionXOnly = 4;
  long budget = kBudgetRecherche;  // work units
  // Most rows (columns) per level, and intervals per root search along a row when both
  // variables are used (see kMaxLignesParNiveau, kMaxIntervalles).
  std::size_t maxLignes = kMaxLignesParNiveau;
  long maxIntervalles = kMaxIntervalles;
  // Units charged for each sample point of a row or column when it is first searched (both
  // variables used): the cost of its two evaluations. 0: the samples are not counted.
  long coutEchantillon = 0;
  // Both variables used and a single level: when `budget` runs out, the rows and columns
  // are searched again with this many units, in an order whose every beginning is spread
  // over the whole box, so that the curve comes out coarser rather than cut off. 0: no
  // second search, the points found so far stay.
  long budgetEtale = 0;
};

struct LevelPoints {
  std::vector<PointNiveau> points;  // table order (entry 1 first)
  bool complete = true;             // false when the work budget cut the search short
  long work = 0;                    // work units spent
  bool etale = false;               // the spread second search gave the points
};

// How the values are computed. Both give the same table bit for bit; `reference` evaluates
// every value afresh (kept for the tests and the benchmark).
enum class SearchMethod { cached, reference };

// The search for the compiled formula `e` (its program tells which variables it uses).
// Two variables: pass 1 then pass 2, each over all levels; a point already in the table
// (same x, y, z) is not added again. One variable: the roots' lines, points repeated when a
// level comes twice. No variable: nothing.
LevelPoints collectLevelPoints(TExpress& e, const LevelSearch& p,
                               SearchMethod m = SearchMethod::cached);

// The lines of one search, kept for the next search along the same rows and columns at
// another level: a z section whose k moves reads f at the same samples at every step, and
// its derivative's bisections walk the same paths. They keep the formula's evaluator too,
// whose native code is then made once. A search with them finds what a search afresh finds,
// bit for bit, and charges the same work.
class LignesGardees {
 public:
  LignesGardees();
  ~LignesGardees();
  LignesGardees(const LignesGardees&) = delete;
  LignesGardees& operator=(const LignesGardees&) = delete;

  struct Etat;

 private:
  friend LevelPoints collectLevelPoints(const std::shared_ptr<const expr::CompiledFormula>&,
                                        const LevelSearch&, LignesGardees&);
  std::unique_ptr<Etat> etat_;
};

// The search for `formule` with the lines `gardees` kept from the previous one, when it was
// for the same formula, box and steps; they are made afresh otherwise, and kept for the next.
LevelPoints collectLevelPoints(const std::shared_ptr<const expr::CompiledFormula>& formule,
                               const LevelSearch& p, LignesGardees& gardees);

// The parameters of the surface's z lines: steps range / (10 p), every level of the z
// graduation, the usual scan steps.
LevelSearch levelLinesSearch(const EntreesFonction& s);

// The points joined to their nearest neighbours of the same level (reach: a third of the
// graduations' diagonal), drawn as one GL_LINES batch in drawing units. Nothing when no
// pair is joined.
void appendLevelSegments(DrawList& d, const std::vector<PointNiveau>& points, extended gx,
                         extended gy, extended gz);

}  // namespace quadrel
