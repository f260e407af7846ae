#include "sections/section_rules.h"

#include <cmath>

#include "matutil.h"
#include "surfaces/axes.h"  // computeClipPlanes
#include "surfaces/texte_nombre.h"
#include "view/frame.h"  // texte3

namespace quadrel {

namespace {

struct Borne {
  extended v;
  bool erreur;
};

Borne lireBorne(const std::string& t) {
  bool erreur = false;
  const extended v = valeurformule(t, erreur);
  return {erreur ? 0 : v, erreur};
}

// The general plane, a·x + b·y + c = 0. a and b must be non-zero; each field is coloured as
// it is checked and the first refused one ends the attempt.
struct Coefficients {
  std::array<std::optional<EtatChamp>, 3> couleurs;
  bool ok = false;
  extended a = 0, b = 0, c = 0;
};

Coefficients coefficients(const LectureSection& l, extended k) {
  Coefficients r;
  extended coef[3];
  for (int i = 0; i < 3; ++i) {
    const std::optional<extended> v = valeurPlan(l.formules[3 + i], k);
    bool ok = v && !(i < 2 && *v == 0);
    if (ok && i == 1) ok = mesurable(coef[0] / *v);  // the line's slope -a/b
    if (ok && i == 2) ok = mesurable(*v / coef[1]);  // and its intercept -c/b
    if (!ok) {
      r.couleurs[i] = EtatChamp::refuse;
      return r;
    }
    r.couleurs[i] = EtatChamp::accepte;
    coef[i] = *v;
  }
  r.ok = true;
  r.a = coef[0], r.b = coef[1], r.c = coef[2];
  return r;
}

// k as the section uses it: the model's own while both bounds can be read (the track bar
// or the animation put it there), else what the track bar reads of the bounds.
extended kSection(const LectureSection& l) {
  const ValeurK vk = valeurK(l);
  return vk.erreurMin || vk.erreurMax ? vk.k : l.k;
}

bool planGeneral(Scene& s, FeuilleSections& f, extended k, ResultatAppel& r) {
  const Coefficients co = coefficients(s, k);
  r.coefficients = co.couleurs;
  if (!co.ok) return false;
  const extended a = co.a, b = co.b, c = co.c;
  const std::string ligne = texteLigne(a, b, c);
  f.prepareplanxy(ligne, k);
  s.typesection = 4;
  TExpress e;
  e.setExpression(ligne);
  const extended y = e.Evaluate(s.pointx, 0, k);
  if (!e.CompileError() && !erreurcalcul && mesurable(y)) s.pointy = static_cast<double>(y);
  if (s.coupeplan && s.choixsectionVisible)
    s.clipxmin = {static_cast<double>(a * s.gradx), static_cast<double>(b * s.grady), 0,
                  static_cast<double>(c)};
  return true;
}

}  // namespace

ValeurK valeurK(const LectureSection& l) {
  const Borne lo = lireBorne(l.kmin), hi = lireBorne(l.kmax);
  ValeurK r;
  r.erreurMin = lo.erreur;
  r.erreurMax = hi.erreur;
  const extended pos = l.maximum > 0 ? extended(l.position) / l.maximum : 0;
  r.k = lo.v + std::fabs(hi.v - lo.v) * pos;
  // A range or a k too large to draw: both bounds refused, read as 0.
  if (!mesurable(hi.v - lo.v) || !mesurable(r.k)) r = {0, true, true};
  return r;
}

std::optional<extended> valeurPlan(const std::string& texte, extended k) {
  TExpress e;
  e.setExpression(normalise(remplace(texte, "k", "z")));
  if (e.CompileError()) return std::nullopt;
  const extended v = e.Evaluate(0, 0, k);
  if (erreurcalcul || !mesurable(v)) return std::nullopt;
  return v;
}

std::string texteLigne(extended a, extended b, extended c) {
  return texteNombre(-a / b) + "*x+(" + texteNombre(-c / b) + ")";
}

extended pasAnimation(const Section& l, double duree, double vitesse, double& t, int& sens) {
  t += sens * duree * vitesse / kDureeBalayage;
  if (t >= 1) t = 2 - t, sens = -1;
  if (t <= 0) t = -t, sens = 1;
  if (t > 1) t = 1;  // a step longer than a whole sweep
  const Borne lo = lireBorne(l.kmin), hi = lireBorne(l.kmax);
  return lo.v + std::fabs(hi.v - lo.v) * extended(t);
}

std::string texteK(extended k) {
  return "k=" + texte3(static_cast<double>(k));
}

std::array<std::optional<EtatChamp>, 3> couleursCoefficients(const Section& l) {
  if (!l.actives[3]) return {};
  return coefficients(l, kSection(l)).couleurs;
}

ResultatAppel appelplan(Scene& s, FeuilleSections& f) {
  ResultatAppel r;
  const LectureSection& l = s;
  const ValeurK vk = valeurK(l);
  const extended k = kSection(l);
  const bool bornes = !vk.erreurMin && !vk.erreurMax;
  const bool couper = s.coupeplan && s.choixsectionVisible;
  const int avant = s.typesection;
  const std::array<ClipPlane, 3> coupes{s.clipxmin, s.clipymin, s.clipzmin};
  s.typesection = 0;
  // Edits in tab order; p1Click keeps exactly one kind enabled.
  for (int i = 0; i < 4 && s.typesection == 0; ++i) {
    if (!l.actives[i]) continue;
    if (i == 3) {
      planGeneral(s, f, k, r);
      break;
    }
    const std::optional<extended> pos = bornes ? valeurPlan(l.formules[i], k) : std::nullopt;
    if (!pos) continue;
    if (i == 0) {
      s.pointx = static_cast<double>(*pos);
      f.prepareplanx(*pos);
      if (couper) s.clipxmin = {1, 0, 0, static_cast<double>(-*pos / s.gradx + 0.01L)};
    } else if (i == 1) {
      s.pointy = static_cast<double>(*pos);
      f.prepareplany(*pos);
      if (couper) s.clipymin = {0, 1, 0, static_cast<double>(-*pos / s.grady + 0.01L)};
    } else {
      f.prepareplanz(*pos);
      if (couper) s.clipzmin = {0, 0, 1, static_cast<double>(-*pos / s.gradz)};
    }
    s.typesection = i + 1;
  }
  // No section: no cut at a plane that is no longer shown.
  if (s.typesection == 0) computeClipPlanes(s);
  // What is shown changed (to nothing too): the sheet must not keep the old picture.
  r.change = s.typesection != avant ||
             coupes != std::array<ClipPlane, 3>{s.clipxmin, s.clipymin, s.clipzmin};
  return r;
}

VerificationBornes verifieBornes(const LectureSection& l) {
  VerificationBornes r;
  const Borne hi = lireBorne(l.kmax), lo = lireBorne(l.kmin);
  const bool ordre = !lo.erreur && !hi.erreur && hi.v > lo.v && mesurable(hi.v - lo.v);
  r.curseurActif = ordre;
  r.kminOk = ordre;
  r.kmaxOk = ordre;
  const ValeurK k = valeurK(l);
  if (!k.erreurMin && !k.erreurMax) r.affk = texteK(k.k);
  return r;
}

}  // namespace quadrel
