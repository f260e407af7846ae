// Any bytes found in kolu/: the cursor reader must reject or decode them without reading out
// of bounds, and what it returns must hold together.
#include <cstddef>
#include <cstdint>

#include "../src/services/cursorfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto f = fichiercurseur::lire({data, size});
  if (!f) return 0;
  if (f->images.empty() || f->sequence.empty() || f->sequence.size() != f->durees.size())
    __builtin_trap();
  for (const auto& img : f->images) {
    if (img.largeur < 1 || img.hauteur < 1 || img.largeur > fichiercurseur::kCoteMax ||
        img.hauteur > fichiercurseur::kCoteMax)
      __builtin_trap();
    if (img.argb.size() != std::size_t(img.largeur) * std::size_t(img.hauteur)) __builtin_trap();
    if (img.hotx < 0 || img.hoty < 0 || img.hotx >= img.largeur || img.hoty >= img.hauteur)
      __builtin_trap();
  }
  for (int i : f->sequence)
    if (i < 0 || std::size_t(i) >= f->images.size()) __builtin_trap();
  return 0;
}
