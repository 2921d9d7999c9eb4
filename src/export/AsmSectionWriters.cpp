// The four data sections of the animation export's assembler file: palettes,
// a palette number per output block, the animation list with every frame's
// block map, and the graphics of the output blocks in 2-bit-per-pixel form.
#include <algorithm>
#include <cstdint>
#include <string>

#include "document/PxoDoc.h"
#include "export/AsmLabels.h"
#include "export/ExportTables.h"
#include "export/FrameLayout.h"
#include "framework/TextFile.h"
#include "image/Colour.h"

namespace pixolan {
namespace {

constexpr int kValuesPerBlockPaletteLine = 16;

// (nBlock * 16) | X flip in bit 1 | Y flip in bit 0. Block numbers of 4096 and
// more do not fit bits 15..4; the word is still written as computed.
std::uint32_t BlockWord(const BlockInfo& block) {
  return (static_cast<std::uint32_t>(block.nBlock) << 4) | (block.bXFlip ? 2u : 0u) | (block.bYFlip ? 1u : 0u);
}

// The 16 bytes of a block in the Game Boy's tile format: per row, one byte of
// the pixels' bit 0 and one of their bit 1, the leftmost pixel in bit 7.
void WriteBlockGraphics(CTextWriter& file, const BlockInfo& block) {
  file.WriteString("\t\t\t\t\t\tdb\t\t");
  for (int y = 0; y < 8; ++y) {
    unsigned low = 0;
    unsigned high = 0;
    for (int x = 0; x < 8; ++x) {
      const auto index = static_cast<std::uint8_t>(block.Pixels[static_cast<std::size_t>(8 * y + x)]);
      low |= static_cast<unsigned>(index & 1u) << (7 - x);
      high |= static_cast<unsigned>((index >> 1) & 1u) << (7 - x);
    }
    file.WriteString("$");
    file.WriteHex(low, 2);
    file.WriteString(", $");
    file.WriteHex(high, 2);
    file.WriteString(y == 7 ? "\n" : ", ");
  }
}

// Width, height and offsets, then one row of block words per block row. A map
// reaching outside the sheet's whole cells is refused before anything is
// written; should one get here, it shows no rows rather than read past the tables.
void WriteFrameData(CTextWriter& file, const CAnimFrame& frame, const CPxoDoc& doc, const CExportTables& tables) {
  const FrameLayout layout = LayoutOfFrame(frame.m_rectSource);
  file.Printf("\t\t\t\t\t\tdb\t\t%lld, %lld\t\t\t\t\t;// Width and Height\n", static_cast<long long>(layout.nWidth),
              static_cast<long long>(layout.nHeight));
  file.Printf("\t\t\t\t\t\tdb\t\t%d, %d\t\t\t\t\t;// Offsets\n", frame.m_nOffsetX, frame.m_nOffsetY);
  const SheetCells cells = WholeCellsOf(doc.m_pImage.get());
  const std::int64_t nCols = cells.nCols;
  if (!layout.HasBlockMap() || !BlockMapInsideSheet(frame.m_rectSource, cells.nCols, cells.nRows)) return;
  static const BlockInfo kUncut{};
  for (std::int64_t r = 0; r < layout.nHeight; ++r) {
    file.WriteString("\t\t\t\t\t\tdw\t\t");
    for (std::int64_t c = 0; c < layout.nWidth; ++c) {
      const auto cell = static_cast<std::size_t>(nCols * (layout.nFirstRow + r) + layout.nFirstCol + c);
      const std::int32_t record = cell < tables.m_pCellMap.size() ? tables.m_pCellMap[cell] : -1;
      const bool cut = record >= 0 && static_cast<std::size_t>(record) < tables.m_pBlocks.size();
      const BlockInfo& block = cut ? tables.m_pBlocks[static_cast<std::size_t>(record)] : kUncut;
      file.WriteString("$");
      file.WriteHex(cut ? BlockWord(block) : 0u, 4);
      file.WriteString(c == layout.nWidth - 1 ? "\n" : ", ");
    }
  }
}

}  // namespace

void WritePaletteData(CTextWriter& file, const CExportTables& tables) {
  file.WriteString("\n;// PALETTE DATA\nPaletteData:\n");
  const int count = std::clamp(tables.m_nPalettes, 0, static_cast<int>(tables.m_Palettes.size()));
  for (int p = 0; p < count; ++p) {
    const GbcPalette& palette = tables.m_Palettes[static_cast<std::size_t>(p)];
    file.Printf("\t\t\t\t\t\tdw\t\t$%04x, $%04x, $%04x, $%04x\n", GbcColourWord(palette[0]), GbcColourWord(palette[1]),
                GbcColourWord(palette[2]), GbcColourWord(palette[3]));
  }
}

void WriteBlockPaletteData(CTextWriter& file, const CExportTables& tables) {
  file.WriteString("\n;// BLOCK PALETTE DATA\nBlockPaletteData:\n");
  const int count = tables.UniqueBlockCount();
  for (int i = 0; i < count; ++i) {
    const auto record = static_cast<std::size_t>(tables.m_pUniqueBlocks[static_cast<std::size_t>(i)]);
    const int palette = record < tables.m_pBlocks.size() ? tables.m_pBlocks[record].nPalette : 0;
    file.Printf(i % kValuesPerBlockPaletteLine == 0 ? "\t\t\t\t\t\tdb\t\t%d" : ", %d", palette);
    if (i % kValuesPerBlockPaletteLine == kValuesPerBlockPaletteLine - 1 || i == count - 1) file.WriteString("\n");
  }
  // The graphics that follow are read as words: keep them on an even address.
  if (count % 2 != 0) file.WriteString("\t\t\t\t\t\tdb\t\t0\t\t\t;// Pad byte to word align data\n");
}

void WriteAnimationData(CTextWriter& file, const CPxoDoc& doc, const CExportTables& tables) {
  file.WriteString("\n;// ANIMATION LIST\nAnimationData:");
  for (std::size_t a = 0; a < doc.m_animations.size(); ++a) {
    file.Printf(a == 0 ? "\t\t\tdw\t\t%s\n" : "\t\t\t\t\t\tdw\t\t%s\n", AnimationLabel(doc.m_animations[a]->Name()).c_str());
  }

  for (std::size_t a = 0; a < doc.m_animations.size(); ++a) {
    const CAnimation& animation = *doc.m_animations[a];
    const std::string label = AnimationLabel(animation.Name());
    // Comment lines keep the name as it is.
    file.Printf("\n;// DATA FOR ANIMATION %d (%s)\n", static_cast<int>(a), animation.Name().c_str());
    file.Printf("%s:\n", label.c_str());
    file.Printf("\t\t\t\t\t\tdb\t\t%lld, 0\n", static_cast<long long>(animation.m_nFrameCount));
    for (std::uint32_t f = 0; f < animation.m_nFrameCount; ++f) {
      file.Printf("\t\t\t\t\t\tdw\t\t%s\n", FrameLabel(label, f).c_str());
    }
  }

  for (std::size_t a = 0; a < doc.m_animations.size(); ++a) {
    const CAnimation& animation = *doc.m_animations[a];
    const std::string label = AnimationLabel(animation.Name());
    // The last frame number is the count minus one, signed: -1 for no frames.
    file.Printf("\n;// ANIMATION DATA FOR ANIMATION %d (%s) FRAMES 0 -> %lld \n", static_cast<int>(a),
                animation.Name().c_str(), static_cast<long long>(animation.m_nFrameCount) - 1);
    for (std::uint32_t f = 0; f < animation.m_nFrameCount; ++f) {
      file.Printf("%s:\n", FrameLabel(label, f).c_str());
      WriteFrameData(file, animation.FrameOrNeverSet(f), doc, tables);
    }
  }
}

void WriteGraphicData(CTextWriter& file, const CExportTables& tables) {
  file.WriteString("\n;// GRAPHICS DATA\nGraphicData:\n");
  const int count = tables.UniqueBlockCount();
  static const BlockInfo kEmptyBlock{};
  for (int n = 0; n < count; ++n) {
    const auto record = static_cast<std::size_t>(tables.m_pUniqueBlocks[static_cast<std::size_t>(n)]);
    WriteBlockGraphics(file, record < tables.m_pBlocks.size() ? tables.m_pBlocks[record] : kEmptyBlock);
  }
}

}  // namespace pixolan
