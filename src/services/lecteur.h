// Bounds-checked little-endian reads over a byte span, shared by the cursor readers.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>

namespace fichiercurseur {

using Octets = std::span<const std::uint8_t>;

// Little-endian reads that fail instead of running off the end.
struct Lecteur {
  Octets o;
  bool u8(std::size_t at, std::uint32_t& v) const {
    if (at >= o.size()) return false;
    v = o[at];
    return true;
  }
  bool u16(std::size_t at, std::uint32_t& v) const {
    if (at > o.size() || o.size() - at < 2) return false;
    v = o[at] | (o[at + 1] << 8);
    return true;
  }
  bool u32(std::size_t at, std::uint32_t& v) const {
    if (at > o.size() || o.size() - at < 4) return false;
    v = std::uint32_t(o[at]) | std::uint32_t(o[at + 1]) << 8 | std::uint32_t(o[at + 2]) << 16 |
        std::uint32_t(o[at + 3]) << 24;
    return true;
  }
  bool tag(std::size_t at, const char* t) const {
    return at <= o.size() && o.size() - at >= 4 && std::memcmp(o.data() + at, t, 4) == 0;
  }
};

}  // namespace fichiercurseur
