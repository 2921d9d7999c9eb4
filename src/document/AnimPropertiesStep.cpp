#include "document/AnimPropertiesStep.h"

#include <utility>

#include "document/PxoDoc.h"

namespace pixolan {

CAnimPropertiesStep::CAnimPropertiesStep(std::size_t animation, CAnimation changed)
    : CSwapStep("Animation Properties"), m_nAnimation(animation), m_other(std::move(changed)) {}

void CAnimPropertiesStep::Swap(CPxoDoc& doc) {
  if (CAnimation* animation = doc.AnimationAt(m_nAnimation)) std::swap(*animation, m_other);  // name, count, frames
  doc.UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

}  // namespace pixolan
