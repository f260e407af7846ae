// Strict reader for the cursor files of kolu/: ".cur" (ICO structure with a hotspot) and
// ".ani" (RIFF "ACON" holding a sequence of ".cur" frames). The files come from outside the
// program, so every size is bounds-checked and capped; anything malformed is rejected.
// No Qt here: the parser is a pure function over bytes (also built into a fuzz target).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace fichiercurseur {

// Caps: a cursor is small; anything bigger is not one of ours.
inline constexpr std::size_t kTailleMax = 1 << 20;  // bytes of a whole file
inline constexpr int kCoteMax = 256;                // pixels of one side
inline constexpr int kImagesMax = 64;               // frames of an animation

struct Image {
  int largeur = 0;
  int hauteur = 0;
  int hotx = 0;
  int hoty = 0;
  std::vector<std::uint32_t> argb;  // largeur * hauteur pixels, top row first, 0xAARRGGBB
};

struct Fichier {
  std::vector<Image> images;  // distinct frames
  std::vector<int> sequence;  // frame index of each step (one step for a ".cur")
  std::vector<int> durees;    // duration of each step, in 1/60 s
};

// The first image of an ICO/CUR directory (the one a cursor shows).
std::optional<Image> lirecur(std::span<const std::uint8_t> octets);

// A RIFF "ACON" animation.
std::optional<Fichier> lireani(std::span<const std::uint8_t> octets);

// Either kind, told apart by its first bytes.
std::optional<Fichier> lire(std::span<const std::uint8_t> octets);

}  // namespace fichiercurseur
