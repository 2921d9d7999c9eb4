#include "export/ExportCheck.h"

#include <array>
#include <set>

#include "document/PxoDoc.h"
#include "export/ConsolePicture.h"
#include "export/FrameLayout.h"
#include "image/Colour.h"
#include "export/SheetColours.h"

namespace pixolan {
namespace {

struct FrameContext {
  const DecodedExport& decoded;
  const CSheetColours& sheet;
  PaletteEntry transparent;
};

// Compares one block of the frame with its sheet cell; true when it draws anything.
bool CheckBlock(std::uint32_t word, std::int32_t cx, std::int32_t cy, const FrameContext& context, FrameCheck& out) {
  std::array<PaletteEntry, 64> colours{};
  context.sheet.CellColours(cx, cy, colours);
  bool drawn = false;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const PixelAppearance shown = ConsoleAppearance(context.decoded, word, x, y);
      const PixelAppearance sheet = SheetAppearance(colours[static_cast<std::size_t>(8 * y + x)], context.transparent);
      drawn = drawn || !shown.bTransparent;
      if (shown == sheet) continue;
      ++out.nChangedPixels;
      if (shown.bTransparent && !sheet.bTransparent) ++out.nHiddenPixels;
    }
  }
  return drawn;
}

void CheckFrame(const CAnimFrame& source, const DecodedFrame& frame, const FrameContext& context, FrameCheck& out) {
  out.nWidth = frame.nWidth;
  out.nHeight = frame.nHeight;
  out.nOffsetX = frame.nOffsetX;
  out.nOffsetY = frame.nOffsetY;
  if (!frame.HasBlockMap()) return;
  out.nObjects = frame.nWidth * frame.nHeight;
  out.nPerLine = frame.nWidth;
  const FrameLayout layout = LayoutOfFrame(source.m_rectSource);
  std::set<std::int64_t> palettes;
  for (std::int64_t r = 0; r < frame.nHeight; ++r) {
    for (std::int64_t c = 0; c < frame.nWidth; ++c) {
      const std::uint32_t word = frame.Word(c, r);
      const auto cx = static_cast<std::int32_t>(layout.nFirstCol + c);
      const auto cy = static_cast<std::int32_t>(layout.nFirstRow + r);
      if (!context.sheet.IsCell(cx, cy)) continue;  // the export refuses such frames first
      if (!CheckBlock(word, cx, cy, context, out)) continue;
      ++out.nDrawn;
      palettes.insert(context.decoded.PaletteOf(word));
    }
  }
  out.nPalettes = static_cast<std::int64_t>(palettes.size());
}

}  // namespace

int ExportCheck::TileBanksNeeded() const {
  if (nUniqueBlocks <= kTilesPerBank) return 1;
  return nUniqueBlocks <= kTilesPerBank * kTileBanks ? 2 : 0;
}

bool ExportCheck::Fits() const {
  if (TooManyPalettes() || PaletteCountPastByte() || bRanOutOfPalettes || TileBanksNeeded() == 0) return false;
  for (const AnimationCheck& animation : animations) {
    for (const FrameCheck& frame : animation.frames) {
      if (frame.TooManyObjects() || frame.TooManyPerLine() || frame.TooManyPalettes() || frame.OffsetsPastByte() ||
          frame.SizePastByte() || frame.nChangedPixels > 0) {
        return false;
      }
    }
  }
  return true;
}

std::size_t ExportCheck::FrameCount() const {
  std::size_t count = 0;
  for (const AnimationCheck& animation : animations) count += animation.frames.size();
  return count;
}

ExportCheck CheckExport(const CPxoDoc& doc, const DecodedExport& decoded, bool firstTrans, bool ranOutOfPalettes) {
  const CSheetColours sheet(ExportSheet(doc.m_pImage));
  const FrameContext context{decoded, sheet, TransparentColour(ExportSheet(doc.m_pImage))};
  ExportCheck check;
  check.bFirstTrans = firstTrans;
  check.nPalettes = static_cast<std::int64_t>(decoded.palettes.size());
  check.nUniqueBlocks = static_cast<std::int64_t>(decoded.graphics.size());
  check.bRanOutOfPalettes = ranOutOfPalettes;
  const std::size_t animations = std::min(decoded.animations.size(), doc.m_animations.size());
  for (std::size_t a = 0; a < animations; ++a) {
    const CAnimation& animation = *doc.m_animations[a];
    const std::vector<DecodedFrame>& frames = decoded.animations[a].frames;
    AnimationCheck& checked = check.animations.emplace_back(AnimationCheck{animation.Name(), {}});
    for (std::uint32_t f = 0; f < frames.size() && f < animation.m_nFrameCount; ++f) {
      FrameCheck& out = checked.frames.emplace_back();
      out.strAnimation = animation.Name();
      out.nFrame = f + 1;
      CheckFrame(animation.FrameOrNeverSet(f), frames[f], context, out);
    }
  }
  return check;
}

}  // namespace pixolan
