#include "export/PreviewCell.h"

#include <algorithm>

#include "export/LimitMarks.h"

namespace pixolan {
namespace {

void PaintBackground(CRgbPicture& picture, int left, int top, int width, int height, const PreviewSettings& settings) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Squares count from the cell's corner, so every cell (and GIF frame) looks the same.
      const bool light = ((x / kCheckerSquare) + (y / kCheckerSquare)) % 2 == 0;
      picture.Set(left + x, top + y, settings.background.value_or(light ? kCheckerLight : kCheckerDark));
    }
  }
}

// Draws block word `word` with its top-left pixel at canvas (x0, y0), skipping
// what lies outside the width x height canvas.
void DrawBlock(CRgbPicture& picture, int left, int top, std::int64_t x0, std::int64_t y0, std::uint32_t word,
               const DecodedExport& file, int width, int height) {
  for (int y = 0; y < 8; ++y) {
    const std::int64_t cy = y0 + y;
    if (cy < 0 || cy >= height) continue;
    for (int x = 0; x < 8; ++x) {
      const std::int64_t cx = x0 + x;
      if (cx < 0 || cx >= width) continue;
      const int index = file.ColourIndex(word, x, y);
      if (index == 0) continue;  // the console never draws colour 0
      picture.Set(left + static_cast<int>(cx), top + static_cast<int>(cy), ExpandGbcColour(file.ColourWord(word, index)));
    }
  }
}

}  // namespace

void DrawPreviewCell(CRgbPicture& picture, int left, int top, const DecodedExport& file, const DecodedFrame* frame,
                     const PreviewSettings& settings) {
  const int width = static_cast<int>(settings.nCanvasWidth), height = static_cast<int>(settings.nCanvasHeight);
  PaintBackground(picture, left, top, width, height, settings);
  if (frame == nullptr || !frame->HasBlockMap()) return;
  // Offsets come from a file: clamped so that no sum overflows (a frame that far
  // out is off the canvas either way), and blocks wholly outside are skipped.
  constexpr std::int64_t kFar = std::int64_t{1} << 40;
  const std::int64_t originX = settings.nCanvasWidth / 2 + std::clamp(frame->nOffsetX, -kFar, kFar);
  const std::int64_t originY = settings.nCanvasHeight / 2 + std::clamp(frame->nOffsetY, -kFar, kFar);
  // Marks go on after every block, so that no neighbouring block covers one.
  for (const bool marks : {false, true}) {
    if (marks && !settings.bMarkLimits) break;
    for (std::int64_t row = 0; row < frame->nHeight; ++row) {
      const std::int64_t y0 = originY + 8 * row;
      if (y0 + 8 <= 0 || y0 >= height) continue;
      for (std::int64_t col = 0; col < frame->nWidth; ++col) {
        const std::int64_t x0 = originX + 8 * col;
        if (x0 + 8 <= 0 || x0 >= width) continue;
        const std::uint32_t word = frame->Word(col, row);
        if (!marks) DrawBlock(picture, left, top, x0, y0, word, file, width, height);
        else if (ObjectPastLimits(file, word, col)) OutlineObject(picture, left, top, x0, y0, width, height);
      }
    }
  }
}

}  // namespace pixolan
