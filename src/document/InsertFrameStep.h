#pragma once
// Insert Frame: an invalid frame put in at element `after`, and taken out again.
#include <cstdint>

#include "document/Animation.h"
#include "document/EditStep.h"

namespace pixolan {

class CInsertFrameStep : public CEditStep {
 public:
  CInsertFrameStep(CAnimation& animation, std::uint32_t after);

  void Undo(CPxoDoc& doc) override;
  void Redo(CPxoDoc& doc) override;

 private:
  CAnimation& m_animation;
  std::uint32_t m_nAfter;
};

}  // namespace pixolan
