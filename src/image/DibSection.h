#pragma once
// A device-independent bitmap as the display layer receives it: a 40-byte
// information header, a colour table below 16 bits, and bottom-up pixel rows
// padded to 4 bytes. The GUI turns it into a screen image; tests read its bytes.
#include <cstdint>
#include <utility>
#include <vector>

namespace pixolan {

struct BitmapInfoHeader {
  std::uint32_t biSize = 40;
  std::int32_t biWidth = 0;
  std::int32_t biHeight = 0;  // positive: rows are stored bottom-up
  std::uint16_t biPlanes = 1;
  std::uint16_t biBitCount = 0;
  std::uint32_t biCompression = 0;  // BI_RGB
  std::uint32_t biSizeImage = 0;
  std::int32_t biXPelsPerMeter = 0;
  std::int32_t biYPelsPerMeter = 0;
  std::uint32_t biClrUsed = 0;
  std::uint32_t biClrImportant = 0;
};

struct RgbQuad {
  std::uint8_t rgbBlue = 0;
  std::uint8_t rgbGreen = 0;
  std::uint8_t rgbRed = 0;
  std::uint8_t rgbReserved = 0;
};

struct BitmapInfo {
  BitmapInfoHeader bmiHeader;
  std::vector<RgbQuad> bmiColors;  // 2^depth entries below 16 bits, else empty
};

// Owns the pixel memory of a display bitmap. Row 0 in memory is the picture's bottom row.
class CDibSection {
 public:
  CDibSection(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel, std::int32_t stride)
      : m_nWidth(width), m_nHeight(height), m_nBitsPerPixel(bitsPerPixel), m_nStride(stride),
        m_bits(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0) {}
  // Over rows already made: `bits` holds stride * height bytes.
  CDibSection(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel, std::int32_t stride,
              std::vector<std::uint8_t> bits)
      : m_nWidth(width), m_nHeight(height), m_nBitsPerPixel(bitsPerPixel), m_nStride(stride), m_bits(std::move(bits)) {
    m_bits.resize(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
  }

  std::int32_t Width() const { return m_nWidth; }
  std::int32_t Height() const { return m_nHeight; }
  std::int32_t BitsPerPixel() const { return m_nBitsPerPixel; }
  std::int32_t Stride() const { return m_nStride; }
  const std::uint8_t* Bits() const { return m_bits.data(); }
  std::uint8_t* Bits() { return m_bits.data(); }
  std::size_t SizeBytes() const { return m_bits.size(); }
  // Memory row r (0 = bottom row of the picture).
  std::uint8_t* Row(std::int32_t r) { return m_bits.data() + static_cast<std::size_t>(r) * m_nStride; }
  const std::uint8_t* Row(std::int32_t r) const {
    return m_bits.data() + static_cast<std::size_t>(r) * m_nStride;
  }

 private:
  std::int32_t m_nWidth;
  std::int32_t m_nHeight;
  std::int32_t m_nBitsPerPixel;
  std::int32_t m_nStride;
  std::vector<std::uint8_t> m_bits;
};

using HBITMAP = CDibSection*;

}  // namespace pixolan
