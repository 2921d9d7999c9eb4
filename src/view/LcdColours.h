#pragma once
// The colour LCD's look: its colours mix into each other and never reach full
// brightness. Each 5-bit channel c of the 15-bit colour (the 8-bit value's top
// five bits) becomes
//   R = min(960, 26r + 4g + 2b) / 4
//   G = min(960, 24g + 8b) / 4
//   B = min(960, 6r + 4g + 22b) / 4
// (8-bit results, 240 at most). The matrix is the one Near (byuu) published for
// the Game Boy Color in the article "Color Emulation"; the README cites it.
#include <cstdint>
#include <vector>

namespace pixolan {

// 0xAARRGGBB in, alpha kept.
std::uint32_t LcdColour(std::uint32_t argb);
void ApplyLcdColours(std::vector<std::uint32_t>& pixels);

}  // namespace pixolan
