#pragma once
// Whole numbers from bytes in a stated order: the one place that assembles them
// for the sheet readers, the pixel reads and the document archive. The caller
// has checked that the bytes are there.
#include <cstdint>

namespace pixolan {

inline std::uint16_t ReadLe16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t ReadLe24(const std::uint8_t* p) {
  return p[0] | (static_cast<std::uint32_t>(p[1]) << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
}
inline std::uint32_t ReadLe32(const std::uint8_t* p) { return ReadLe24(p) | (static_cast<std::uint32_t>(p[3]) << 24); }
inline std::uint16_t ReadBe16(const std::uint8_t* p) { return static_cast<std::uint16_t>((p[0] << 8) | p[1]); }
inline std::uint32_t ReadBe32(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

}  // namespace pixolan
