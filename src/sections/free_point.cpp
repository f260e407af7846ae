#include "sections/free_point.h"

#include <cmath>
#include <limits>

#include "matutil.h"

namespace quadrel {

namespace {

// The first point of the scan strictly inside (zmin, zmax). Points where the formula is
// undefined do not qualify: their error value could fall inside a very tall frame.
bool dedans(const Scene& s, extended h, bool strict) {
  if (erreurcalcul) return false;
  return strict ? (s.zmin < h && h < s.zmax) : (s.zmin <= h && h <= s.zmax);
}

// Columns x = xmin + gx, ... and in each y = ymin + gy, ...; a column (and the scan) ends
// after the first value beyond its bound, so that value is still tried.
void balayage(Scene& s, TExpress& e) {
  extended x = s.xmin, y = s.ymin;
  for (long c = 0; c < kMaxBalayage; ++c) {
    x += s.gradx;
    y = s.ymin;
    for (long r = 0; r < kMaxBalayage; ++r) {
      y += s.grady;
      const extended h = e.Evaluate(x, y, 0);
      if (dedans(s, h, true)) {
        s.pointx = static_cast<double>(x);
        s.pointy = static_cast<double>(y);
        return;
      }
      if (y > s.ymax) break;
    }
    if (x > s.xmax) break;
  }
  s.pointx = static_cast<double>(x);
  s.pointy = static_cast<double>(y);
}

}  // namespace

void positionDepart(Scene& s) {
  s.pointx = static_cast<double>(s.xmin);
  s.pointy = static_cast<double>(s.ymin);
  s.pointz = 0;
  if (!fonctionvalide(s) || !s.programme) return;
  TExpress e(*s.programme);
  if (dedans(s, e.Evaluate(s.xmin, s.ymin, 0), false)) return;
  balayage(s, e);
}

void deplacePoint(Scene& s, Deplacement sens, bool graduations) {
  const extended petit = s.gradx / 10;
  const extended h = hauteurDefinie(s) ? s.pointz * s.gradz : 0;
  const bool sansFormule = s.formule.empty();
  // The bound is checked before the move: M may end up one step beyond it.
  switch (sens) {
    case Deplacement::xplus:
      if (s.pointx < s.xmax)
        s.pointx = static_cast<double>(s.pointx + (graduations ? s.gradx : petit));
      break;
    case Deplacement::xmoins:
      if (s.pointx > s.xmin)
        s.pointx = static_cast<double>(s.pointx - (graduations ? s.gradx : petit));
      break;
    case Deplacement::yplus:
      if (s.pointy < s.ymax)
        s.pointy = static_cast<double>(s.pointy + (graduations ? s.grady : petit));
      break;
    case Deplacement::ymoins:
      if (s.pointy > s.ymin)
        s.pointy = static_cast<double>(s.pointy - (graduations ? s.grady : petit));
      break;
    case Deplacement::zplus:
      if (sansFormule && h < s.zmax)
        s.pointz = static_cast<double>((h + (graduations ? s.gradz : petit)) / s.gradz);
      break;
    case Deplacement::zmoins:
      if (sansFormule && h > s.zmin)
        s.pointz = static_cast<double>((h - (graduations ? s.gradz : petit)) / s.gradz);
      break;
  }
  // The height where M landed, now: a move onto an undefined height shows as such at once.
  hauteurpoint(s);
}

void hauteurpoint(Scene& s) {
  if (!fonctionvalide(s) || !s.programme) return;
  TExpress e(*s.programme);
  const extended h = e.Evaluate(s.pointx, s.pointy, 0);
  // The error value is no height: M is not drawn there and its caption says so.
  if (erreurcalcul || !std::isfinite(h)) {
    s.pointz = std::numeric_limits<double>::quiet_NaN();
    return;
  }
  double z = static_cast<double>(h / s.gradz);
  // The frame's bounds doubled, against the height as stored.
  const double haut = static_cast<double>(2 * s.zmax), bas = static_cast<double>(2 * s.zmin);
  if (z > haut) z = haut;
  if (z < bas) z = bas;
  s.pointz = z;
}

}  // namespace quadrel
