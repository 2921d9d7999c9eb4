#pragma once
// Zoom: the canvas zoom against the other side's. The zoom is saved with the
// document, so changing it is an edit like any other.
#include <cstdint>

#include "document/SwapStep.h"

namespace pixolan {

class CZoomStep : public CSwapStep {
 public:
  explicit CZoomStep(std::int32_t zoom) : CSwapStep("Zoom"), m_nZoom(zoom) {}

 private:
  void Swap(CPxoDoc& doc) override;

  std::int32_t m_nZoom;
};

}  // namespace pixolan
