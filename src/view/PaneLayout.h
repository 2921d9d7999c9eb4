#pragma once
// The document window's three panes: on every resize the left column takes half
// the client width and the top-left pane half the client height.
#include "framework/Rect.h"
#include "view/ViewTypes.h"

namespace pixolan {

struct PaneSplit {
  std::int32_t nLeftColumnWidth = 0;  // ideal width of the outer splitter's column 0
  std::int32_t nTopRowHeight = 0;     // ideal height of the inner splitter's row 0
  friend bool operator==(const PaneSplit&, const PaneSplit&) = default;
};

// (right - left) / 2 and (bottom - top) / 2 of the child frame's client rectangle.
PaneSplit SplitChildClient(const CRect& client);

}  // namespace pixolan
