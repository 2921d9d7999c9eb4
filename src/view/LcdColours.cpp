#include "view/LcdColours.h"

#include <algorithm>

namespace pixolan {
namespace {
std::uint32_t Mix(std::uint32_t sum) { return std::min<std::uint32_t>(960, sum) / 4; }
}  // namespace

std::uint32_t LcdColour(std::uint32_t argb) {
  const std::uint32_t r = (argb >> 19) & 31, g = (argb >> 11) & 31, b = (argb >> 3) & 31;
  return (argb & 0xff000000u) | Mix(26 * r + 4 * g + 2 * b) << 16 | Mix(24 * g + 8 * b) << 8 | Mix(6 * r + 4 * g + 22 * b);
}

void ApplyLcdColours(std::vector<std::uint32_t>& pixels) {
  for (std::uint32_t& p : pixels) p = LcdColour(p);
}

}  // namespace pixolan
