#pragma once
// The sheet's display bitmap as 32-bit 0xffRRGGBB pixels, top row first: the form
// the desktop's painters draw fastest, built once per new sheet.
#include <cstdint>
#include <vector>

#include "image/DibSection.h"

namespace pixolan {

struct ArgbPixels {
  std::int32_t nWidth = 0;
  std::int32_t nHeight = 0;
  std::vector<std::uint32_t> pixels;  // nWidth * nHeight, row 0 at the top
};

// Empty (0 x 0) for a depth the display bitmap never has.
ArgbPixels DisplayPixels(const BitmapInfo& info, const CDibSection& bits);

}  // namespace pixolan
