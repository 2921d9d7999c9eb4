#include "document/MoveFrameStep.h"

#include <utility>

#include "document/PxoDoc.h"

namespace pixolan {

void CMoveFrameStep::Swap(CPxoDoc& doc) {
  CAnimation* animation = doc.AnimationAt(m_nAnimation);
  CAnimFrame* frame = animation != nullptr ? animation->Frame(m_nFrame) : nullptr;
  if (frame == nullptr) return;
  std::swap(frame->m_nOffsetX, m_nOffsetX);
  std::swap(frame->m_nOffsetY, m_nOffsetY);
  doc.UpdateAllViews(nullptr, HINT_CURRENT_CHANGED);
}

}  // namespace pixolan
