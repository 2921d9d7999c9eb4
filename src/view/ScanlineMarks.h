#pragma once
// The canvas's marks of lines holding more objects than the console draws: a
// band across the canvas for every block row of the current frame when its rows
// are wider than the limit (every block of a row shares that row's lines).
#include <cstdint>
#include <vector>

#include "view/SpriteViewModel.h"

namespace pixolan {

// Client rectangles; none when `objectsPerLine` is within `limit`.
std::vector<CRect> ScanlineMarks(const CSpriteViewModel& model, const CAnimFrame& frame, std::int64_t objectsPerLine,
                                 std::int64_t limit, CPoint scroll);

}  // namespace pixolan
