#include "document/DeleteAnimationStep.h"

#include "document/PxoDoc.h"

namespace pixolan {

CDeleteAnimationStep::CDeleteAnimationStep(std::size_t index, CurrentPlace before, CurrentPlace after)
    : CListStep("Delete Animation", before, after), m_nIndex(index) {}

void CDeleteAnimationStep::Exchange(CPxoDoc& doc, bool redo) {
  auto& list = doc.m_animations;
  const auto at = list.begin() + static_cast<std::ptrdiff_t>(m_nIndex);
  if (redo && !m_pRecord && m_nIndex < list.size()) {
    m_pRecord = std::move(*at);
    list.erase(at);
    // The step's place says what becomes current; the record must not stay so.
    if (doc.m_pCurrentAnim == m_pRecord.get()) doc.m_pCurrentAnim = nullptr;
  } else if (!redo && m_pRecord && m_nIndex <= list.size()) {
    list.insert(at, std::move(m_pRecord));
  }
}

std::size_t CDeleteAnimationStep::Bytes() const {
  return sizeof(*this) + (m_pRecord ? m_pRecord->Bytes() : 0);
}

}  // namespace pixolan
