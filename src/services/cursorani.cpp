// RIFF "ACON" animated cursors: an "anih" header, optional "rate" and "seq " tables, and a
// "LIST" "fram" of "icon" chunks, each a complete ".cur" file.
#include <algorithm>

#include "cursorfile.h"
#include "lecteur.h"

namespace fichiercurseur {
namespace {

constexpr std::uint32_t kEtapesMax = 1024;
constexpr std::uint32_t kDureeMax = 60 * 60;  // one minute, in 1/60 s

struct Morceaux {
  std::span<const std::uint8_t> anih, rate, seq;
  std::vector<std::span<const std::uint8_t>> icones;
};

// Visits the chunks of [debut, fin); each is an id, a size and its data padded to even.
template <class F>
bool parcourir(const Lecteur& l, std::size_t debut, std::size_t fin, F&& visite) {
  std::size_t at = debut;
  while (at < fin) {
    std::uint32_t taille;
    if (fin - at < 8 || !l.u32(at + 4, taille) || taille > fin - at - 8) return false;
    if (!visite(at, l.o.subspan(at + 8, taille))) return false;
    at += 8 + std::size_t(taille) + (taille & 1);
  }
  return true;
}

bool morceaux(const Lecteur& l, std::size_t fin, Morceaux& m) {
  return parcourir(l, 12, fin, [&](std::size_t at, std::span<const std::uint8_t> data) {
    if (l.tag(at, "anih")) {
      if (!m.anih.empty()) return false;
      m.anih = data;
    } else if (l.tag(at, "rate")) {
      m.rate = data;
    } else if (l.tag(at, "seq ")) {
      m.seq = data;
    } else if (l.tag(at, "LIST") && data.size() >= 4 && l.tag(at + 8, "fram")) {
      return parcourir(l, at + 12, at + 8 + data.size(), [&](std::size_t a, auto icone) {
        if (!l.tag(a, "icon")) return true;
        if (m.icones.size() >= std::size_t(kImagesMax)) return false;
        m.icones.push_back(icone);
        return true;
      });
    }
    return true;  // chunks we do not use (INFO lists, ...)
  });
}

// A table of `n` DWORDs, or the default when the chunk is absent.
bool table(std::span<const std::uint8_t> data, std::uint32_t n, std::vector<std::uint32_t>& t) {
  if (data.empty()) return true;
  if (data.size() != std::size_t(n) * 4) return false;
  const Lecteur l{data};
  t.assign(n, 0);
  for (std::uint32_t i = 0; i < n; ++i) l.u32(i * 4, t[i]);
  return true;
}

}  // namespace

std::optional<Fichier> lireani(std::span<const std::uint8_t> octets) {
  if (octets.size() > kTailleMax) return std::nullopt;
  const Lecteur l{octets};
  std::uint32_t taille;
  if (!l.tag(0, "RIFF") || !l.u32(4, taille) || !l.tag(8, "ACON")) return std::nullopt;
  if (taille < 4 || taille > octets.size() - 8) return std::nullopt;
  Morceaux m;
  if (!morceaux(l, 8 + std::size_t(taille), m) || m.anih.size() < 36) return std::nullopt;

  const Lecteur h{m.anih};
  std::uint32_t images, etapes, jiffies, drapeaux;
  h.u32(4, images), h.u32(8, etapes), h.u32(28, jiffies), h.u32(32, drapeaux);
  // Bit 0: frames are icon files (raw frames are not supported).
  if (!(drapeaux & 1) || images < 1 || images != m.icones.size()) return std::nullopt;
  if (etapes < 1 || etapes > kEtapesMax) return std::nullopt;

  std::vector<std::uint32_t> durees(etapes, jiffies), sequence;
  if (!table(m.rate, etapes, durees) || !table(m.seq, etapes, sequence)) return std::nullopt;
  if (m.seq.empty()) {
    if (etapes != images) return std::nullopt;
    for (std::uint32_t i = 0; i < etapes; ++i) sequence.push_back(i);
  }

  Fichier f;
  for (const auto icone : m.icones) {
    auto img = lirecur(icone);
    if (!img) return std::nullopt;
    f.images.push_back(std::move(*img));
  }
  for (std::uint32_t i = 0; i < etapes; ++i) {
    if (sequence[i] >= images) return std::nullopt;
    f.sequence.push_back(int(sequence[i]));
    // A zero rate would spin the animation timer.
    f.durees.push_back(int(std::clamp<std::uint32_t>(durees[i], 1, kDureeMax)));
  }
  return f;
}

std::optional<Fichier> lire(std::span<const std::uint8_t> octets) {
  if (octets.size() >= 4 && octets[0] == 'R' && octets[1] == 'I' && octets[2] == 'F' &&
      octets[3] == 'F')
    return lireani(octets);
  auto img = lirecur(octets);
  if (!img) return std::nullopt;
  Fichier f;
  f.images.push_back(std::move(*img));
  f.sequence.push_back(0);
  f.durees.push_back(0);
  return f;
}

}  // namespace fichiercurseur
