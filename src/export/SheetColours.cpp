#include "export/SheetColours.h"

#include <algorithm>
#include <cstring>

#include "export/FrameLayout.h"

namespace pixolan {

CSheetColours::CSheetColours(const CRasterImage* image) : m_pImage(image) {
  if (!image || image->m_ppRows.empty()) {
    m_pImage = nullptr;
    return;
  }
  const SheetCells cells = WholeCellsOf(image);
  m_nCols = cells.nCols;
  m_nRows = cells.nRows;
  m_bIndexed = image->HasPalette() && image->m_nBitsPerPixel <= 8;
  m_bDirect8 = m_bIndexed && image->m_nBitsPerPixel == 8;
  if (!m_bIndexed) return;
  // Indices beyond a short palette read black, as GetPixelColour does.
  const std::size_t n = std::min<std::size_t>(image->m_pPalette.size(), m_lut.size());
  std::copy_n(image->m_pPalette.begin(), n, m_lut.begin());
  for (std::size_t i = 0; i < m_lut.size(); ++i) {
    m_rgbLut[i] = PackRgb(m_lut[i]);
    m_sum[i] = m_lut[i].red + m_lut[i].green + m_lut[i].blue;
    std::size_t first = 0;
    while (m_rgbLut[first] != m_rgbLut[i]) ++first;
    m_canonical[i] = static_cast<std::uint8_t>(first);
    if (first != i) m_bCanonicalIsIndex = false;
  }
}

std::int32_t CSheetColours::CanonicalOf(const PaletteEntry& colour) const {
  if (!m_bIndexed) return -1;
  const std::uint32_t rgb = PackRgb(colour);
  for (std::size_t i = 0; i < m_rgbLut.size(); ++i) {
    if (m_rgbLut[i] == rgb) return static_cast<std::int32_t>(i);
  }
  return -1;
}

void CSheetColours::CellIndices(std::int32_t cx, std::int32_t cy, std::array<std::uint8_t, 64>& out) const {
  const std::int32_t x0 = 8 * cx, y0 = 8 * cy;
  if (m_bDirect8) {
    for (std::size_t y = 0; y < 8; ++y) {
      std::memcpy(out.data() + 8 * y, m_pImage->m_ppRows[static_cast<std::size_t>(y0) + y] + x0, 8);
    }
    return;
  }
  for (std::int32_t y = 0; y < 8; ++y) {
    for (std::int32_t x = 0; x < 8; ++x) {
      out[static_cast<std::size_t>(8 * y + x)] = static_cast<std::uint8_t>(m_pImage->GetPixelIndex(x0 + x, y0 + y));
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
