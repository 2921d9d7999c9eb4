#pragma once
// Builds Game Boy tile files byte by byte for the reader tests.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "support/TestSupport.h"

namespace pixolan::test {

class GbrFile {
 public:
  GbrFile() { m_bytes.text("GBO0"); }

  GbrFile& Object(std::uint16_t type, std::uint16_t id, const std::vector<std::uint8_t>& content) {
    m_bytes.u16le(type).u16le(id).u32le(static_cast<std::uint32_t>(content.size())).raw(content);
    return *this;
  }
  GbrFile& TileData(std::uint16_t id, std::uint16_t width, std::uint16_t height, std::uint16_t count,
                    std::array<std::uint8_t, 4> map, const std::vector<std::uint8_t>& pixels) {
    Bytes c;
    c.text("tiles").fill(25, 0).u16le(width).u16le(height).u16le(count);
    for (std::uint8_t m : map) c.u8(m);
    c.raw(pixels);
    return Object(0x02, id, c.data());
  }
  // Same pixel value everywhere.
  GbrFile& UniformTiles(std::uint16_t id, std::uint16_t width, std::uint16_t height, std::uint16_t count,
                        std::uint8_t value = 0) {
    return TileData(id, width, height, count, {0, 1, 2, 3},
                    std::vector<std::uint8_t>(std::size_t{width} * height * count, value));
  }
  GbrFile& TileSettings(std::uint16_t ownId, std::uint16_t tileDataId, std::uint8_t colourSet,
                        std::size_t length = 19) {
    Bytes c;
    c.u16le(tileDataId).fill(9, 0).u8(colourSet);
    c.data().resize(length, 0);
    return Object(0x03, ownId, c.data());
  }
  // Palette p of a list has colour c = (10p + c, 20 + c, 30 + c) with fourth byte 0.
  GbrFile& Palettes(std::uint16_t ownId, std::uint16_t tileDataId, int firstCount, int secondCount) {
    Bytes c;
    c.u16le(tileDataId);
    for (int list = 0; list < 2; ++list) {
      const int count = list == 0 ? firstCount : secondCount;
      c.u16le(static_cast<std::uint32_t>(count));
      for (int p = 0; p < count; ++p) {
        for (int k = 0; k < 4; ++k) c.u8(10 * p + k + 100 * list).u8(20 + k).u8(30 + k).u8(0);
      }
    }
    return Object(0x0D, ownId, c.data());
  }
  GbrFile& TilePalette(std::uint16_t ownId, std::uint16_t tileDataId, const std::vector<std::uint32_t>& first,
                       const std::vector<std::uint32_t>& second) {
    Bytes c;
    c.u16le(tileDataId);
    for (const auto* table : {&first, &second}) {
      c.u16le(static_cast<std::uint32_t>(table->size()));
      for (std::uint32_t n : *table) c.u32le(n);
    }
    return Object(0x0E, ownId, c.data());
  }
  const std::vector<std::uint8_t>& data() const { return m_bytes.data(); }
  std::vector<std::uint8_t>& data() { return m_bytes.data(); }

 private:
  Bytes m_bytes;
};

}  // namespace pixolan::test
