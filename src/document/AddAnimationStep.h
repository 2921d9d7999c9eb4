#pragma once
// Add Animation: the record appended to the list, or held by the step while undone.
#include <memory>

#include "document/Animation.h"
#include "document/EditStep.h"

namespace pixolan {

class CAddAnimationStep : public CEditStep {
 public:
  explicit CAddAnimationStep(std::unique_ptr<CAnimation> animation);

  void Undo(CPxoDoc& doc) override;
  void Redo(CPxoDoc& doc) override;

 private:
  std::unique_ptr<CAnimation> m_pRecord;  // null while the document holds it
  CAnimation* m_pAnimation;               // the record, wherever it is
};

}  // namespace pixolan
