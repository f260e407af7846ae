// Text and numeric services on top of the formula engine: the user's notation to the
// engine's, constant fields, zeros of a formula on an interval, vector arithmetic.
#pragma once

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <string_view>

#include "parsor.h"

std::string remplace(std::string_view text, std::string_view old, std::string_view nouveau);
std::string normalise(std::string_view text);
// A formula in the user's notation, normalised and compiled once for whoever evaluates it;
// null when it does not compile or is too long once normalised.
std::shared_ptr<const quadrel::expr::CompiledFormula> compileformule(std::string_view text);
// Above this magnitude a number would overflow where it is drawn (in double or float):
// a field's number, or a value derived from it, beyond it is refused.
inline constexpr extended kValeurMax = 1e300L;
bool mesurable(extended v);  // |v| <= kValeurMax; false for NaN
// A constant field's value. `erreur` is set when the text does not compile, is longer than
// the engine takes (it is never cut into another number), is undefined, or its value is
// not mesurable; `horslimite`, when given, tells the last case apart.
extended valeurformule(std::string_view text, bool& erreur, bool* horslimite = nullptr);
struct racines {
  int count = 0;
  std::array<extended, 101> value{};  // value[0..count)
  // The interval needs more sampling steps than a search may take (or the step does not
  // advance): nothing was searched, and chercheracines returned false.
  bool cutShort = false;
};
bool chercheracines(std::string_view text, extended lower, extended upper, extended step,
                    racines& r);
extended derivee(TExpress& e, extended x);
// derivee's step, and its result from F(x), F(x + step) and whether the latter failed
// (inline: the level lines take it for every sample point).
inline constexpr extended kDerivativeStep = 1e-9L;
inline extended slopeOf(extended f0, extended f1, bool f1Failed) {
  constexpr extended failed = 1e8L;
  if (f1Failed) return failed;
  // An overflow of the quotient shows as an infinity; no need to read the fault flags.
  const extended slope = (f1 - f0) / kDerivativeStep;
  if (!std::isfinite(slope)) return failed;
  return slope;
}
struct vecteur {
  extended x = 0, y = 0, z = 0;
};
vecteur produitvectoriel(const vecteur& u, const vecteur& v);
extended norme(const vecteur& v);
