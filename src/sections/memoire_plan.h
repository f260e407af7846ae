// The inputs each section list was last built from. The section is rebuilt on every frame
// while its dialog is shown, mostly with nothing changed (turning the view): the sheet then
// keeps the list it has.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "parsor.h"
#include "view/scene.h"

namespace quadrel {

class MemoirePlan {
 public:
  // True when the list of kind `genre` (1 x, 2 y, 3 z, 4 general) was last built from these
  // very inputs and its formula draws no random numbers; otherwise records them and returns
  // false, and the caller rebuilds.
  bool inchange(const Scene& s, int genre, extended k, const std::string& ligne = {});
  // Forgets everything (a new GL context, for instance).
  void oublie() { dernieres_ = {}; }

 private:
  struct Entrees {
    std::array<extended, 9> repere{};
    bool transplan, voirplan, intersections;
    std::shared_ptr<const expr::CompiledFormula> programme;  // the same one, not an equal one
    EtatChamp etat;
    int precision;
    int typequadrique;
    bool quadriqueok;
    std::array<Variant, 4> solide;
    int quadcyl;
    extended k;
    std::string ligne;
    bool operator==(const Entrees&) const = default;
  };
  std::array<std::optional<Entrees>, 4> dernieres_;
};

}  // namespace quadrel
