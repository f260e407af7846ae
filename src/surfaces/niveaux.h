// Collecting the points of the level lines z = k: roots of f(x, y) = k along the rows and
// columns of a grid, for every level of the z graduation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "parsor.h"
#include "surfaces/jonction.h"
#include "view/scene.h"

namespace quadrel {

inline constexpr int kMaxPoints = 6000;           // size of the point table
inline constexpr int kMaxLignesParNiveau = 1000;  // rows (or columns) solved per level
inline constexpr long kMaxNiveaux = 10000;        // levels walked each way

// Levels in the order they are solved: 0; then up by gz, keeping those strictly inside
// (zmin, zmax), plus the first one that reaches zmax; then down by gz, keeping those inside,
// until one reaches zmin. 0, 1, 2, 3, 4, 3, 2, 1, 0, -1, -2, -3 for the default frame.
std::vector<extended> levelSequence(extended zmin, extended zmax, extended gz);

// A normalised formula cut at its variables x and y (only the variables: the x of exp is
// not one), so that a value can be put in their place cheaply.
class Gabarit {
 public:
  explicit Gabarit(std::string_view formule);
  bool usesX() const { return usesX_; }
  bool usesY() const { return usesY_; }
  // The formula with each x replaced by `pourX` and each y by `pourY`.
  std::string avec(std::string_view pourX, std::string_view pourY) const;

 private:
  std::vector<std::string> morceaux_;  // text between variables; one more than variables_
  std::vector<char> variables_;
  bool usesX_ = false, usesY_ = false;
};

// The point table for the z lines (entry 1 first), from the normalised formula. Reads the
// frame and the precision; sets pasx and pasy to the unlimited steps of the z lines.
std::vector<PointNiveau> collectLevelPoints(Scene& s, std::string_view formule);

}  // namespace quadrel
