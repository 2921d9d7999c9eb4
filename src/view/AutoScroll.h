#pragma once
// A drag that passes a pane's edge scrolls the pane: while the button is held
// outside, every tick moves the view toward the pointer, faster the further out it is.
#include "view/ViewTypes.h"

namespace pixolan {

inline constexpr int kAutoScrollIntervalMs = 30;
// Pixels per tick: at least this much just past the edge, at most the maximum far out.
inline constexpr std::int32_t kAutoScrollMinStep = 2;
inline constexpr std::int32_t kAutoScrollMaxStep = 64;

// The scroll change for one tick with the pointer at `client` in a pane of
// `clientSize` (0 on an axis inside the pane; negative toward the left or top).
CPoint AutoScrollStep(CPoint client, CSize clientSize);

}  // namespace pixolan
