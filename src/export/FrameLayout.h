#pragma once
// How a frame appears in the exported block map: its width and height in blocks
// and the sheet cell of its first block. Computed in 64 bits so that any
// rectangle a document can hold gives an exact answer.
#include <cstdint>

#include "framework/Rect.h"
#include "image/RasterImage.h"

namespace pixolan {

// The sheet's whole 8x8 cells: a partial column at the right and a partial row
// at the bottom belong to no cell. No sheet has none.
struct SheetCells {
  std::int32_t nCols = 0;
  std::int32_t nRows = 0;
};

inline SheetCells WholeCellsOf(const CRasterImage* image) {
  return image ? SheetCells{image->m_nWidth / 8, image->m_nHeight / 8} : SheetCells{};
}

struct FrameLayout {
  std::int64_t nFirstCol = 0;  // left / 8, truncated toward zero
  std::int64_t nFirstRow = 0;  // top / 8
  std::int64_t nWidth = 0;     // (right - left) / 8, may be 0 or negative
  std::int64_t nHeight = 0;    // (bottom - top) / 8

  bool HasBlockMap() const { return nWidth > 0 && nHeight > 0; }
};

inline FrameLayout LayoutOfFrame(const CRect& source) {
  const std::int64_t left = source.left, top = source.top, right = source.right, bottom = source.bottom;
  return FrameLayout{left / 8, top / 8, (right - left) / 8, (bottom - top) / 8};
}

// True when every cell of the frame's block map is a whole cell of a sheet with
// the given numbers of cell columns and rows. A rectangle starting left of or
// above the sheet never qualifies: its map would start at a cell it does not cover.
inline bool BlockMapInsideSheet(const CRect& source, std::int64_t nCols, std::int64_t nRows) {
  const FrameLayout layout = LayoutOfFrame(source);
  if (!layout.HasBlockMap()) return true;
  return source.left >= 0 && source.top >= 0 && layout.nFirstCol + layout.nWidth <= nCols &&
         layout.nFirstRow + layout.nHeight <= nRows;
}

}  // namespace pixolan
