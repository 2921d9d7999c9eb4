#include "document/ListStep.h"

#include <utility>

#include "document/PxoDoc.h"

namespace pixolan {

CListStep::CListStep(std::string name, CurrentPlace before, CurrentPlace after)
    : CEditStep(std::move(name)), m_before(before), m_after(after) {}

void CListStep::Undo(CPxoDoc& doc) {
  Exchange(doc, false);
  Show(doc, m_before);
}

void CListStep::Redo(CPxoDoc& doc) {
  Exchange(doc, true);
  Show(doc, m_after);
}

void CListStep::Show(CPxoDoc& doc, const CurrentPlace& place) {
  doc.m_pCurrentAnim = place.animation ? doc.AnimationAt(*place.animation) : nullptr;
  doc.m_nCurrentFrame = place.frame;
  doc.UpdateAllViews(nullptr, HINT_LIST_EDITED);
  doc.UpdateAllViews(nullptr, HINT_CURRENT_CHANGED);
}

}  // namespace pixolan
