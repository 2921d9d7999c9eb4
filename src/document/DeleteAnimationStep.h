#pragma once
// Delete Animation: the record taken out of the list and held by the step until
// the deletion is undone.
#include <cstddef>
#include <memory>

#include "document/Animation.h"
#include "document/ListStep.h"

namespace pixolan {

class CDeleteAnimationStep : public CListStep {
 public:
  CDeleteAnimationStep(std::size_t index, CurrentPlace before, CurrentPlace after);

 private:
  void Exchange(CPxoDoc& doc, bool redo) override;
  std::size_t Bytes() const override;

  std::size_t m_nIndex;
  std::unique_ptr<CAnimation> m_pRecord;  // null while the document holds it
};

}  // namespace pixolan
