#pragma once
// Fast colour reads of the sheet for the animation export. Colours are compared
// as red, green and blue only, so they are also offered packed into one word.
#include <array>
#include <cstdint>
#include <memory>

#include "image/Colour.h"
#include "image/RasterImage.h"

namespace pixolan {

// red << 16 | green << 8 | blue: equal words mean SameColour.
inline std::uint32_t PackRgb(const PaletteEntry& c) {
  return static_cast<std::uint32_t>(c.red) << 16 | static_cast<std::uint32_t>(c.green) << 8 | c.blue;
}

// The sheet the animation export reads: an indexed sheet as it is, a true-colour one
// of at most 256 colours as its indexed copy; any other as it is (the export refuses it).
inline const CRasterImage* ExportSheet(const std::unique_ptr<CRasterImage>& image) {
  if (!image) return nullptr;
  const CRasterImage* indexed = image->IndexedForm();
  return indexed != nullptr ? indexed : image.get();
}

// The transparent colour of an export: the sheet's top-left pixel, black without a sheet.
inline PaletteEntry TransparentColour(const CRasterImage* image) {
  if (!image || image->m_ppRows.empty()) return PaletteEntry{};
  return image->GetPixelColour(0, 0);
}

class CSheetColours {
 public:
  // A null image has no cells and reads black.
  explicit CSheetColours(const CRasterImage* image);

  std::int32_t Cols() const { return m_nCols; }
  std::int32_t Rows() const { return m_nRows; }
  bool IsCell(std::int32_t cx, std::int32_t cy) const {
    return cx >= 0 && cy >= 0 && cx < m_nCols && cy < m_nRows;
  }

  // Palettized sheets (up to 8 bits) are read as palette indices: fast tables
  // give each index's colour, colour sum and canonical index (the first index
  // with the same red, green and blue, so equal canonical indices mean equal colours).
  bool HasIndices() const { return m_bIndexed; }
  void CellIndices(std::int32_t cx, std::int32_t cy, std::array<std::uint8_t, 64>& out) const;
  const PaletteEntry& IndexColour(std::uint8_t i) const { return m_lut[i]; }
  std::uint8_t Canonical(std::uint8_t i) const { return m_canonical[i]; }
  // No two palette entries share a colour: every index is its own canonical index.
  bool CanonicalIsIndex() const { return m_bCanonicalIsIndex; }
  std::int32_t IndexSum(std::uint8_t i) const { return m_sum[i]; }
  // The canonical index of a colour, or -1 when no palette entry has it.
  std::int32_t CanonicalOf(const PaletteEntry& colour) const;

  // The colour of pixel (x, y); the caller keeps it inside the image.
  PaletteEntry Colour(std::int32_t x, std::int32_t y) const;
  // The 64 colours of whole cell (cx, cy), row by row from the top.
  void CellColours(std::int32_t cx, std::int32_t cy, std::array<PaletteEntry, 64>& out) const;
  void CellRgb(std::int32_t cx, std::int32_t cy, std::array<std::uint32_t, 64>& out) const;

 private:
  const CRasterImage* m_pImage;
  std::int32_t m_nCols = 0;
  std::int32_t m_nRows = 0;
  bool m_bIndexed = false;  // palette indices read through the tables below
  bool m_bDirect8 = false;  // 8-bit rows read straight
  bool m_bCanonicalIsIndex = true;
  std::array<PaletteEntry, 256> m_lut{};  // entries past a short palette read black
  std::array<std::uint32_t, 256> m_rgbLut{};
  std::array<std::uint8_t, 256> m_canonical{};
  std::array<std::int32_t, 256> m_sum{};
};

}  // namespace pixolan
