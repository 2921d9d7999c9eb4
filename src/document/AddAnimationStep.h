#pragma once
// Add Animation: the record appended to the list, or held by the step while undone.
#include <cstddef>
#include <memory>

#include "document/Animation.h"
#include "document/EditStep.h"

namespace pixolan {

class CAddAnimationStep : public CEditStep {
 public:
  // `index`: where the record goes, the end of the list when the step is made.
  CAddAnimationStep(std::unique_ptr<CAnimation> animation, std::size_t index);

  void Undo(CPxoDoc& doc) override;
  void Redo(CPxoDoc& doc) override;
  std::size_t Bytes() const override;

 private:
  std::unique_ptr<CAnimation> m_pRecord;  // null while the document holds it
  std::size_t m_nIndex;
};

}  // namespace pixolan
