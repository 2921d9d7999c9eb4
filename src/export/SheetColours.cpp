#include "export/SheetColours.h"

#include <algorithm>

namespace pixolan {

CSheetColours::CSheetColours(const CRasterImage* image) : m_pImage(image) {
  if (!image || image->m_ppRows.empty()) {
    m_pImage = nullptr;
    return;
  }
  m_nCols = image->m_nWidth / 8;
  m_nRows = image->m_nHeight / 8;
  // Indices beyond a short palette read black, as GetPixelColour does.
  m_bDirect8 = image->m_nBitsPerPixel == 8 && image->HasPalette();
  if (m_bDirect8) {
    const std::size_t n = std::min<std::size_t>(image->m_pPalette.size(), m_lut.size());
    for (std::size_t i = 0; i < n; ++i) {
      m_lut[i] = image->m_pPalette[i];
      m_rgbLut[i] = PackRgb(m_lut[i]);
    }
  }
}

PaletteEntry CSheetColours::Colour(std::int32_t x, std::int32_t y) const {
  if (!m_pImage) return PaletteEntry{};
  if (m_bDirect8) return m_lut[m_pImage->m_ppRows[static_cast<std::size_t>(y)][x]];
  return m_pImage->GetPixelColour(x, y);
}

void CSheetColours::CellColours(std::int32_t cx, std::int32_t cy, std::array<PaletteEntry, 64>& out) const {
  const std::int32_t x0 = 8 * cx, y0 = 8 * cy;
  for (std::int32_t y = 0; y < 8; ++y) {
    if (m_bDirect8) {
      const std::uint8_t* row = m_pImage->m_ppRows[static_cast<std::size_t>(y0 + y)] + x0;
      for (std::int32_t x = 0; x < 8; ++x) out[static_cast<std::size_t>(8 * y + x)] = m_lut[row[x]];
    } else {
      for (std::int32_t x = 0; x < 8; ++x) out[static_cast<std::size_t>(8 * y + x)] = Colour(x0 + x, y0 + y);
    }
  }
}

void CSheetColours::CellRgb(std::int32_t cx, std::int32_t cy, std::array<std::uint32_t, 64>& out) const {
  const std::int32_t x0 = 8 * cx, y0 = 8 * cy;
  for (std::int32_t y = 0; y < 8; ++y) {
    if (m_bDirect8) {
      const std::uint8_t* row = m_pImage->m_ppRows[static_cast<std::size_t>(y0 + y)] + x0;
      for (std::int32_t x = 0; x < 8; ++x) out[static_cast<std::size_t>(8 * y + x)] = m_rgbLut[row[x]];
    } else {
      for (std::int32_t x = 0; x < 8; ++x) out[static_cast<std::size_t>(8 * y + x)] = PackRgb(Colour(x0 + x, y0 + y));
    }
  }
}

}  // namespace pixolan
