#include "document/InsertFrameStep.h"

#include "document/PxoDoc.h"

namespace pixolan {

CInsertFrameStep::CInsertFrameStep(CAnimation& animation, std::uint32_t after)
    : CEditStep("Insert Frame"), m_animation(animation), m_nAfter(after) {}

void CInsertFrameStep::Redo(CPxoDoc& doc) {
  m_animation.InsertFrame(m_nAfter);
  doc.UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

void CInsertFrameStep::Undo(CPxoDoc& doc) {
  m_animation.RemoveFrame(m_nAfter);
  doc.UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

}  // namespace pixolan
