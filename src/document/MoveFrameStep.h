#pragma once
// Move Frame: one frame's offsets against the other side's. A drag, a typed
// offset or a nudge each make one; a key held down grows the last one instead
// (Extend), so one undo takes back the whole movement.
#include <cstddef>
#include <cstdint>

#include "document/SwapStep.h"

namespace pixolan {

class CMoveFrameStep : public CSwapStep {
 public:
  // Frame number n (from 1) of animation `animation` (an index into the list),
  // and its offsets after the move.
  CMoveFrameStep(std::size_t animation, std::int32_t n, std::int32_t offsetX, std::int32_t offsetY)
      : CSwapStep("Move Frame"), m_nAnimation(animation), m_nFrame(n), m_nOffsetX(offsetX), m_nOffsetY(offsetY) {}

  bool Moves(std::size_t animation, std::int32_t n) const { return animation == m_nAnimation && n == m_nFrame; }

 private:
  void Swap(CPxoDoc& doc) override;

  std::size_t m_nAnimation;
  std::int32_t m_nFrame;
  std::int32_t m_nOffsetX;
  std::int32_t m_nOffsetY;
};

}  // namespace pixolan
