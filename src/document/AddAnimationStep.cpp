#include "document/AddAnimationStep.h"

#include <algorithm>

#include "document/PxoDoc.h"

namespace pixolan {

CAddAnimationStep::CAddAnimationStep(std::unique_ptr<CAnimation> animation)
    : CEditStep("Add Animation"), m_pRecord(std::move(animation)), m_pAnimation(m_pRecord.get()) {}

void CAddAnimationStep::Redo(CPxoDoc& doc) {
  if (!m_pRecord) return;
  doc.m_animations.push_back(std::move(m_pRecord));
  doc.UpdateAllViews(nullptr, HINT_ANIM_ADDED);
}

void CAddAnimationStep::Undo(CPxoDoc& doc) {
  auto& list = doc.m_animations;
  const auto it = std::find_if(list.rbegin(), list.rend(), [&](const auto& a) { return a.get() == m_pAnimation; });
  if (it == list.rend()) return;
  m_pRecord = std::move(*it);
  list.erase(std::next(it).base());
  // The details view then makes the last animation current.
  if (doc.m_pCurrentAnim == m_pAnimation) doc.m_pCurrentAnim = nullptr;
  doc.UpdateAllViews(nullptr, HINT_ANIM_ADDED);
}

}  // namespace pixolan
