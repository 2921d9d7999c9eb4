#pragma once
// The 8x8 block grid drawn over a zoomed picture: one-pixel lines every block,
// through a given point, inside an area and the part being painted.
#include <cstdint>
#include <vector>

#include "view/ViewTypes.h"

namespace pixolan {

struct GridLines {
  std::vector<std::int32_t> xs;  // columns of the vertical lines
  std::vector<std::int32_t> ys;  // rows of the horizontal lines
  CRect span;                    // how far the lines reach: the area within the clip
  friend bool operator==(const GridLines&, const GridLines&) = default;
};

// Lines at through + k * step (step > 0) on both axes, only those inside area and clip.
GridLines BlockGridLines(CPoint through, std::int32_t step, const CRect& area, const CRect& clip);

}  // namespace pixolan
