#include "document/FrameStep.h"

#include <utility>

#include "document/PxoDoc.h"

namespace pixolan {

std::unique_ptr<CFrameStep> CFrameStep::Place(CAnimation& animation, std::int32_t n, const CAnimFrame& changed) {
  return std::make_unique<CFrameStep>("Place Frame", animation, n, changed);
}

std::unique_ptr<CFrameStep> CFrameStep::Lift(CAnimation& animation, std::int32_t n, const CAnimFrame& changed) {
  return std::make_unique<CFrameStep>("Lift Frame", animation, n, changed);
}

CFrameStep::CFrameStep(std::string name, CAnimation& animation, std::int32_t n, const CAnimFrame& changed)
    : CEditStep(std::move(name)), m_animation(animation), m_nFrame(n), m_other(changed) {}

void CFrameStep::Swap() {
  if (CAnimFrame* frame = m_animation.Frame(m_nFrame)) std::swap(*frame, m_other);
}

void CFrameStep::Undo(CPxoDoc& doc) {
  Swap();
  doc.UpdateAllViews(nullptr, HINT_CURRENT_CHANGED);
}

void CFrameStep::Redo(CPxoDoc& doc) {
  Swap();
  doc.UpdateAllViews(nullptr, HINT_CURRENT_CHANGED);
}

}  // namespace pixolan
