#include "export/LimitMarks.h"

#include "export/ExportCheck.h"

namespace pixolan {

bool ObjectPastLimits(const DecodedExport& file, std::uint32_t word, std::int64_t col) {
  return col >= kObjectsPerLine || file.PaletteOf(word) >= kObjectPalettes;
}

void OutlineObject(CRgbPicture& picture, int left, int top, std::int64_t x0, std::int64_t y0, int width, int height) {
  for (int y = 0; y < 8; ++y) {
    const std::int64_t cy = y0 + y;
    if (cy < 0 || cy >= height) continue;
    for (int x = 0; x < 8; ++x) {
      const std::int64_t cx = x0 + x;
      if (cx < 0 || cx >= width || (x != 0 && x != 7 && y != 0 && y != 7)) continue;
      picture.Set(left + static_cast<int>(cx), top + static_cast<int>(cy), kLimitMark);
    }
  }
}

}  // namespace pixolan
