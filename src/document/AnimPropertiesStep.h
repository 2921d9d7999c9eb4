#pragma once
// Animation Properties: the name and the whole frame array against the other
// side's, so frames dropped by a smaller count come back with their rectangles.
#include <cstddef>

#include "document/Animation.h"
#include "document/SwapStep.h"

namespace pixolan {

class CAnimPropertiesStep : public CSwapStep {
 public:
  // `changed`: the contents after the change of the animation at `animation` in the list.
  CAnimPropertiesStep(std::size_t animation, CAnimation changed);

 private:
  void Swap(CPxoDoc& doc) override;
  std::size_t Bytes() const override { return sizeof(*this) + m_other.Bytes(); }

  std::size_t m_nAnimation;
  CAnimation m_other;
};

}  // namespace pixolan
