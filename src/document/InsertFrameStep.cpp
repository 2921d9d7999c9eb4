#include "document/InsertFrameStep.h"

#include "document/PxoDoc.h"

namespace pixolan {

CInsertFrameStep::CInsertFrameStep(CAnimation& animation, std::uint32_t after)
    : CEditStep("Insert Frame"), m_animation(animation), m_nAfter(after), m_nCountBefore(animation.m_nFrameCount) {}

void CInsertFrameStep::Redo(CPxoDoc& doc) {
  m_animation.InsertFrame(m_nAfter);
  doc.UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

void CInsertFrameStep::Undo(CPxoDoc& doc) {
  auto& frames = m_animation.m_pFrames;
  if (m_nAfter < frames.size()) frames.erase(frames.begin() + static_cast<std::ptrdiff_t>(m_nAfter));
  m_animation.m_nFrameCount = m_nCountBefore;
  doc.UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

}  // namespace pixolan
