#include "sections/plans.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "matutil.h"
#include "sections/plan_commun.h"
#include "view/glconst.h"

namespace quadrel {

namespace {

constexpr double kFleche = 0.2;  // arrowheads and ticks, drawing units

struct Echantillon {
  extended v;
  bool erreur;
};

Echantillon f(TExpress& e, extended x, extended y) {
  const extended v = e.Evaluate(x, y, 0);
  return {v, erreurcalcul};
}

// f at the points t of the line where the other variable is `fixe` (variable 0: x moves,
// 1: y moves), in one call to the engine; the same values, flags and draws as point by point.
class Echantillons {
 public:
  Echantillons(TExpress& e, int variable, const std::vector<extended>& t, extended fixe)
      : v_(t.size()), erreurs_(std::make_unique<bool[]>(t.size())) {
    e.EvaluateAlong(variable, t.data(), t.size(), fixe, fixe, 0, v_.data(), erreurs_.get());
  }
  Echantillon operator[](std::size_t i) const { return {v_[i], erreurs_[i]}; }

 private:
  std::vector<extended> v_;
  std::unique_ptr<bool[]> erreurs_;
};

// The surface's program for a curve, when there is one to draw.
bool compileSurface(const EntreesPlan& s, TExpress& e) {
  if (!fonctionvalide(s) || !s.intersections || !s.programme) return false;
  e.setFormula(*s.programme);
  return true;
}

// The plane x = k (or y = k with `enY`): a rectangle over the frame, its two axes with
// arrowheads and ticks. `u` is the plane's coordinate, `a` the other horizontal one.
class PlanVertical {
 public:
  PlanVertical(const EntreesPlan& s, DrawList& d, bool enY) : s_(s), d_(d), enY_(enY) {}

  // (a, z) in drawing units at the plane's u.
  void point(double u, double a, double z) {
    if (enY_)
      d_.vertex(a, u, z);
    else
      d_.vertex(u, a, z);
  }

  void rectangle(double u) {
    const double a0 = amin(), a1 = amax();
    const double z0 = dessin(s_.zmin, s_.gradz), z1 = dessin(s_.zmax, s_.gradz);
    d_.begin(gl::QUADS);
    point(u, a0, z0);
    point(u, a1, z0);
    point(u, a1, z1);
    point(u, a0, z1);
    d_.end();
  }

  void axes(double u) {
    const double a0 = amin(), a1 = amax();
    const double z0 = dessin(s_.zmin, s_.gradz), z1 = dessin(s_.zmax, s_.gradz);
    d_.begin(gl::LINES);
    point(u, a0, 0), point(u, a1, 0);
    point(u, a1 - kFleche, -kFleche), point(u, a1, 0);
    point(u, a1 - kFleche, kFleche), point(u, a1, 0);
    point(u, 0, z0), point(u, 0, z1);
    point(u, kFleche, z1 - kFleche), point(u, 0, z1);
    point(u, -kFleche, z1 - kFleche), point(u, 0, z1);
    d_.end();
    const extended alo = enY_ ? s_.xmin : s_.ymin, ahi = enY_ ? s_.xmax : s_.ymax;
    const extended ga = enY_ ? s_.gradx : s_.grady;
    d_.begin(gl::LINES);
    for (const int sens : {1, -1}) {
      for (const double a : graduationsPlan(alo, ahi, ga, sens))
        point(u, a, kFleche), point(u, a, -kFleche);
      for (const double z : graduationsPlan(s_.zmin, s_.zmax, s_.gradz, sens))
        point(u, kFleche, z), point(u, -kFleche, z);
    }
    d_.end();
  }

 private:
  double amin() const { return enY_ ? dessin(s_.xmin, s_.gradx) : dessin(s_.ymin, s_.grady); }
  double amax() const { return enY_ ? dessin(s_.xmax, s_.gradx) : dessin(s_.ymax, s_.grady); }

