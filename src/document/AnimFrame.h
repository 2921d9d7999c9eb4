#pragma once
#include <cstdint>

#include "framework/Rect.h"

namespace pixolan {

// One frame of an animation: an area of the sheet placed on the sprite canvas.
// A frame that was never set has an all-zero rectangle and offsets.
class CAnimFrame {
 public:
  virtual ~CAnimFrame() = default;

  void Set(const CRect& source, std::int32_t offsetX, std::int32_t offsetY) {
    m_rectSource = source;
    m_nOffsetX = offsetX;
    m_nOffsetY = offsetY;
    m_bValid = true;
  }

  CRect m_rectSource;         // sheet pixels, right and bottom exclusive
  std::int32_t m_nOffsetX = 0;  // canvas x of the top-left corner, origin at the canvas centre
  std::int32_t m_nOffsetY = 0;
  bool m_bValid = false;
};

}  // namespace pixolan
