// The one place that turns recorded DrawList commands into GL and GLU calls, either
// immediately (the frame) or inside glNewList/glEndList (the prepare methods).
#pragma once

#include <array>
#include <cstddef>

#include "view/drawlist.h"

struct GLUquadric;

namespace quadrel {

// A list is recorded into at most this many consecutive GL lists, its pieces.
inline constexpr int kMorceauxMax = 8;
// Vertices a piece holds before the next one starts: a surface of the finest precision
// goes in four.
inline constexpr std::size_t kSommetsMorceau = 24000;

// GL objects of the sheet's context that commands refer to by id.
struct ContexteGl {
  std::array<GLUquadric*, 4> quadriques{};       // by quadric id (kQuadPoint, kQuadCyl, kQuadCone)
  std::array<unsigned, kNombreListes> listes{};  // by Liste: the first of kMorceauxMax ids
  std::array<int, kNombreListes> morceaux{};     // by Liste: how many of them it fills
  std::size_t sommetsmorceau = kSommetsMorceau;  // 0: lists are never cut
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

// Runs `liste` into the display lists from `premier` on (GL_COMPILE), replacing what they
// held: a new list starts where the packed meshes so far pass `gl.sommetsmorceau`
// vertices (a mesh is cut between whole primitives), up to `most` lists; those left over
// are emptied. Returns the lists filled. Calling them in turn draws what `liste` draws; the
// executor does so for a Liste with a glFlush after each, so that software GL rasterises
// one piece of a large surface while the next one is sent.
int enregistrer(unsigned premier, int most, const DrawList& liste, const ContexteGl& gl);

}  // namespace quadrel
