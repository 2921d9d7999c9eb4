#pragma once
// Which 8x8 cells of the sheet a frame covers, and whether every frame of a
// document stays inside the sheet's whole cells.
#include <cstdint>
#include <optional>
#include <utility>

#include "framework/Rect.h"

namespace pixolan {

class CAnimation;
class CPxoDoc;

// Cells cx in [x0, x1) and cy in [y0, y1): the rectangle's edges divided by 8,
// truncating, right and bottom exclusive. Empty when either span is 0 or less.
struct CellSpan {
  std::int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Empty() const { return x1 <= x0 || y1 <= y0; }
};

CellSpan FrameCells(const CRect& source);

// Frames of an animation that have records (a fresh record without a frame array has none).
std::size_t FramesToCut(const CAnimation& animation);

// The first frame, as (animation index, frame index from 0), that covers a cell
// outside the sheet's whole cells; nothing when all frames stay inside. A document
// without a sheet has no cells, so any frame covering a cell is outside.
std::optional<std::pair<int, int>> FindFrameOutsideImage(const CPxoDoc& doc);

}  // namespace pixolan
