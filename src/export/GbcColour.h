#pragma once
// The Game Boy Color's 15-bit colour word: red in bits 4..0, green in 9..5,
// blue in 14..10, each the top five bits of the 8-bit component; bit 15 zero.
#include <cstdint>

#include "image/PaletteEntry.h"

namespace pixolan {

inline std::uint16_t GbcColourWord(const PaletteEntry& colour) {
  // The low three bits of each component are dropped, not rounded.
  return static_cast<std::uint16_t>(((colour.blue >> 3) << 10) | ((colour.green >> 3) << 5) | (colour.red >> 3));
}

}  // namespace pixolan
