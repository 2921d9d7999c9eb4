#pragma once
// A step whose undo and redo are one and the same exchange of its side with the
// document's, so the two directions cannot drift apart.
#include "document/EditStep.h"

namespace pixolan {

class CSwapStep : public CEditStep {
 public:
  using CEditStep::CEditStep;

  void Undo(CPxoDoc& doc) final { Swap(doc); }
  void Redo(CPxoDoc& doc) final { Swap(doc); }

 protected:
  // Exchanges the step's side with the document's and sends the change's hints.
  virtual void Swap(CPxoDoc& doc) = 0;
};

}  // namespace pixolan
