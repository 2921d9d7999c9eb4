#include "document/InsertFrameStep.h"

#include "document/PxoDoc.h"

namespace pixolan {

CInsertFrameStep::CInsertFrameStep(std::size_t animation, std::uint32_t after)
    : CEditStep("Insert Frame"), m_nAnimation(animation), m_nAfter(after) {}

void CInsertFrameStep::Redo(CPxoDoc& doc) {
  if (CAnimation* animation = doc.AnimationAt(m_nAnimation)) animation->InsertFrame(m_nAfter);
  doc.UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

void CInsertFrameStep::Undo(CPxoDoc& doc) {
  if (CAnimation* animation = doc.AnimationAt(m_nAnimation)) animation->RemoveFrame(m_nAfter);
  doc.UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

}  // namespace pixolan
