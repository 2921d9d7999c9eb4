#pragma once
#include <cstddef>
#include <cstdint>

namespace pixolan {

// Writes the pixels of a run-length bitmap (8 bits, or 4 bits as nibbles) left to
// right into one image row. Pixels that fall past the row's end, or on a row
// outside the image, are dropped.
class CRlePen {
 public:
  CRlePen(std::int32_t width, bool nibbles) : m_nWidth(width), m_bNibbles(nibbles) {}

  void StartRow(std::uint8_t* row) { MoveTo(row, 0); }
  void MoveTo(std::uint8_t* row, std::int32_t x) {
    m_pRow = row;
    m_nX = x;
  }
  std::int32_t X() const { return m_nX; }

  void Put(std::uint8_t pixel) {
    if (m_pRow == nullptr || m_nX >= m_nWidth) return;
    if (!m_bNibbles) {
      m_pRow[m_nX] = pixel;
    } else if (m_nX % 2 == 0) {
      // The high nibble comes first and replaces the whole byte.
      m_pRow[m_nX / 2] = static_cast<std::uint8_t>(pixel << 4);
    } else {
      m_pRow[m_nX / 2] = static_cast<std::uint8_t>(m_pRow[m_nX / 2] | (pixel & 0x0F));
    }
    ++m_nX;
  }

  // A run: one byte repeated, or at 4 bits its two nibbles alternately.
  void PutRun(std::uint8_t count, std::uint8_t value) {
    for (std::uint32_t i = 0; i < count; ++i) Put(PixelOf(value, i));
  }

  // A literal of pixelCount pixels packed in bytes as a file row packs them.
  void PutLiteral(const std::uint8_t* bytes, std::uint32_t pixelCount) {
    const std::uint32_t perByte = m_bNibbles ? 2 : 1;
    for (std::uint32_t i = 0; i < pixelCount; ++i) Put(PixelOf(bytes[i / perByte], i));
  }

  // Bytes that hold pixelCount literal pixels.
  std::uint32_t LiteralBytes(std::uint32_t pixelCount) const {
    return m_bNibbles ? (pixelCount + 1) / 2 : pixelCount;
  }

  // Pixels that a byte count holds, for a literal that the file cuts short.
  std::uint32_t PixelsIn(std::size_t bytes) const {
    return static_cast<std::uint32_t>(m_bNibbles ? bytes * 2 : bytes);
  }

 private:
  std::uint8_t PixelOf(std::uint8_t value, std::uint32_t i) const {
    if (!m_bNibbles) return value;
    return (i % 2 == 0) ? static_cast<std::uint8_t>(value >> 4) : static_cast<std::uint8_t>(value & 0x0F);
  }

  std::int32_t m_nWidth;
  bool m_bNibbles;
  std::uint8_t* m_pRow = nullptr;
  std::int32_t m_nX = 0;
};

}  // namespace pixolan
