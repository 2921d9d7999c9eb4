#pragma once
// Insert Frame: an invalid frame put in at element `after`, and taken out again.
#include <cstddef>
#include <cstdint>

#include "document/EditStep.h"

namespace pixolan {

class CInsertFrameStep : public CEditStep {
 public:
  // `animation`: its index in the document's list.
  CInsertFrameStep(std::size_t animation, std::uint32_t after);

  void Undo(CPxoDoc& doc) override;
  void Redo(CPxoDoc& doc) override;

 private:
  std::size_t m_nAnimation;
  std::uint32_t m_nAfter;
};

}  // namespace pixolan
