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

}  // namespace pixolan
