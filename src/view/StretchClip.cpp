#include "view/StretchClip.h"

#include <algorithm>
#include <cstdint>

namespace pixolan {

std::optional<ClippedStretch> ClipStretchToSheet(const CRect& dest, const CRect& source, std::int32_t sheetWidth,
                                                 std::int32_t sheetHeight, std::int32_t zoom) {
  const std::int64_t z = std::max<std::int32_t>(zoom, 1);
  const std::int64_t left = std::max<std::int64_t>(source.left, 0);
  const std::int64_t top = std::max<std::int64_t>(source.top, 0);
  const std::int64_t right = std::min<std::int64_t>(source.right, sheetWidth);
  const std::int64_t bottom = std::min<std::int64_t>(source.bottom, sheetHeight);
  if (right <= left || bottom <= top) return std::nullopt;
  // Each source pixel dropped on the left or top moves the destination by one magnified pixel.
  const std::int64_t destLeft = dest.left + (left - source.left) * z;
  const std::int64_t destTop = dest.top + (top - source.top) * z;
  const auto clamp = [](std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return ClippedStretch{
      CRect{clamp(destLeft), clamp(destTop), clamp(destLeft + (right - left) * z), clamp(destTop + (bottom - top) * z)},
      CRect{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), static_cast<std::int32_t>(right),
            static_cast<std::int32_t>(bottom)}};
}

}  // namespace pixolan
