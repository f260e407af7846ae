// The inputs each section list was last built from. The section is asked for on every
// frame while its dialog is shown, mostly with nothing changed (turning the view): the
// sheet then keeps the list it has.
#pragma once

#include <array>
#include <string>

#include "parsor.h"
#include "sections/entrees_plan.h"
#include "view/cache_liste.h"

namespace quadrel {

class MemoirePlan {
 public:
  // True when the list of kind `genre` (1 x, 2 y, 3 z, 4 general) was last built from these
  // very inputs and its formula draws no random numbers; otherwise records them and returns
  // false, and the caller rebuilds.
  bool inchange(const EntreesPlan& e, int genre, extended k, const std::string& ligne = {});
  // Forgets everything (a new GL context, for instance).
  void oublie() {
    for (auto& c : caches_) c.oublie();
  }

 private:
  struct Cle {
    EntreesPlan plan;
    extended k;
    std::string ligne;
    bool operator==(const Cle&) const = default;
  };
  std::array<CacheListe<Cle>, 4> caches_;
};

}  // namespace quadrel
