#include "view/ScanlineMarks.h"

#include "document/AnimFrame.h"

namespace pixolan {

std::vector<CRect> ScanlineMarks(const CSpriteViewModel& model, const CAnimFrame& frame, std::int64_t objectsPerLine,
                                 std::int64_t limit, CPoint scroll) {
  std::vector<CRect> marks;
  if (objectsPerLine <= limit) return marks;
  const CRect placed = model.CanvasRectOfFrame(frame, scroll);
  const CSize half = model.HalfCanvas();
  const std::int64_t left = std::int64_t{model.m_ptCentre.x} - half.cx - scroll.x;
  const std::int64_t right = std::int64_t{model.m_ptCentre.x} + half.cx - scroll.x;
  const std::int64_t band = std::int64_t{8} * model.Zoom();
  const std::int64_t rows = (std::int64_t{frame.m_rectSource.bottom} - frame.m_rectSource.top) / 8;
  for (std::int64_t r = 0; r < rows && r < 256; ++r) {
    const std::int64_t top = placed.top + r * band;
    marks.push_back(CRect{ClampCoordinate(left), ClampCoordinate(top), ClampCoordinate(right),
                          ClampCoordinate(top + band)});
  }
  return marks;
}

}  // namespace pixolan
