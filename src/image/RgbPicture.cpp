#include "image/RgbPicture.h"

#include <algorithm>

namespace pixolan {

CRgbPicture::CRgbPicture(int width, int height)
    : m_nWidth(width), m_nHeight(height),
      m_bytes(3 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

CRgbPicture CRgbPicture::Scaled(int scale) const {
  CRgbPicture out(m_nWidth * scale, m_nHeight * scale);
  for (int y = 0; y < out.m_nHeight; ++y) {
    // A source row is widened once, then copied for the rest of its square.
    std::uint8_t* row = out.m_bytes.data() + out.Offset(0, y);
    if (y % scale != 0) {
      std::copy_n(row - 3 * static_cast<std::size_t>(out.m_nWidth), 3 * static_cast<std::size_t>(out.m_nWidth), row);
      continue;
    }
    const std::uint8_t* source = Row(y / scale);
    for (int x = 0; x < out.m_nWidth; ++x) {
      std::copy_n(source + 3 * static_cast<std::size_t>(x / scale), 3, row + 3 * static_cast<std::size_t>(x));
    }
  }
  return out;
}

}  // namespace pixolan
