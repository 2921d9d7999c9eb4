#pragma once
// One cell of the preview: the document's canvas with one exported frame drawn
// on it as the console draws an object group: block by block from the block
// map, each block's 2bpp graphics through its mirror bits and its palette.
// Colour 0 of every palette is never drawn, as on the console.
#include <cstdint>
#include <optional>

#include "export/ExportDecoder.h"
#include "image/Colour.h"
#include "image/RgbPicture.h"

namespace pixolan {

struct PreviewSettings {
  std::int64_t nCanvasWidth = 160;  // canvas pixels; the cell's size before scaling
  std::int64_t nCanvasHeight = 144;
  int nScale = 2;                       // every canvas pixel becomes nScale x nScale pixels
  std::optional<RgbColour> background;  // nothing: a checkerboard of two greys
  bool bMarkLimits = false;             // outline the objects the console would not draw as the data says
  std::int64_t nColumns = 0;            // contact sheet cells a row; 0: one row per animation, wrapped at the side limit
};

// The checkerboard's squares, in canvas pixels, and its two greys (the top-left square light).
inline constexpr int kCheckerSquare = 8;
inline constexpr RgbColour kCheckerLight{204, 204, 204};
inline constexpr RgbColour kCheckerDark{153, 153, 153};

// Paints the cell whose top-left canvas pixel is (left, top) of the picture:
// the background, then the frame (none: an empty cell) with its top-left block
// at the canvas centre plus the frame's offsets, clipped to the cell, and with
// bMarkLimits the outlines over it. The picture holds the whole cell.
void DrawPreviewCell(CRgbPicture& picture, int left, int top, const DecodedExport& file, const DecodedFrame* frame,
                     const PreviewSettings& settings);

}  // namespace pixolan
