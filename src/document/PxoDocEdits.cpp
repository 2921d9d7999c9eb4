// The canvas edits of the document: zoom and moving frames.
#include "document/MoveFrameStep.h"
#include "document/PxoDoc.h"
#include "document/ZoomStep.h"

namespace pixolan {

void CPxoDoc::SetZoom(std::int32_t zoom) {
  // A file's zoom past the range is shown as its nearest; choosing that one changes nothing.
  zoom = ClampZoom(zoom);
  if (zoom != ClampZoom(m_nZoom)) Apply(std::make_unique<CZoomStep>(zoom));
}

bool CPxoDoc::MoveCurrentFrame(std::int32_t offsetX, std::int32_t offsetY, bool extendLast) {
  CAnimFrame* frame = CurrentFrameRecord();
  const std::optional<std::size_t> animation = CurrentAnimationIndex();
  if (frame == nullptr || !animation || !frame->m_bValid) return false;
  if (frame->m_nOffsetX == offsetX && frame->m_nOffsetY == offsetY) return true;
  auto* last = dynamic_cast<CMoveFrameStep*>(m_history.LastDone());
  // The last step keeps the offsets from before it: undo still goes back there.
  // Never past the saved state, or the modified flag would lie.
  if (extendLast && last != nullptr && last->Moves(*animation, m_nCurrentFrame) && !m_history.IsAtSaved()) {
    frame->m_nOffsetX = offsetX;
    frame->m_nOffsetY = offsetY;
    UpdateAllViews(nullptr, HINT_CURRENT_CHANGED);
    return true;
  }
  Apply(std::make_unique<CMoveFrameStep>(*animation, m_nCurrentFrame, offsetX, offsetY));
  return true;
}

void CPxoDoc::DropSelection() {
  m_bSelectionValid = false;
  UpdateAllViews(nullptr, HINT_SELECTION_DROPPED);
}

}  // namespace pixolan
