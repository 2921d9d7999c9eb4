#pragma once
// The sheet as the console shows it, pixel by pixel, drawn from the decoded
// export: every cell a frame's block map covers through its block word (mirror
// bits, palette, colour 0 never drawn), the rest in the sheet's own colours. The
// desktop panes draw this picture; the check counts the same comparisons.
#include <cstdint>
#include <vector>

#include "export/ExportDecoder.h"
#include "image/Colour.h"

namespace pixolan {

class CPxoDoc;

// How a pixel appears: transparent, or opaque in a 15-bit colour.
struct PixelAppearance {
  bool bTransparent = false;
  std::uint16_t colour = 0;
  bool operator==(const PixelAppearance&) const = default;
};

// A sheet pixel: the transparent colour shows nothing, any other its 15-bit colour.
PixelAppearance SheetAppearance(const PaletteEntry& colour, const PaletteEntry& transparent);
// Pixel (x, y) of a cell drawn with `word`: colour 0 is never drawn, in any palette.
PixelAppearance ConsoleAppearance(const DecodedExport& file, std::uint32_t word, int x, int y);

inline constexpr std::uint32_t kOpaque = 0xff000000u;

struct ConsolePicture {
  std::int32_t nWidth = 0;
  std::int32_t nHeight = 0;
  std::vector<std::uint32_t> pixels;   // 0xAARRGGBB row by row; alpha 0 where nothing is drawn
  std::vector<std::uint8_t> changed;   // 1 where the console shows the pixel otherwise than the sheet
  std::vector<std::uint8_t> exported;  // 1 where a frame's block map covers the pixel

  std::size_t At(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(nWidth) + static_cast<std::size_t>(x);
  }
};

inline std::uint32_t ToArgb(const RgbColour& c) {
  return kOpaque | static_cast<std::uint32_t>(c.red) << 16 | static_cast<std::uint32_t>(c.green) << 8 | c.blue;
}

// The document holds the sheet and animations that `file` was exported from.
// Pixels outside every block map keep the sheet's colour, the transparent colour
// with alpha 0. Empty for a document without a sheet.
ConsolePicture BuildConsolePicture(const CPxoDoc& doc, const DecodedExport& file);

}  // namespace pixolan
