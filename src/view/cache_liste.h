// What one display list was last built from. The sheet asks before each build: a list whose
// inputs are the same as last time is kept as it is, unless its formula draws random
// numbers, whose pictures change at every build by design.
#pragma once

#include <optional>
#include <utility>

namespace quadrel {

template <class Entrees>
class CacheListe {
 public:
  // True when the list was last built from these very inputs and may be kept; otherwise
  // records them and returns false, and the caller rebuilds.
  bool aJour(const Entrees& e, bool aleatoire = false) {
    if (!aleatoire && dernieres_ && *dernieres_ == e) return true;
    dernieres_ = e;
    return false;
  }
  // What the list was built from, if anything.
  const std::optional<Entrees>& dernieres() const { return dernieres_; }
  // Forgets the inputs (a new GL context, for instance): the next request builds.
  void oublie() { dernieres_.reset(); }

 private:
  std::optional<Entrees> dernieres_;
};

}  // namespace quadrel
