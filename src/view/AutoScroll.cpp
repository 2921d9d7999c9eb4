#include "view/AutoScroll.h"

#include <algorithm>

namespace pixolan {
namespace {

std::int32_t AxisStep(std::int32_t at, std::int32_t size) {
  // 64-bit, so points far outside cannot overflow the distance.
  const std::int64_t beyond = std::int64_t{at} - std::max(size, 1) + 1;
  const std::int64_t out = at < 0 ? -std::int64_t{at} : beyond > 0 ? beyond : 0;
  if (out == 0) return 0;
  const auto step = static_cast<std::int32_t>(std::clamp<std::int64_t>(out, kAutoScrollMinStep, kAutoScrollMaxStep));
  return at < 0 ? -step : step;
}

}  // namespace

CPoint AutoScrollStep(CPoint client, CSize clientSize) {
  return {AxisStep(client.x, clientSize.cx), AxisStep(client.y, clientSize.cy)};
}

}  // namespace pixolan
