// The preparation of the animation export: cut every frame into 8x8 blocks of
// the sheet (each cell once), link repeated and mirrored blocks, number the
// rest, and give every block a four-colour palette.
#include <algorithm>

#include "document/PxoDoc.h"
#include "export/BlockCutter.h"
#include "export/ExportOptions.h"
#include "export/ExportTables.h"
#include "export/FrameBounds.h"
#include "export/PaletteAssigner.h"
#include "export/PaletteFileReader.h"
#include "export/SheetColours.h"

namespace pixolan {
namespace {

constexpr std::int32_t kNotCut = -1;

// Cuts the cells of one frame that no earlier frame has cut, row by row. Cells
// outside the sheet's whole cells are left alone: there is nothing to cut there.
void CutFrame(const CRect& source, const CSheetColours& sheet, CBlockCutter& cutter,
              std::vector<std::int32_t>& cellMap, std::vector<BlockInfo>& blocks) {
  const CellSpan span = FrameCells(source);
  const std::int32_t x0 = std::max(span.x0, 0), x1 = std::min(span.x1, sheet.Cols());
  const std::int32_t y0 = std::max(span.y0, 0), y1 = std::min(span.y1, sheet.Rows());
  for (std::int32_t cy = y0; cy < y1; ++cy) {
    for (std::int32_t cx = x0; cx < x1; ++cx) {
      std::int32_t& cell = cellMap[static_cast<std::size_t>(cy) * static_cast<std::size_t>(sheet.Cols()) +
                                   static_cast<std::size_t>(cx)];
      if (cell != kNotCut) continue;
      cell = static_cast<std::int32_t>(blocks.size());
      blocks.push_back(cutter.Cut(cx, cy));
    }
  }
}

}  // namespace

void PrepareExportData(const CPxoDoc& doc, const ExportOptions& options, IPrompts& prompts, CExportTables& tables) {
  // An unreadable palette file stops the export here, before any table changes.
  std::vector<GbcPalette> loaded;
  if (options.m_bUsePalette) loaded = CPaletteFileReader::Read(options.m_strPaletteName);

  const CRasterImage* image = doc.m_pImage.get();
  const CSheetColours sheet(image);
  const std::size_t cells = static_cast<std::size_t>(sheet.Cols()) * static_cast<std::size_t>(sheet.Rows());
  tables.m_pCellMap.assign(cells, kNotCut);
  tables.m_pBlocks.clear();
  tables.m_pBlocks.shrink_to_fit();
  tables.m_pBlocks.reserve(cells + 1);  // room for every cell and the forced first block

  const PaletteEntry transparent = TransparentColour(image);
  CBlockCutter cutter(sheet, transparent, options.m_bFirstTrans, prompts);
  if (options.m_bForceFirst) tables.m_pBlocks.push_back(cutter.ForcedFirst());

  // Frames are cut whether or not they were ever set: unset ones cover nothing.
  for (const std::unique_ptr<CAnimation>& animation : doc.m_animations) {
    if (!animation) continue;
    for (std::uint32_t f = 0; f < animation->m_nFrameCount; ++f) {
      CutFrame(animation->FrameOrNeverSet(f).m_rectSource, sheet, cutter, tables.m_pCellMap, tables.m_pBlocks);
    }
  }

  MatchBlocks(doc, tables);

  CPaletteAssigner palettes(tables, prompts);
  palettes.Reset(loaded);
  for (BlockInfo& record : tables.m_pBlocks) palettes.Assign(record);
}

}  // namespace pixolan
