#include "view/materials.h"

#include "view/glconst.h"

namespace quadrel {

void applyMaterial(DrawList& d, int face, const Materiau& m) {
  d.material(face, gl::AMBIENT, m.ambient);
  d.material(face, gl::DIFFUSE, m.diffuse);
  d.material(face, gl::SPECULAR, m.specular);
}

void setLight0Colours(DrawList& d) {
  d.light(gl::LIGHT0, gl::AMBIENT, kLumiereAmbiante);
  d.light(gl::LIGHT0, gl::DIFFUSE, kLumiereDiffuse);
  d.light(gl::LIGHT0, gl::SPECULAR, kLumiereSpeculaire);
}

}  // namespace quadrel
