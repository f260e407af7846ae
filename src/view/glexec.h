// The one place that turns recorded DrawList commands into GL and GLU calls, either
// immediately (the frame) or inside glNewList/glEndList (the prepare methods).
#pragma once

#include <array>

#include "view/drawlist.h"

struct GLUquadric;

namespace quadrel {

// GL objects of the sheet's context that commands refer to by id.
struct ContexteGl {
  std::array<GLUquadric*, 4> quadriques{};       // by quadric id (kQuadPoint, kQuadCyl, kQuadCone)
  std::array<unsigned, kNombreListes> listes{};  // by Liste
  unsigned basepolice = 0;                       // glyph of byte c is list basepolice + c
  // Line widths and point sizes are multiplied by it: a picture drawn larger keeps its
  // strokes in proportion. Lists keep the width they were recorded with.
  double epaisseur = 1;
};

// A line width or point size drawn `facteur` times larger: the pixels it shows at the usual
// scale (at least one: a half-pixel line is a pixel there), times the factor. At the usual
// scale, the width asked.
inline double largeurTrait(double largeur, double facteur) {
  return facteur == 1 ? largeur : (largeur < 1 ? 1 : largeur) * facteur;
}

void executer(const DrawList& liste, const ContexteGl& gl);

// Runs `liste` into display list `id` (GL_COMPILE), replacing what it held.
void enregistrer(unsigned id, const DrawList& liste, const ContexteGl& gl);

}  // namespace quadrel
