// The frame and animation list edits: what each may do on the current frame or
// animation, the changed contents, and where the user stands afterwards.
#include <limits>

#include "document/DeleteAnimationStep.h"
#include "document/FrameListStep.h"
#include "document/MoveAnimationStep.h"
#include "document/PxoDoc.h"

namespace pixolan {
namespace {

using ListEdit = CPxoDoc::ListEdit;

// Frame numbers are signed 32-bit in the document file.
constexpr std::uint32_t kMaxFrames = std::numeric_limits<std::int32_t>::max();

bool IsFrameEdit(ListEdit edit) {
  return edit == ListEdit::kDeleteFrame || edit == ListEdit::kDuplicateFrame ||
         edit == ListEdit::kMoveFrameEarlier || edit == ListEdit::kMoveFrameLater;
}

const char* NameOf(ListEdit edit) {
  switch (edit) {
    case ListEdit::kDeleteFrame: return "Delete Frame";
    case ListEdit::kDuplicateFrame: return "Duplicate Frame";
    case ListEdit::kMoveFrameEarlier: return "Move Frame Earlier";
    case ListEdit::kMoveFrameLater: return "Move Frame Later";
    case ListEdit::kDeleteAnimation: return "Delete Animation";
    case ListEdit::kMoveAnimationUp: return "Move Animation Up";
    case ListEdit::kMoveAnimationDown: return "Move Animation Down";
  }
  return "";
}

}  // namespace

bool CPxoDoc::CanEditList(ListEdit edit) const {
  const std::optional<std::size_t> index = CurrentAnimationIndex();
  if (!index) return false;
  const CAnimation& animation = *m_pCurrentAnim;
  // Frame edits need a current frame the animation holds.
  if (IsFrameEdit(edit) && animation.Frame(m_nCurrentFrame) == nullptr) return false;
  const std::uint32_t frame = static_cast<std::uint32_t>(m_nCurrentFrame);
  switch (edit) {
    case ListEdit::kDeleteFrame: return animation.m_nFrameCount > 1;
    case ListEdit::kDuplicateFrame: return animation.m_nFrameCount < kMaxFrames;
    case ListEdit::kMoveFrameEarlier: return frame > 1;
    case ListEdit::kMoveFrameLater: return frame < animation.m_nFrameCount;
    case ListEdit::kDeleteAnimation: return true;
    case ListEdit::kMoveAnimationUp: return *index > 0;
    case ListEdit::kMoveAnimationDown: return *index + 1 < m_animations.size();
  }
  return false;
}

bool CPxoDoc::EditList(ListEdit edit) {
  if (!CanEditList(edit)) return false;
  const std::size_t index = *CurrentAnimationIndex();
  const CurrentPlace before{index, m_nCurrentFrame};
  const auto element = static_cast<std::uint32_t>(m_nCurrentFrame - 1);
  CAnimation changed = *m_pCurrentAnim;
  CurrentPlace after = before;
  switch (edit) {
    case ListEdit::kDeleteFrame:
      changed.RemoveFrame(element);
      // The next frame takes the deleted one's place; after the last, the new last.
      after.frame = std::min(m_nCurrentFrame, static_cast<std::int32_t>(changed.m_nFrameCount));
      break;
    case ListEdit::kDuplicateFrame:
      changed.DuplicateFrame(element);
      after.frame = m_nCurrentFrame + 1;  // the copy
      break;
    case ListEdit::kMoveFrameEarlier:
      changed.SwapFrames(element, element - 1);
      after.frame = m_nCurrentFrame - 1;
      break;
    case ListEdit::kMoveFrameLater:
      changed.SwapFrames(element, element + 1);
      after.frame = m_nCurrentFrame + 1;
      break;
    case ListEdit::kDeleteAnimation: {
      // The next animation takes its place; after the last, the new last; none when it was alone.
      const std::size_t left = m_animations.size() - 1;
      after = {left == 0 ? std::nullopt : std::optional<std::size_t>(std::min(index, left - 1)), 1};
      Apply(std::make_unique<CDeleteAnimationStep>(index, before, after));
      return true;
    }
    case ListEdit::kMoveAnimationUp:
    case ListEdit::kMoveAnimationDown: {
      const bool up = edit == ListEdit::kMoveAnimationUp;
      after.animation = up ? index - 1 : index + 1;
      Apply(std::make_unique<CMoveAnimationStep>(NameOf(edit), up ? index - 1 : index, before, after));
      return true;
    }
  }
  Apply(std::make_unique<CFrameListStep>(NameOf(edit), index, std::move(changed), before, after));
  return true;
}

}  // namespace pixolan
