#pragma once
// Delete Frame, Duplicate Frame, Move Frame Earlier / Later: the animation's
// frame array against the other side's.
#include <cstddef>

#include "document/Animation.h"
#include "document/ListStep.h"

namespace pixolan {

class CFrameListStep : public CListStep {
 public:
  // `changed`: the contents after the change of the animation at `animation` in the list.
  CFrameListStep(std::string name, std::size_t animation, CAnimation changed, CurrentPlace before,
                 CurrentPlace after);

 private:
  void Exchange(CPxoDoc& doc, bool redo) override;
  std::size_t Bytes() const override { return sizeof(*this) + m_other.Bytes(); }

  std::size_t m_nAnimation;
  CAnimation m_other;
};

}  // namespace pixolan
