#pragma once
// Block pictures for the matching tests: an asymmetric pattern and its mirrors.
#include <array>
#include <cstdint>

namespace pixolan::test {

using Cell = std::array<std::uint8_t, 64>;

inline Cell Uniform(std::uint8_t index) {
  Cell c{};
  c.fill(index);
  return c;
}

// Colour 1 with marks that no mirror maps onto themselves.
inline Cell Asymmetric() {
  Cell c = Uniform(1);
  c[8 * 2 + 1] = 2;
  c[8 * 0 + 5] = 2;
  c[8 * 6 + 2] = 3;
  return c;
}

// The picture seen through a mirror: out(x, y) = in(x', y').
inline Cell Mirror(const Cell& in, bool yFlip, bool xFlip) {
  Cell out{};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      out[static_cast<std::size_t>(8 * y + x)] = in[static_cast<std::size_t>(8 * (yFlip ? 7 - y : y) + (xFlip ? 7 - x : x))];
  return out;
}

}  // namespace pixolan::test
