// Builds cursor files byte by byte, so that each test can break exactly one field.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fabrique {

using Octets = std::vector<std::uint8_t>;

inline void u16(Octets& o, std::uint32_t v) {
  o.push_back(std::uint8_t(v));
  o.push_back(std::uint8_t(v >> 8));
}
inline void u32(Octets& o, std::uint32_t v) {
  u16(o, v & 0xFFFF);
  u16(o, v >> 16);
}
inline void poser32(Octets& o, std::size_t at, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) o[at + k] = std::uint8_t(v >> (8 * k));
}
inline void tag(Octets& o, const char* t) {
  o.insert(o.end(), t, t + 4);
}

struct Dib {
  int largeur = 2, hauteur = 2, bits = 32;
  std::uint32_t taille = 40, plans = 1, compression = 0, utilisees = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  Octets pixels;                       // rows bottom-up, already padded
  bool masque = true;
  Octets lignesmasque;  // empty: all opaque
};

inline Octets dib(const Dib& d) {
  Octets o;
  u32(o, d.taille), u32(o, d.largeur), u32(o, 2 * d.hauteur), u16(o, d.plans), u16(o, d.bits);
  u32(o, d.compression), u32(o, 0), u32(o, 0), u32(o, 0), u32(o, d.utilisees), u32(o, 0);
  o.resize(d.taille, 0);
  for (auto c : d.palette) u32(o, c);
  o.insert(o.end(), d.pixels.begin(), d.pixels.end());
  if (d.masque) {
    if (d.lignesmasque.empty())
      o.resize(o.size() + std::size_t((d.largeur + 31) / 32) * 4 * d.hauteur, 0);
    else
      o.insert(o.end(), d.lignesmasque.begin(), d.lignesmasque.end());
  }
  return o;
}

struct Cur {
  std::uint32_t reserve = 0, type = 2, nombre = 1, hotx = 0, hoty = 0;
  Octets image;
  std::int64_t taille = -1;  // bytesInRes; -1: the image's size
  std::int64_t debut = -1;   // offset; -1: right after the directory
};

inline Octets cur(const Cur& c) {
  Octets o;
  u16(o, c.reserve), u16(o, c.type), u16(o, c.nombre);
  const std::uint32_t debut = c.debut >= 0 ? std::uint32_t(c.debut) : 6 + 16 * c.nombre;
  for (std::uint32_t k = 0; k < c.nombre; ++k) {
    o.push_back(0), o.push_back(0), o.push_back(0), o.push_back(0);
    u16(o, c.hotx), u16(o, c.hoty);
    u32(o, c.taille >= 0 ? std::uint32_t(c.taille) : std::uint32_t(c.image.size()));
    u32(o, debut);
  }
  if (o.size() < debut) o.resize(debut, 0);
  o.insert(o.end(), c.image.begin(), c.image.end());
  return o;
}

// A 2 x 2 cursor of four opaque colours: top-left red, top-right green, bottom blue, white.
inline Octets petitcur(std::uint32_t hotx = 1, std::uint32_t hoty = 0) {
  Dib d;
  d.pixels = {0xFF, 0, 0,    0xFF, 0xFF, 0xFF, 0xFF, 0xFF,   // bottom row: blue, white
              0,    0, 0xFF, 0xFF, 0,    0xFF, 0,    0xFF};  // top row: red, green
  Cur c;
  c.image = dib(d);
  c.hotx = hotx, c.hoty = hoty;
  return cur(c);
}

inline Octets morceau(const char* id, const Octets& data) {
  Octets o;
  tag(o, id);
  u32(o, std::uint32_t(data.size()));
  o.insert(o.end(), data.begin(), data.end());
  if (data.size() % 2) o.push_back(0);
  return o;
}

struct Ani {
  std::uint32_t images = 2, etapes = 2, jiffies = 10, drapeaux = 1;
  std::vector<Octets> icones = {petitcur(), petitcur(0, 1)};
  std::vector<std::uint32_t> rate, seq;
  bool anih = true;
};

inline Octets ani(const Ani& a) {
  Octets corps;
  tag(corps, "ACON");
  if (a.anih) {
    Octets h;
    for (std::uint32_t v : {36u, a.images, a.etapes, 0u, 0u, 0u, 0u, a.jiffies, a.drapeaux})
      u32(h, v);
    const Octets m = morceau("anih", h);
    corps.insert(corps.end(), m.begin(), m.end());
  }
  for (const auto* t : {&a.rate, &a.seq}) {
    if (t->empty()) continue;
    Octets d;
    for (auto v : *t) u32(d, v);
    const Octets m = morceau(t == &a.rate ? "rate" : "seq ", d);
    corps.insert(corps.end(), m.begin(), m.end());
  }
  Octets fram;
  tag(fram, "fram");
  for (const auto& i : a.icones) {
    const Octets m = morceau("icon", i);
    fram.insert(fram.end(), m.begin(), m.end());
  }
  const Octets liste = morceau("LIST", fram);
  corps.insert(corps.end(), liste.begin(), liste.end());
  Octets o;
  tag(o, "RIFF");
  u32(o, std::uint32_t(corps.size()));
  o.insert(o.end(), corps.begin(), corps.end());
  return o;
}

}  // namespace fabrique
