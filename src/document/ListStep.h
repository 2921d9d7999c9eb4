#pragma once
// The frame and animation list edits (delete, duplicate, move). Each leaves the
// frame or animation it edited current, and its undo the one current before, so
// the user always sees what changed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "document/EditStep.h"

namespace pixolan {

// The current animation (its index in the list) and frame number.
struct CurrentPlace {
  std::optional<std::size_t> animation;
  std::int32_t frame = 1;
};

class CListStep : public CEditStep {
 public:
  CListStep(std::string name, CurrentPlace before, CurrentPlace after);

  void Undo(CPxoDoc& doc) final;
  void Redo(CPxoDoc& doc) final;

 protected:
  // Makes the change (redo) or takes it back; sends no hint.
  virtual void Exchange(CPxoDoc& doc, bool redo) = 0;

 private:
  // Makes the place current and tells the views: the list first, then the canvas.
  static void Show(CPxoDoc& doc, const CurrentPlace& place);

  CurrentPlace m_before;
  CurrentPlace m_after;
};

}  // namespace pixolan
