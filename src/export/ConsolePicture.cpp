#include "export/ConsolePicture.h"

#include <array>

#include "document/PxoDoc.h"
#include "export/FrameLayout.h"
#include "export/SheetColours.h"

namespace pixolan {
namespace {

constexpr std::uint32_t kNoWord = 0xffffffffu;

// The block word of every whole cell some frame's block map covers; a cell is
// cut once, so every frame covering it names the same word.
std::vector<std::uint32_t> CellWords(const CPxoDoc& doc, const DecodedExport& file, const CSheetColours& sheet) {
  std::vector<std::uint32_t> words(static_cast<std::size_t>(sheet.Cols()) * static_cast<std::size_t>(sheet.Rows()),
                                   kNoWord);
  const std::size_t animations = std::min(file.animations.size(), doc.m_animations.size());
  for (std::size_t a = 0; a < animations; ++a) {
    const CAnimation& animation = *doc.m_animations[a];
    const std::vector<DecodedFrame>& frames = file.animations[a].frames;
    for (std::uint32_t f = 0; f < frames.size() && f < animation.m_nFrameCount; ++f) {
      const DecodedFrame& frame = frames[f];
      if (!frame.HasBlockMap()) continue;
      const FrameLayout layout = LayoutOfFrame(animation.FrameOrNeverSet(f).m_rectSource);
      for (std::int64_t r = 0; r < frame.nHeight; ++r) {
        for (std::int64_t c = 0; c < frame.nWidth; ++c) {
          const std::int64_t cx = layout.nFirstCol + c, cy = layout.nFirstRow + r;
          if (cx < 0 || cy < 0 || cx >= sheet.Cols() || cy >= sheet.Rows()) continue;
          words[static_cast<std::size_t>(cy * sheet.Cols() + cx)] = frame.Word(c, r);
        }
      }
    }
  }
  return words;
}

void DrawCell(ConsolePicture& out, const DecodedExport& file, const CSheetColours& sheet, std::int32_t cx,
              std::int32_t cy, std::uint32_t word, const PaletteEntry& transparent) {
  std::array<PaletteEntry, 64> colours{};
  sheet.CellColours(cx, cy, colours);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const std::size_t at = out.At(8 * cx + x, 8 * cy + y);
      const PixelAppearance shown = ConsoleAppearance(file, word, x, y);
      out.pixels[at] = shown.bTransparent ? 0u : ToArgb(ExpandGbcColour(shown.colour));
      out.changed[at] = shown == SheetAppearance(colours[static_cast<std::size_t>(8 * y + x)], transparent) ? 0 : 1;
      out.exported[at] = 1;
    }
  }
}

}  // namespace

PixelAppearance SheetAppearance(const PaletteEntry& colour, const PaletteEntry& transparent) {
  if (SameColour(colour, transparent)) return {true, 0};
  return {false, GbcColourWord(colour)};
}

PixelAppearance ConsoleAppearance(const DecodedExport& file, std::uint32_t word, int x, int y) {
  const int index = file.ColourIndex(word, x, y);
  if (index == 0) return {true, 0};
  return {false, file.ColourWord(word, index)};
}

ConsolePicture BuildConsolePicture(const CPxoDoc& doc, const DecodedExport& file) {
  const CRasterImage* image = ExportSheet(doc.m_pImage);
  ConsolePicture out;
  if (image == nullptr || image->m_ppRows.empty()) return out;
  const CSheetColours sheet(image);
  const PaletteEntry transparent = TransparentColour(image);
  out.nWidth = image->m_nWidth;
  out.nHeight = image->m_nHeight;
  const std::size_t count = static_cast<std::size_t>(out.nWidth) * static_cast<std::size_t>(out.nHeight);
  out.pixels.assign(count, 0);
  out.changed.assign(count, 0);
  out.exported.assign(count, 0);
  const std::vector<std::uint32_t> words = CellWords(doc, file, sheet);
  for (std::int32_t y = 0; y < out.nHeight; ++y) {
    for (std::int32_t x = 0; x < out.nWidth; ++x) {
      if (sheet.IsCell(x / 8, y / 8) && words[static_cast<std::size_t>((y / 8) * sheet.Cols() + x / 8)] != kNoWord) {
        continue;  // drawn from its block below
      }
      const PaletteEntry colour = sheet.Colour(x, y);
      if (!SameColour(colour, transparent)) out.pixels[out.At(x, y)] = ToArgb({colour.red, colour.green, colour.blue});
    }
  }
  for (std::int32_t cy = 0; cy < sheet.Rows(); ++cy) {
    for (std::int32_t cx = 0; cx < sheet.Cols(); ++cx) {
      const std::uint32_t word = words[static_cast<std::size_t>(cy * sheet.Cols() + cx)];
      if (word != kNoWord) DrawCell(out, file, sheet, cx, cy, word, transparent);
    }
  }
  return out;
}

}  // namespace pixolan
