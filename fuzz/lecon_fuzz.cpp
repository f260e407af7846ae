// Any bytes as a lesson file: the reader must refuse them with a message naming the key at
// fault, or give a lesson that writes, reads back and writes again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "../src/files/lecon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const quadrel::Lecon defauts;
  const std::string_view octets(reinterpret_cast<const char*>(data), size);
  const auto lu = quadrel::lireLecon(octets, defauts);
  if (const auto* e = std::get_if<quadrel::ErreurLecon>(&lu)) {
    if (e->message.empty() || e->message.find(e->cle) == std::string::npos) __builtin_trap();
    return 0;
  }
  const std::string ecrit = quadrel::ecrireLecon(std::get<quadrel::LeconLue>(lu).lecon);
  const auto relu = quadrel::lireLecon(ecrit, defauts);
  const auto* l = std::get_if<quadrel::LeconLue>(&relu);
  if (!l || !l->clesinconnues.empty() || quadrel::ecrireLecon(l->lecon) != ecrit) __builtin_trap();
  return 0;
}
