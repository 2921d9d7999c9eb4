#pragma once
// Move Animation Up / Down: two neighbours of the list exchanged, which undoes itself.
#include <cstddef>

#include "document/ListStep.h"

namespace pixolan {

class CMoveAnimationStep : public CListStep {
 public:
  // Exchanges the animations at `upper` and upper + 1.
  CMoveAnimationStep(std::string name, std::size_t upper, CurrentPlace before, CurrentPlace after);

 private:
  void Exchange(CPxoDoc& doc, bool redo) override;

  std::size_t m_nUpper;
};

}  // namespace pixolan
