#include "view/ZoomMath.h"

#include <algorithm>

namespace pixolan {

std::int32_t StepZoom(std::int32_t zoom, int direction, std::int32_t minZoom, std::int32_t maxZoom) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{zoom} + direction, minZoom, maxZoom));
}

std::int32_t FitZoom(CSize picture, CSize pane) {
  if (picture.cx <= 0 || picture.cy <= 0) return 1;
  const std::int64_t across = pane.cx / picture.cx;
  const std::int64_t down = pane.cy / picture.cy;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(std::min(across, down), 1, kMaxFitZoom));
}

CPoint ScrollKeepingPoint(CPoint client, CPoint scroll, CPoint oldOrigin, std::int32_t oldZoom, CPoint newOrigin,
                          std::int32_t newZoom) {
  const std::int64_t z0 = std::max(oldZoom, 1);
  const std::int64_t z1 = std::max(newZoom, 1);
  const auto keep = [&](std::int64_t c, std::int64_t s, std::int64_t o0, std::int64_t o1) {
    const std::int64_t relative = c + s - o0;
    const std::int64_t pixel = FloorDiv(relative, z0);
    const std::int64_t within = (relative - pixel * z0) * z1 / z0;  // the same part of the bigger or smaller pixel
    return ClampCoordinate(o1 + pixel * z1 + within - c);
  };
  return {keep(client.x, scroll.x, oldOrigin.x, newOrigin.x), keep(client.y, scroll.y, oldOrigin.y, newOrigin.y)};
}

}  // namespace pixolan
