#include "document/MoveAnimationStep.h"

#include <utility>

#include "document/PxoDoc.h"

namespace pixolan {

CMoveAnimationStep::CMoveAnimationStep(std::string name, std::size_t upper, CurrentPlace before, CurrentPlace after)
    : CListStep(std::move(name), before, after), m_nUpper(upper) {}

void CMoveAnimationStep::Exchange(CPxoDoc& doc, bool /*redo*/) {
  if (m_nUpper + 1 < doc.m_animations.size()) std::swap(doc.m_animations[m_nUpper], doc.m_animations[m_nUpper + 1]);
}

}  // namespace pixolan
