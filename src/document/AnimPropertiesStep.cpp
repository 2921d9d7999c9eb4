#include "document/AnimPropertiesStep.h"

#include <utility>

#include "document/PxoDoc.h"

namespace pixolan {

CAnimPropertiesStep::CAnimPropertiesStep(CAnimation& animation, CAnimation changed)
    : CEditStep("Animation Properties"), m_animation(animation), m_other(std::move(changed)) {}

void CAnimPropertiesStep::Swap(CPxoDoc& doc) {
  std::swap(m_animation, m_other);  // name, count and frames
  doc.UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

}  // namespace pixolan
