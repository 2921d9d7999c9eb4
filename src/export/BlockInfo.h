#pragma once
#include <array>
#include <cstdint>

#include "image/Colour.h"

namespace pixolan {

// The record of one 8x8 block cut from the sheet for the animation export.
struct BlockInfo {
  std::int32_t nColourSum = 0;  // sum of red + green + blue over the 64 pixels
  std::int32_t nBlock = -1;     // see the matcher: earlier record repeated, then output block number
  std::int32_t nColours = 0;    // entries used in Colours, 0..4
  std::array<PaletteEntry, 4> Colours{};
  std::array<std::int8_t, 64> Pixels{};  // 8*y + x; indices into Colours, then into the palette
  std::int32_t nPalette = 0;
  std::int32_t nCellX = -1;  // -1 for the forced first block
  std::int32_t nCellY = -1;
  bool bXFlip = false;
  bool bYFlip = false;
};

using GbcPalette = std::array<PaletteEntry, 4>;

}  // namespace pixolan
