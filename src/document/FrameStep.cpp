#include "document/FrameStep.h"

#include <utility>

#include "document/PxoDoc.h"

namespace pixolan {

std::unique_ptr<CFrameStep> CFrameStep::Place(std::size_t animation, std::int32_t n, const CAnimFrame& changed,
                                              const SelectionState& selection) {
  return std::make_unique<CFrameStep>("Place Frame", animation, n, changed, selection);
}

std::unique_ptr<CFrameStep> CFrameStep::Lift(std::size_t animation, std::int32_t n, const CAnimFrame& changed,
                                             const SelectionState& selection) {
  return std::make_unique<CFrameStep>("Lift Frame", animation, n, changed, selection);
}

CFrameStep::CFrameStep(std::string name, std::size_t animation, std::int32_t n, const CAnimFrame& changed,
                       const SelectionState& selection)
    : CSwapStep(std::move(name)), m_nAnimation(animation), m_nFrame(n), m_other(changed), m_selection(selection) {}

void CFrameStep::Exchange(CPxoDoc& doc) {
  CAnimation* animation = doc.AnimationAt(m_nAnimation);
  CAnimFrame* frame = animation != nullptr ? animation->Frame(m_nFrame) : nullptr;
  if (frame == nullptr) return;
  std::swap(*frame, m_other);
  std::swap(doc.m_rectSelection, m_selection.rect);
  std::swap(doc.m_bSelectionValid, m_selection.bValid);
}

void CFrameStep::Swap(CPxoDoc& doc) {
  Exchange(doc);
  doc.UpdateAllViews(nullptr, HINT_CURRENT_CHANGED);
}

}  // namespace pixolan
