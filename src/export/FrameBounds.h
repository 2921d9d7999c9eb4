#pragma once
// Which 8x8 cells of the sheet a frame covers. (Whether a frame stays inside
// the sheet is checked before an export, in AnimExport.)
#include <cstddef>
#include <cstdint>

#include "framework/Rect.h"

namespace pixolan {

// Cells cx in [x0, x1) and cy in [y0, y1): the rectangle's edges divided by 8,
// truncating, right and bottom exclusive. Empty when either span is 0 or less.
struct CellSpan {
  std::int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Empty() const { return x1 <= x0 || y1 <= y0; }
};

CellSpan FrameCells(const CRect& source);

}  // namespace pixolan
