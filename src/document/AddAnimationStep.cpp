#include "document/AddAnimationStep.h"

#include "document/PxoDoc.h"

namespace pixolan {

CAddAnimationStep::CAddAnimationStep(std::unique_ptr<CAnimation> animation, std::size_t index)
    : CEditStep("Add Animation"), m_pRecord(std::move(animation)), m_nIndex(index) {}

void CAddAnimationStep::Redo(CPxoDoc& doc) {
  if (!m_pRecord || m_nIndex > doc.m_animations.size()) return;
  doc.m_animations.insert(doc.m_animations.begin() + static_cast<std::ptrdiff_t>(m_nIndex), std::move(m_pRecord));
  doc.UpdateAllViews(nullptr, HINT_ANIM_ADDED);
}

void CAddAnimationStep::Undo(CPxoDoc& doc) {
  if (m_pRecord || m_nIndex >= doc.m_animations.size()) return;
  const auto at = doc.m_animations.begin() + static_cast<std::ptrdiff_t>(m_nIndex);
  m_pRecord = std::move(*at);
  doc.m_animations.erase(at);
  // The details view then makes the last animation current.
  if (doc.m_pCurrentAnim == m_pRecord.get()) doc.m_pCurrentAnim = nullptr;
  doc.UpdateAllViews(nullptr, HINT_ANIM_ADDED);
}

std::size_t CAddAnimationStep::Bytes() const {
  return sizeof(*this) + (m_pRecord ? m_pRecord->Bytes() : 0);
}

}  // namespace pixolan
