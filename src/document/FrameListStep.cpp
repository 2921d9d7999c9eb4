#include "document/FrameListStep.h"

#include <utility>

#include "document/PxoDoc.h"

namespace pixolan {

CFrameListStep::CFrameListStep(std::string name, std::size_t animation, CAnimation changed, CurrentPlace before,
                               CurrentPlace after)
    : CListStep(std::move(name), before, after), m_nAnimation(animation), m_other(std::move(changed)) {}

void CFrameListStep::Exchange(CPxoDoc& doc, bool /*redo*/) {
  if (CAnimation* animation = doc.AnimationAt(m_nAnimation)) std::swap(*animation, m_other);
}

}  // namespace pixolan
