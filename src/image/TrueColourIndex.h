#pragma once
// A true-colour picture of few colours seen as an indexed one, as if the artist had
// saved it indexed: its palette holds its colours, the transparent one first (every
// fully transparent pixel is that one colour), then the others in the order of their
// first appearance, row by row from the top. Alpha counts only when some pixel has
// a nonzero alpha: files that leave the byte zero mean every pixel to be opaque.
#include <cstdint>
#include <memory>

#include "image/RasterImage.h"

namespace pixolan {

inline constexpr std::uint32_t kMaxIndexedColours = 256;

// Distinct colours of a picture without a palette, counted exactly (2 MiB of bits at most).
std::uint32_t CountTrueColours(const CRasterImage& image);

// The 8-bit indexed copy, or null when the picture has a palette or more than 256 colours.
std::unique_ptr<CRasterImage> MakeIndexedCopy(const CRasterImage& image);

}  // namespace pixolan
