#include "cursorfile.h"

#include "lecteur.h"

namespace fichiercurseur {
namespace {

std::size_t pas(int largeur, int bits) {
  return ((std::size_t(largeur) * bits + 31) / 32) * 4;
}

// Bit, nibble or byte `x` of a packed row.
std::uint32_t indice(const std::uint8_t* ligne, int x, int bits) {
  const std::size_t bit = std::size_t(x) * bits;
  const std::uint32_t octet = ligne[bit / 8];
  return (octet >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
}

struct EnTeteDib {
  int largeur, hauteur, bits;
  std::size_t palette, couleurs, debut;  // palette entries and offset; offset of the rows
};

std::optional<EnTeteDib> lireentete(const Lecteur& l) {
  std::uint32_t taille, largeur, hauteur2, plans, bits, compression, utilisees;
  if (!l.u32(0, taille) || !l.u32(4, largeur) || !l.u32(8, hauteur2) || !l.u16(12, plans) ||
      !l.u16(14, bits) || !l.u32(16, compression) || !l.u32(32, utilisees))
    return std::nullopt;
  // Negative heights (top-down rows) never occur in cursors: they read as huge here.
  if (taille < 40 || taille > 1024 || plans != 1 || compression != 0) return std::nullopt;
  if (largeur < 1 || largeur > kCoteMax || hauteur2 < 2 || hauteur2 > 2 * kCoteMax ||
      hauteur2 % 2 != 0)
    return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
  std::size_t palette = 0;
  if (bits <= 8) {
    palette = utilisees == 0 ? (1u << bits) : utilisees;
    if (palette > (1u << bits)) return std::nullopt;
  }
  return EnTeteDib{int(largeur), int(hauteur2 / 2),   int(bits), palette,
                   taille,       taille + palette * 4};
}

// A device-independent bitmap as stored in an icon entry: colour rows then the AND mask,
// both bottom-up.
std::optional<Image> liredib(Octets octets) {
  const Lecteur l{octets};
  const auto e = lireentete(l);
  if (!e) return std::nullopt;
  const std::size_t pasxor = pas(e->largeur, e->bits), pasand = pas(e->largeur, 1);
  const std::size_t finxor = e->debut + pasxor * e->hauteur;
  if (finxor > octets.size()) return std::nullopt;
  const bool masque = octets.size() - finxor >= pasand * e->hauteur;
  if (!masque && e->bits != 32) return std::nullopt;

  Image img;
  img.largeur = e->largeur;
  img.hauteur = e->hauteur;
  img.argb.resize(std::size_t(e->largeur) * e->hauteur);
  bool alpha = false;
  for (int y = 0; y < e->hauteur; ++y) {
    const std::uint8_t* ligne = octets.data() + e->debut + pasxor * (e->hauteur - 1 - y);
    for (int x = 0; x < e->largeur; ++x) {
      std::uint32_t p;
      if (e->bits <= 8) {
        const std::uint32_t i = indice(ligne, x, e->bits);
        if (i >= e->palette) return std::nullopt;
        const std::uint8_t* c = octets.data() + e->couleurs + i * 4;
        p = 0xFF000000u | c[2] << 16 | c[1] << 8 | c[0];
      } else {
        const std::uint8_t* c = ligne + std::size_t(x) * (e->bits / 8);
        const std::uint32_t a = e->bits == 32 ? c[3] : 0xFF;
        alpha = alpha || (e->bits == 32 && a != 0);
        p = a << 24 | std::uint32_t(c[2]) << 16 | std::uint32_t(c[1]) << 8 | c[0];
      }
      img.argb[std::size_t(y) * e->largeur + x] = p;
    }
  }
  // Without a real alpha channel the AND mask says which pixels are transparent.
  if (!alpha) {
    if (!masque) return std::nullopt;
    for (int y = 0; y < e->hauteur; ++y) {
      const std::uint8_t* ligne = octets.data() + finxor + pasand * (e->hauteur - 1 - y);
      for (int x = 0; x < e->largeur; ++x) {
        std::uint32_t& p = img.argb[std::size_t(y) * e->largeur + x];
        p = indice(ligne, x, 1) ? 0u : (p | 0xFF000000u);
      }
    }
  }
  return img;
}

}  // namespace

std::optional<Image> lirecur(Octets octets) {
  if (octets.size() > kTailleMax) return std::nullopt;
  const Lecteur l{octets};
  std::uint32_t reserve, type, nombre;
  if (!l.u16(0, reserve) || !l.u16(2, type) || !l.u16(4, nombre)) return std::nullopt;
  if (reserve != 0 || (type != 1 && type != 2) || nombre < 1 || nombre > kImagesMax)
    return std::nullopt;
  if (octets.size() < 6 + 16 * std::size_t(nombre)) return std::nullopt;
  std::uint32_t hotx, hoty, taille, debut;
  if (!l.u16(10, hotx) || !l.u16(12, hoty) || !l.u32(14, taille) || !l.u32(18, debut))
    return std::nullopt;
  if (debut < 6 + 16 * nombre || debut > octets.size() || taille > octets.size() - debut)
    return std::nullopt;
  auto img = liredib(octets.subspan(debut, taille));
  if (!img) return std::nullopt;
  // Icons carry planes and bit count where cursors carry the hotspot.
  img->hotx = type == 2 ? int(hotx) : 0;
  img->hoty = type == 2 ? int(hoty) : 0;
  if (img->hotx >= img->largeur || img->hoty >= img->hauteur) return std::nullopt;
  return img;
}

}  // namespace fichiercurseur