  const EntreesPlan& s_;
  DrawList& d_;
  const bool enY_;
};

// Plane, then (with voirplan) the outline in lines, unlit, with the small frame.
void planEtRepere(const EntreesPlan& s, DrawList& d, bool enY, extended k) {
  PlanVertical p(s, d, enY);
  const double u = enY ? dessin(k, s.grady) : dessin(k, s.gradx);
  if (!s.voirplan) return;
  p.rectangle(u);
  d.polygonMode(gl::FRONT_AND_BACK, gl::LINE);
  d.disable(gl::LIGHTING);
  d.lineWidth(2);
  couleurContour(d);
  p.axes(u);
}

bool dansTolerance(extended z, const EntreesPlan& s, extended dessous, extended dessus) {
  return s.zmin - dessous <= z && z <= s.zmax + dessus;
}

// The trace of the surface in the plane x = k: one sample per step from ymin, the last one
// up to a step beyond ymax.
void courbeX(const EntreesPlan& s, TExpress& e, DrawList& d, extended k) {
  const extended pas = pasCourbe(s.ymin, s.ymax, s.precision);
  const double u = dessin(k, s.gradx);
  std::vector<extended> ys{s.ymin};
  extended y = s.ymin;
  do {
    ys.push_back(y += pas);
  } while (y <= s.ymax);
  const Echantillons z(e, 1, ys, k);
  bool ouvert = false;
  for (std::size_t i = 1; i < ys.size(); ++i) {
    const Echantillon a = z[i - 1], b = z[i];
    if (!a.erreur && !b.erreur && dansTolerance(b.v, s, 10, 10) && dansTolerance(a.v, s, 5, 10)) {
      if (!ouvert) d.begin(gl::LINES), ouvert = true;
      d.vertex(u, dessin(ys[i] - pas, s.grady), dessin(a.v, s.gradz));
      d.vertex(u, dessin(ys[i], s.grady), dessin(b.v, s.gradz));
    }
  }
  if (ouvert) d.end();
}

// The trace in the plane y = k: the last step is shortened to end on xmax.
void courbeY(const EntreesPlan& s, TExpress& e, DrawList& d, extended k) {
  const extended pas = pasCourbe(s.xmin, s.xmax, s.precision);
  const double u = dessin(k, s.grady);
  std::vector<extended> xs{s.xmin};
  extended x = s.xmin;
  do {
    xs.push_back(x = std::min(x + pas, s.xmax));
  } while (x < s.xmax);
  const Echantillons z(e, 0, xs, k);
  bool ouvert = false;
  for (std::size_t i = 1; i < xs.size(); ++i) {
    const Echantillon a = z[i - 1], b = z[i];
    if (!a.erreur && !b.erreur && dansTolerance(a.v, s, 10, 10) && dansTolerance(b.v, s, 10, 10)) {
      if (!ouvert) d.begin(gl::LINES), ouvert = true;
      d.vertex(dessin(xs[i - 1], s.gradx), u, dessin(a.v, s.gradz));
      d.vertex(dessin(xs[i], s.gradx), u, dessin(b.v, s.gradz));
    }
  }
  if (ouvert) d.end();
}

DrawList planVertical(const EntreesPlan& s, bool enY, extended k) {
  DrawList d;
  TExpress e;
  const int clip = enY ? gl::CLIP_PLANE4 : gl::CLIP_PLANE5;
  debutPlan(s, d, clip, enY ? Vec3{0, 1, 0} : Vec3{1, 0, 0});
  planEtRepere(s, d, enY, k);
  d.lineWidth(3);
  d.color(0, 0, 0);
  const extended lo = enY ? s.ymin : s.xmin, hi = enY ? s.ymax : s.xmax;
  if (lo <= k && k <= hi && compileSurface(s, e)) {
    if (enY)
      courbeY(s, e, d, k);
    else
      courbeX(s, e, d, k);
  }
  sectionSolide(s, d, enY ? Axe::y : Axe::x, k);
  finPlan(d, clip);
  return d;
}

struct PointLigne {
  extended x, y;
};

// The general plane's curve over the samples of its trace line.
void courbeXY(const EntreesPlan& s, TExpress& e, DrawList& d, const std::vector<PointLigne>& pts) {
  if (pts.empty()) return;
  auto dedans = [&s](const Echantillon& z, extended y) {
    return !z.erreur && s.zmin - 5 <= z.v && z.v <= s.zmax + 5 && s.ymin - 5 <= y &&
           y <= s.ymax + 5;
  };
  Echantillon a = f(e, pts[0].x, pts[0].y);
  bool ouvert = false;
  for (std::size_t j = 1; j < pts.size(); ++j) {
    const Echantillon b = f(e, pts[j].x, pts[j].y);
    if (dedans(a, pts[j - 1].y) && dedans(b, pts[j].y)) {
      if (!ouvert) d.begin(gl::LINES), ouvert = true;
      for (const std::size_t i : {j - 1, j})
        d.vertex(dessin(pts[i].x, s.gradx), dessin(pts[i].y, s.grady),
                 dessin(i == j ? b.v : a.v, s.gradz));
    }
    a = b;
  }
  if (ouvert) d.end();
}

// The horizontal normal of the vertical plane along (dx, dy), drawing units.
Vec3 normaleTrace(double dx, double dy) {
  const double n = std::hypot(dx, dy);
  if (!(n > 0) || !std::isfinite(n)) return {0, 1, 0};
  return {-dy / n, dx / n, 0};
}

}  // namespace

DrawList buildPlanX(const EntreesPlan& s, extended k) {
  return planVertical(s, false, k);
}

DrawList buildPlanY(const EntreesPlan& s, extended k) {
  return planVertical(s, true, k);
}

std::optional<DrawList> buildPlanXY(const EntreesPlan& s, const std::string& texte, extended k) {
  TExpress ligne;
  ligne.setExpression(texte);  // written by the dialog in engine notation already
  const bool compile = !ligne.CompileError();
  const extended y1 = ligne.Evaluate(s.xmin, 0, k);
  const bool erreur1 = erreurcalcul;
  const extended y2 = ligne.Evaluate(s.xmax, 0, k);
  if (erreur1 || erreurcalcul) return std::nullopt;

  DrawList d;
  const double x0 = dessin(s.xmin, s.gradx), x1 = dessin(s.xmax, s.gradx);
  const double a = dessin(y1, s.grady), b = dessin(y2, s.grady);
  debutPlan(s, d, gl::CLIP_PLANE5, normaleTrace(x1 - x0, b - a));
  if (s.voirplan) {
    const double z0 = dessin(s.zmin, s.gradz), z1 = dessin(s.zmax, s.gradz);
    d.begin(gl::QUADS);
    d.vertex(x0, a, z0), d.vertex(x0, a, z1), d.vertex(x1, b, z1), d.vertex(x1, b, z0);
    d.end();
    d.polygonMode(gl::FRONT_AND_BACK, gl::LINE);
    d.disable(gl::LIGHTING);
    d.lineWidth(3);
    couleurContour(d);
    d.begin(gl::LINES);
    d.vertex(x0, a, 0), d.vertex(x1, b, 0);
    d.end();
  }
  // No colour of its own: the curve takes the outline's, or the plane's without it.
  d.lineWidth(3);
  const extended pas = pasCourbe(s.xmin, s.xmax, s.precision);
  std::vector<PointLigne> pts;
  if (compile) {
    for (int j = 0; j < kMaxEchantillonsXY; ++j) {
      const extended x = s.xmin + j * pas;
      if (!(x < s.xmax)) break;
      pts.push_back({x, ligne.Evaluate(x, 0, k)});
    }
  }
  TExpress e;
  if (compileSurface(s, e)) courbeXY(s, e, d, pts);
  finPlan(d, gl::CLIP_PLANE5);
  return d;
}

}  // namespace quadrel
