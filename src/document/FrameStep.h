#pragma once
// Place Frame and Lift Frame: one frame record and the document's selection
// against the other side's. Placing uses up the selection, lifting turns the
// frame back into it (a lifted frame keeps its rectangle and offsets), so undo
// gives back both the frame and the selection exactly.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "document/AnimFrame.h"
#include "document/SwapStep.h"
#include "framework/Rect.h"

namespace pixolan {

// The document's selection: a rectangle and whether it is live.
struct SelectionState {
  CRect rect;
  bool bValid = false;
};

class CFrameStep : public CSwapStep {
 public:
  // `changed`: frame number n (from 1) of animation `animation` (an index into the
  // document's list) after the change, and the selection after it.
  static std::unique_ptr<CFrameStep> Place(std::size_t animation, std::int32_t n, const CAnimFrame& changed,
                                           const SelectionState& selection);
  static std::unique_ptr<CFrameStep> Lift(std::size_t animation, std::int32_t n, const CAnimFrame& changed,
                                          const SelectionState& selection);

  CFrameStep(std::string name, std::size_t animation, std::int32_t n, const CAnimFrame& changed,
             const SelectionState& selection);

  // Done, undone and redone alike: the canvas repaints the frame's old and new
  // place, the sheet its outlines.

 private:
  void Swap(CPxoDoc& doc) override;
  void Exchange(CPxoDoc& doc);

  std::size_t m_nAnimation;
  std::int32_t m_nFrame;
  CAnimFrame m_other;
  SelectionState m_selection;
};

}  // namespace pixolan
