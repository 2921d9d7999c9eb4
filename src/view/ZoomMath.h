#pragma once
// Whole-number zooms of the panes: stepping, the zoom at which a picture fits its
// pane, and the scroll position that keeps the pixel under the pointer in place.
#include <cstdint>

#include "view/ViewTypes.h"

namespace pixolan {

inline constexpr std::int32_t kMaxFitZoom = 8;

// Rounds toward minus infinity (d > 0), so that pixel -1 of a zoomed picture is
// the one left of pixel 0, not a second pixel 0.
constexpr std::int64_t FloorDiv(std::int64_t v, std::int64_t d) { return v >= 0 ? v / d : -((-v + d - 1) / d); }

// One zoom step in (+1) or out (-1), kept to minZoom..maxZoom.
std::int32_t StepZoom(std::int32_t zoom, int direction, std::int32_t minZoom, std::int32_t maxZoom);

// The largest whole zoom, at most kMaxFitZoom and at least 1, at which a picture
// of `picture` pixels fits into `pane`.
std::int32_t FitZoom(CSize picture, CSize pane);

// The scroll position after a zoom change that keeps the picture pixel under
// `client` (and the point within it) under `client`. origin: the logical point
// where picture coordinate 0 is drawn, before and after (the panes recentre).
CPoint ScrollKeepingPoint(CPoint client, CPoint scroll, CPoint oldOrigin, std::int32_t oldZoom, CPoint newOrigin,
                          std::int32_t newZoom);

}  // namespace pixolan
