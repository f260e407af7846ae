// The 256 extruded 3D glyph lists of the axis names: character code c is drawn by list
// base + c, in units of the font's em, face at z = 0, extruded to z = -0.15, each list ending
// with a move to the next character's origin.
#pragma once

#include <QFont>
#include <array>

namespace quadrel {

struct MetriqueGlyphe {
  float avance = 0;                // move along x to the next character
  float largeur = 0, hauteur = 0;  // outline box
};
using Metriques = std::array<MetriqueGlyphe, 256>;

// The classroom font names map to the free metric-alike installed with the program.
void substituerpolices();

// Generates 256 consecutive lists in the current GL context and fills them from `police`.
// Returns the first list, or 0 when GL gave none.
unsigned construireglyphes(const QFont& police, double profondeur, Metriques& metriques);

}  // namespace quadrel
