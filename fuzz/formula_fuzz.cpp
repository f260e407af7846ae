// Any text a pupil may type: normalised, cut to 255 characters, compiled, evaluated at a
// few points. Nothing may crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "matutil.h"
#include "parsor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 2048) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  static const extended points[][3] = {
      {0, 0, 0}, {1, -2, 3}, {-4, 4, 0.5L}, {1e-300L, -1e300L, 2}, {3.14159L, 2.71828L, -1}};
  for (const std::string& formula : {normalise(text), text}) {
    TExpress e;
    e.setExpression(formula);
    if (e.CompileError()) continue;
    for (const auto& p : points) {
      const extended v = e.Evaluate(p[0], p[1], p[2]);
      if (erreurcalcul && v != valeurerreur) __builtin_trap();
      if (!erreurcalcul && v != v) __builtin_trap();  // NaN must be reported as an error
    }
  }
  bool erreur = false;
  valeurformule(text, erreur);
  return 0;
}
