#pragma once
// A picture of 8-bit red, green and blue bytes, row by row without padding:
// what the preview draws and what the PNG and GIF writers take.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/Colour.h"

namespace pixolan {

class CRgbPicture {
 public:
  CRgbPicture() = default;
  // All pixels black. The caller keeps the size sane: width * height * 3 bytes are reserved.
  CRgbPicture(int width, int height);

  int Width() const { return m_nWidth; }
  int Height() const { return m_nHeight; }
  const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
  const std::uint8_t* Row(int y) const { return m_bytes.data() + Offset(0, y); }

  RgbColour At(int x, int y) const {
    const std::size_t at = Offset(x, y);
    return RgbColour{m_bytes[at], m_bytes[at + 1], m_bytes[at + 2]};
  }
  void Set(int x, int y, RgbColour c) {
    const std::size_t at = Offset(x, y);
    m_bytes[at] = c.red, m_bytes[at + 1] = c.green, m_bytes[at + 2] = c.blue;
  }

  // Every pixel becomes a square of scale x scale pixels (nearest neighbour).
  CRgbPicture Scaled(int scale) const;

 private:
  std::size_t Offset(int x, int y) const {
    return 3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) + static_cast<std::size_t>(x));
  }

  int m_nWidth = 0;
  int m_nHeight = 0;
  std::vector<std::uint8_t> m_bytes;
};

}  // namespace pixolan
