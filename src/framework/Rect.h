#pragma once
#include <cstdint>

namespace pixolan {

// A rectangle with exclusive right and bottom edges (width = right - left).
struct CRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  friend bool operator==(const CRect&, const CRect&) = default;
};

}  // namespace pixolan
