#pragma once
// The Game Boy Color's 15-bit colour word: red in bits 4..0, green in 9..5,
// blue in 14..10, each the top five bits of the 8-bit component; bit 15 zero.
#include <cstdint>

#include "image/PaletteEntry.h"
#include "image/RgbPicture.h"

namespace pixolan {

inline std::uint16_t GbcColourWord(const PaletteEntry& colour) {
  // The low three bits of each component are dropped, not rounded.
  return static_cast<std::uint16_t>(((colour.blue >> 3) << 10) | ((colour.green >> 3) << 5) | (colour.red >> 3));
}

// The way back, as the console shows a colour: each 5-bit channel widened to 8
// bits with its top bits repeated below, so that 31 becomes 255.
inline RgbColour ExpandGbcColour(std::uint16_t word) {
  auto widen = [](unsigned c) { return static_cast<std::uint8_t>((c << 3) | (c >> 2)); };
  return RgbColour{widen(word & 31u), widen((word >> 5) & 31u), widen((word >> 10) & 31u)};
}

}  // namespace pixolan
