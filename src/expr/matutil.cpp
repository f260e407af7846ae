#include "matutil.h"

#include <cmath>

#include "program.h"
#include "x87math.h"

extended valeurformule(std::string_view text, bool& erreur) {
  TExpress e;
  e.setExpression(std::string_view(normalise(text)).substr(0, quadrel::expr::kMaxFormulaLength));
  erreur = false;
  erreurcalcul = false;
  extended value = 0;
  if (e.CompileError()) {
    erreur = true;
  } else {
    value = e.Evaluate(0, 0, 0);
  }
  if (erreurcalcul) erreur = true;
  return value;
}

extended slopeOf(extended f0, extended f1, bool f1Failed) {
  constexpr extended failed = 1e8L;
  if (f1Failed) return failed;
  // An overflow of the quotient shows as an infinity; no need to read the fault flags.
  const extended slope = (f1 - f0) / kDerivativeStep;
  if (!std::isfinite(slope)) return failed;
  return slope;
}

extended derivee(TExpress& e, extended x) {
  const extended f0 = e.Evaluate(x, 0, 0);
  const extended f1 = e.Evaluate(x + kDerivativeStep, 0, 0);
  return slopeOf(f0, f1, erreurcalcul);
}

vecteur produitvectoriel(const vecteur& u, const vecteur& v) {
  return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

extended norme(const vecteur& v) {
  return quadrel::expr::x87::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}
