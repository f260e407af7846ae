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

extended derivee(TExpress& e, extended x) {
  constexpr extended h = 1e-9L;
  constexpr extended failed = 1e8L;
  const extended f0 = e.Evaluate(x, 0, 0);
  const extended f1 = e.Evaluate(x + h, 0, 0);
  if (erreurcalcul) return failed;
  // An overflow of the quotient shows as an infinity; no need to read the fault flags.
  const extended slope = (f1 - f0) / h;
  if (!std::isfinite(slope)) return failed;
  return slope;
}

vecteur produitvectoriel(const vecteur& u, const vecteur& v) {
  return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

extended norme(const vecteur& v) {
  return quadrel::expr::x87::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}
