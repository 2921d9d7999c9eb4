#pragma once
// Builds IFF ILBM pictures byte by byte for the reader tests.
#include <cstdint>
#include <string_view>
#include <vector>

#include "support/TestSupport.h"

namespace pixolan::test {

using ByteVector = std::vector<std::uint8_t>;

// A chunk: identifier, big-endian length, content, pad byte after odd lengths.
inline ByteVector IffChunk(std::string_view id, const ByteVector& content) {
  Bytes b;
  b.text(id).u32be(static_cast<std::uint32_t>(content.size())).raw(content);
  if (content.size() % 2 != 0) b.u8(0);
  return b.data();
}

inline ByteVector IffForm(const std::vector<ByteVector>& chunks, std::string_view type = "ILBM") {
  ByteVector inner;
  for (const ByteVector& c : chunks) inner.insert(inner.end(), c.begin(), c.end());
  Bytes b;
  b.text("FORM").u32be(static_cast<std::uint32_t>(4 + inner.size())).text(type).raw(inner);
  return b.data();
}

inline ByteVector IffBmhd(std::uint16_t width, std::uint16_t height, std::uint8_t planes,
                          std::uint8_t compression = 0, std::uint8_t masking = 0) {
  Bytes b;
  b.u16be(width).u16be(height).u16be(0).u16be(0).u8(planes).u8(masking).u8(compression).u8(0);
  b.u16be(0).u8(10).u8(11).u16be(width).u16be(height);
  return IffChunk("BMHD", b.data());
}

// Colour map entry i is (i, 2i, 3i) modulo 256.
inline ByteVector IffCmap(int entries) {
  Bytes b;
  for (int i = 0; i < entries; ++i) b.u8(i).u8(2 * i).u8(3 * i);
  return IffChunk("CMAP", b.data());
}

inline ByteVector IffCamg(std::uint32_t mode) { return IffChunk("CAMG", Bytes().u32be(mode).data()); }

// Uncompressed planar body from pixel values (row-major), plane 0 = bit 0.
inline ByteVector IffPlanarBody(int width, int height, int planes, const std::vector<std::uint32_t>& pixels) {
  const int rowLength = 2 * ((width + 15) / 16);
  ByteVector body;
  for (int y = 0; y < height; ++y) {
    for (int k = 0; k < planes; ++k) {
      ByteVector row(static_cast<std::size_t>(rowLength), 0);
      for (int x = 0; x < width; ++x) {
        if ((pixels[static_cast<std::size_t>(y * width + x)] >> k) & 1u) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
      body.insert(body.end(), row.begin(), row.end());
    }
  }
  return IffChunk("BODY", body);
}

}  // namespace pixolan::test
