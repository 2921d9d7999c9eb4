#include "export/FrameBounds.h"

namespace pixolan {

CellSpan FrameCells(const CRect& source) {
  return CellSpan{source.left / 8, source.top / 8, source.right / 8, source.bottom / 8};
}

}  // namespace pixolan
