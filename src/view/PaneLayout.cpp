#include "view/PaneLayout.h"

namespace pixolan {

PaneSplit SplitChildClient(const CRect& client) {
  // 64-bit differences: the rectangle's edges may be anything.
  const std::int64_t width = std::int64_t{client.right} - client.left;
  const std::int64_t height = std::int64_t{client.bottom} - client.top;
  return {static_cast<std::int32_t>(width / 2), static_cast<std::int32_t>(height / 2)};
}

}  // namespace pixolan
