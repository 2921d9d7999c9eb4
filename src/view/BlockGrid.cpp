#include "view/BlockGrid.h"

#include <algorithm>

#include "view/ZoomMath.h"

namespace pixolan {
namespace {

std::vector<std::int32_t> Lines(std::int64_t through, std::int64_t step, std::int64_t from, std::int64_t to) {
  std::vector<std::int32_t> lines;
  // The first line at or after `from`; the clip bounds how many there are.
  for (std::int64_t v = through + FloorDiv(from - through + step - 1, step) * step; v < to; v += step) {
    lines.push_back(static_cast<std::int32_t>(v));
  }
  return lines;
}

}  // namespace

GridLines BlockGridLines(CPoint through, std::int32_t step, const CRect& area, const CRect& clip) {
  GridLines grid;
  grid.span = {std::max(area.left, clip.left), std::max(area.top, clip.top), std::min(area.right, clip.right),
               std::min(area.bottom, clip.bottom)};
  if (step <= 0 || grid.span.right <= grid.span.left || grid.span.bottom <= grid.span.top) return grid;
  grid.xs = Lines(through.x, step, grid.span.left, grid.span.right);
  grid.ys = Lines(through.y, step, grid.span.top, grid.span.bottom);
  return grid;
}

}  // namespace pixolan
