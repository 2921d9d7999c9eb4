#include "document/AnimPropertiesStep.h"

#include <utility>

#include "document/PxoDoc.h"

namespace pixolan {

CAnimPropertiesStep::CAnimPropertiesStep(CAnimation& animation, CAnimation changed)
    : CEditStep("Animation Properties"), m_animation(animation), m_other(std::move(changed)) {}

void CAnimPropertiesStep::Swap(CPxoDoc& doc) {
  std::swap(m_animation.m_pszName, m_other.m_pszName);
  std::swap(m_animation.m_nFrameCount, m_other.m_nFrameCount);
  std::swap(m_animation.m_pFrames, m_other.m_pFrames);
  std::swap(m_animation.m_bHasFrameArray, m_other.m_bHasFrameArray);
  doc.UpdateAllViews(nullptr, HINT_ANIM_CHANGED);
}

}  // namespace pixolan
