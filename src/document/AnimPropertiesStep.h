#pragma once
// Animation Properties: the name and the whole frame array against the other
// side's, so frames dropped by a smaller count come back with their rectangles.
#include "document/Animation.h"
#include "document/EditStep.h"

namespace pixolan {

class CAnimPropertiesStep : public CEditStep {
 public:
  // `changed`: the animation's contents after the change.
  CAnimPropertiesStep(CAnimation& animation, CAnimation changed);

  void Undo(CPxoDoc& doc) override { Swap(doc); }
  void Redo(CPxoDoc& doc) override { Swap(doc); }

 private:
  void Swap(CPxoDoc& doc);

  CAnimation& m_animation;
  CAnimation m_other;
};

}  // namespace pixolan
