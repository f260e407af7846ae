// The fixed colour tables of the scene: light 0 and the materials of surfaces, solids,
// the free point and the frame.
#pragma once

#include <array>

#include "view/drawlist.h"

namespace quadrel {

using Rgba = std::array<double, 4>;

struct Materiau {
  Rgba ambient;
  Rgba diffuse;
  Rgba specular;
};

inline constexpr Materiau kBleu{{0, 0, 0.5, 1}, {0, 0, 0.7, 1}, {0, 0, 0, 1}};
inline constexpr Materiau kJaune{{0.6, 0.6, 0, 1}, {0.5, 0.5, 0, 1}, {1, 1, 0, 1}};
inline constexpr Materiau kBlanc{{0.6, 0.6, 0, 0.6}, {0.5, 0.5, 0, 0.5}, {1, 1, 1, 1}};
inline constexpr Materiau kNoir{{0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}};
inline constexpr Materiau kEtiquette{{0, 0, 0.5, 1}, {0, 0, 0.7, 1}, {0, 0, 0, 1}};

inline constexpr Rgba kLumiereAmbiante{0.6, 0.6, 0.6, 1};
inline constexpr Rgba kLumiereDiffuse{0.3, 0.3, 0.3, 1};
inline constexpr Rgba kLumiereSpeculaire{1, 1, 1, 1};
inline constexpr Rgba kLumierePosition{4, -4, 2, 1};  // positional
inline constexpr Rgba kCouleurBrouillard{0.5, 0.5, 0.5, 0.5};

// Ambient, diffuse and specular of a material on the given faces.
void applyMaterial(DrawList& d, int face, const Materiau& m);
// Ambient, diffuse and specular colours of light 0.
void setLight0Colours(DrawList& d);

}  // namespace quadrel
