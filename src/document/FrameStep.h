#pragma once
// Place Frame and Lift Frame: one frame record against the other side's (a
// lifted frame keeps its rectangle and offsets, so undo puts it back exactly).
#include <cstdint>
#include <memory>
#include <string>

#include "document/AnimFrame.h"
#include "document/Animation.h"
#include "document/EditStep.h"

namespace pixolan {

class CFrameStep : public CEditStep {
 public:
  // `changed`: frame number n (from 1) after the change.
  static std::unique_ptr<CFrameStep> Place(CAnimation& animation, std::int32_t n, const CAnimFrame& changed);
  static std::unique_ptr<CFrameStep> Lift(CAnimation& animation, std::int32_t n, const CAnimFrame& changed);

  CFrameStep(std::string name, CAnimation& animation, std::int32_t n, const CAnimFrame& changed);

  // Undone and redone, the canvas repaints the frame's old and new place; the
  // sprite view repaints by itself when it places or lifts.
  void Undo(CPxoDoc& doc) override;
  void Redo(CPxoDoc& doc) override;
  void Do(CPxoDoc&) override { Swap(); }

 private:
  void Swap();

  CAnimation& m_animation;
  std::int32_t m_nFrame;
  CAnimFrame m_other;
};

}  // namespace pixolan
