#include "files/stl.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace quadrel {

namespace {

// Not "solid": some readers take a header starting so for a text STL.
constexpr char kEntete[] = "Quadrel binary STL, millimetres";

void mot(std::vector<unsigned char>& out, std::uint32_t v, int octets) {
  for (int k = 0; k < octets; ++k) out.push_back(static_cast<unsigned char>(v >> (8 * k)));
}

void reel(std::vector<unsigned char>& out, float v) {
  mot(out, std::bit_cast<std::uint32_t>(v), 4);
}

void facette(std::vector<unsigned char>& out, const TriangleMaillage& t) {
  const PointMaillage& a = t[0];
  const PointMaillage& b = t[1];
  const PointMaillage& c = t[2];
  const double u[] = {b.x - a.x, b.y - a.y, b.z - a.z}, v[] = {c.x - a.x, c.y - a.y, c.z - a.z};
  double n[] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
  const double l = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  for (double& x : n) x = l > 0 && std::isfinite(l) ? x / l : 0;
  for (const double x : n) reel(out, enFloat(x));
  for (const PointMaillage& p : t) {
    reel(out, enFloat(p.x));
    reel(out, enFloat(p.y));
    reel(out, enFloat(p.z));
  }
  mot(out, 0, 2);
}

std::uint32_t lit(std::span<const unsigned char> o, std::size_t k, int octets) {
  std::uint32_t v = 0;
  for (int i = 0; i < octets; ++i) v |= static_cast<std::uint32_t>(o[k + i]) << (8 * i);
  return v;
}

float litReel(std::span<const unsigned char> o, std::size_t k) {
  return std::bit_cast<float>(lit(o, k, 4));
}

}  // namespace

std::vector<unsigned char> stlBinaire(const Maillage& m) {
  std::vector<unsigned char> out(kEntete, kEntete + sizeof kEntete - 1);
  out.resize(kEnteteStl, ' ');
  const std::size_t n = m.nombreTriangles();
  out.reserve(kEnteteStl + 4 + kFacetteStl * n);
  mot(out, static_cast<std::uint32_t>(n), 4);
  for (const Coque& c : m.coques)
    for (const TriangleMaillage& t : c.triangles) facette(out, t);
  return out;
}

void ecritStl(std::ostream& out, const Maillage& m) {
  const std::vector<unsigned char> o = stlBinaire(m);
  out.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
}

std::optional<std::vector<FacetteStl>> litStl(std::span<const unsigned char> octets) {
  if (octets.size() < kEnteteStl + 4) return std::nullopt;
  const std::size_t n = lit(octets, kEnteteStl, 4);
  if ((octets.size() - kEnteteStl - 4) / kFacetteStl != n ||
      (octets.size() - kEnteteStl - 4) % kFacetteStl != 0)
    return std::nullopt;
  std::vector<FacetteStl> f(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t k = kEnteteStl + 4 + i * kFacetteStl;
    for (int c = 0; c < 3; ++c) f[i].normale[c] = litReel(octets, k + 4 * c);
    for (int s = 0; s < 3; ++s)
      for (int c = 0; c < 3; ++c) f[i].sommets[s][c] = litReel(octets, k + 12 + 12 * s + 4 * c);
    f[i].attribut = static_cast<std::uint16_t>(lit(octets, k + 48, 2));
  }
  return f;
}

}  // namespace quadrel
