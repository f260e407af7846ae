// What the mesh's two halves (surface and solid) share; millimetres throughout.
#pragma once

#include <vector>

#include "files/mesh.h"

namespace quadrel {

struct BoiteMaillage {
  double min[3], max[3];  // x, y, z
};

// Cuts triangles to a box, keeping the parts inside (as triangle fans, in the same turning
// sense); reuses its buffers from one triangle to the next.
class Decoupeur {
 public:
  explicit Decoupeur(const BoiteMaillage& b) : b_(b) {}
  void ajoute(const TriangleMaillage& t, std::vector<TriangleMaillage>& out);

 private:
  void coupe(int axe, double borne, bool dessous);
  BoiteMaillage b_;
  std::vector<PointMaillage> poly_, suite_;
};

// The solid as closed shells (none when the scene does not show it).
std::vector<Coque> coquesSolide(const EntreesMaillage& e);

}  // namespace quadrel
