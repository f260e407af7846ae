// Binary STL: an 80-byte header, a little-endian triangle count, then 50 bytes a facet
// (unit normal, three vertices, a zero attribute), all numbers little-endian floats.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <vector>

#include "files/mesh.h"

namespace quadrel {

inline constexpr std::size_t kEnteteStl = 80;
inline constexpr std::size_t kFacetteStl = 50;

// Every shell's triangles in order. The normals come from the vertex order; a facet with no
// area gets (0, 0, 0). Coordinates beyond what a float holds are held at its limit.
std::vector<unsigned char> stlBinaire(const Maillage& m);
void ecritStl(std::ostream& out, const Maillage& m);

struct FacetteStl {
  std::array<float, 3> normale;
  std::array<std::array<float, 3>, 3> sommets;
  std::uint16_t attribut;
};

// The facets of a binary STL; nullopt when the size does not match the count.
std::optional<std::vector<FacetteStl>> litStl(std::span<const unsigned char> octets);

}  // namespace quadrel
