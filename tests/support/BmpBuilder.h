#pragma once
// Builds Windows bitmap files byte by byte for the reader tests.
#include <cstdint>
#include <vector>

#include "support/TestSupport.h"

namespace pixolan::test {

struct BmpLayout {
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t bits = 8;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  std::uint32_t headerSize = 40;
  // Colour table entries as 0x00RRGGBB; written blue, green, red, 0.
  std::vector<std::uint32_t> palette{};
  // Everything after the colour table, padding included.
  std::vector<std::uint8_t> pixels{};
  // Extra bytes between the colour table and the pixels (the offset field
  // points past them).
  std::size_t gap = 0;
};

inline std::vector<std::uint8_t> BuildBmp(const BmpLayout& l) {
  const std::uint32_t tableBytes = static_cast<std::uint32_t>(4 * l.palette.size());
  const std::uint32_t pixelOffset = 54 + tableBytes + static_cast<std::uint32_t>(l.gap);
  Bytes b;
  b.text("BM").u32le(pixelOffset + static_cast<std::uint32_t>(l.pixels.size())).u16le(0).u16le(0).u32le(pixelOffset);
  b.u32le(l.headerSize).u32le(static_cast<std::uint32_t>(l.width)).u32le(static_cast<std::uint32_t>(l.height));
  b.u16le(1).u16le(l.bits).u32le(l.compression).u32le(0).u32le(2835).u32le(2835).u32le(l.coloursUsed).u32le(0);
  for (std::uint32_t rgb : l.palette) b.u8(rgb).u8(rgb >> 8).u8(rgb >> 16).u8(0);
  b.fill(l.gap, 0xEE);
  b.raw(l.pixels);
  return b.data();
}

// A table of n entries, entry i = grey level i*step in red, green and blue.
inline std::vector<std::uint32_t> GreyPalette(std::size_t n, std::uint32_t step = 1) {
  std::vector<std::uint32_t> p;
  for (std::uint32_t i = 0; i < n; ++i) p.push_back((i * step & 0xFF) * 0x010101u);
  return p;
}

}  // namespace pixolan::test
