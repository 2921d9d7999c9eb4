#pragma once
// Points, sizes and repaint requests of the views, in pane (client) pixels
// unless a name says logical (client plus scroll position).
#include <cstdint>
#include <vector>

#include "framework/Rect.h"

namespace pixolan {

struct CPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  friend bool operator==(const CSize&, const CSize&) = default;
};

// What a view must repaint after an event: nothing, some client rectangles, or all of it.
struct Repaint {
  bool bWhole = false;
  std::vector<CRect> rects;

  void Add(const CRect& r) { rects.push_back(r); }
  void All() { bWhole = true; }
  bool Empty() const { return !bWhole && rects.empty(); }
};

// Signed halving that truncates toward zero, as every division of the views does.
constexpr std::int32_t Half(std::int32_t v) { return v / 2; }

// Every coordinate the views hand out lies within this distance of 0, so that the
// difference of any two (a width) still fits 32 bits. The views compute in 64 bits
// and clamp once at the end: document and sheet fields come from files.
inline constexpr std::int32_t kMaxViewCoordinate = 1 << 24;

constexpr std::int32_t ClampCoordinate(std::int64_t v) {
  return static_cast<std::int32_t>(v < -kMaxViewCoordinate ? -kMaxViewCoordinate
                                   : v > kMaxViewCoordinate ? kMaxViewCoordinate
                                                            : v);
}

constexpr CRect MakeClampedRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  return {ClampCoordinate(left), ClampCoordinate(top), ClampCoordinate(right), ClampCoordinate(bottom)};
}

}  // namespace pixolan
