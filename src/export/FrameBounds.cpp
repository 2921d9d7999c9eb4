#include "export/FrameBounds.h"

#include <algorithm>

#include "document/PxoDoc.h"

namespace pixolan {

CellSpan FrameCells(const CRect& source) {
  return CellSpan{source.left / 8, source.top / 8, source.right / 8, source.bottom / 8};
}

std::size_t FramesToCut(const CAnimation& animation) {
  return std::min<std::size_t>(animation.m_nFrameCount, animation.m_pFrames.size());
}

std::optional<std::pair<int, int>> FindFrameOutsideImage(const CPxoDoc& doc) {
  const CRasterImage* image = doc.m_pImage.get();
  const std::int32_t cols = image ? image->m_nWidth / 8 : 0;
  const std::int32_t rows = image ? image->m_nHeight / 8 : 0;
  for (std::size_t a = 0; a < doc.m_animations.size(); ++a) {
    const CAnimation* animation = doc.m_animations[a].get();
    if (!animation) continue;
    for (std::size_t f = 0; f < FramesToCut(*animation); ++f) {
      const CellSpan span = FrameCells(animation->m_pFrames[f].m_rectSource);
      if (span.Empty()) continue;
      if (span.x0 < 0 || span.y0 < 0 || span.x1 > cols || span.y1 > rows) {
        return std::make_pair(static_cast<int>(a), static_cast<int>(f));
      }
    }
  }
  return std::nullopt;
}

}  // namespace pixolan
