#pragma once
// A magnified copy of a sheet rectangle that may reach past the sheet's edges:
// only the part on the sheet is copied, to where it would have landed; the rest
// of the destination shows what is beneath.
#include <optional>

#include "framework/Rect.h"

namespace pixolan {

struct ClippedStretch {
  CRect rectDest;
  CRect rectSource;
  friend bool operator==(const ClippedStretch&, const ClippedStretch&) = default;
};

// dest is source magnified `zoom` times (zoom >= 1). Nothing when no sheet pixel remains.
std::optional<ClippedStretch> ClipStretchToSheet(const CRect& dest, const CRect& source, std::int32_t sheetWidth,
                                                 std::int32_t sheetHeight, std::int32_t zoom);

}  // namespace pixolan
