#include "matutil.h"

#include <cmath>

#include "program.h"
#include "x87math.h"

std::shared_ptr<const quadrel::expr::CompiledFormula> compileformule(std::string_view text) {
  return quadrel::expr::CompiledFormula::compile(normalise(text));
}

bool mesurable(extended v) {
  return std::fabs(v) <= kValeurMax;
}

extended valeurformule(std::string_view text, bool& erreur, bool* horslimite) {
  if (horslimite) *horslimite = false;
  const std::string normal = normalise(text);
  erreur = true;
  erreurcalcul = false;
  if (normal.size() > quadrel::expr::kMaxFormulaLength) return 0;
  TExpress e;
  e.setExpression(normal);
  if (e.CompileError()) return 0;
  const extended value = e.Evaluate(0, 0, 0);
  if (erreurcalcul) return value;
  erreur = !mesurable(value);
  if (horslimite) *horslimite = erreur;
  return value;
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
