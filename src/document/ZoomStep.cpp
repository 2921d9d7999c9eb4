#include "document/ZoomStep.h"

#include <utility>

#include "document/PxoDoc.h"

namespace pixolan {

void CZoomStep::Swap(CPxoDoc& doc) {
  std::swap(doc.m_nZoom, m_nZoom);
  doc.UpdateAllViews(nullptr, HINT_ZOOM_CHANGED);
}

}  // namespace pixolan
